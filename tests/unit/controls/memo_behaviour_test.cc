#include "controls/memo_behaviour.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zerkon {
namespace {

// Records what the memo asked of the control, as one string per call.
class FakeMemo : public MemoHost {
  public:
    FakeMemo(int lines, int caret_line) : lines_(lines), caret_line_(caret_line) {}

    int CaretLine() override { return caret_line_; }
    int LineCount() override { return lines_; }
    void StandardKeyDown(int key) override {
        calls.push_back("standard " + std::to_string(key));
        // The standard processing moves the caret like a real edit would.
        if (key == vk::kDown && caret_line_ < lines_ - 1) ++caret_line_;
        if (key == vk::kUp && caret_line_ > 0) --caret_line_;
    }
    FocusTargetState Target(FocusTarget which) override {
        return which == FocusTarget::Up ? up : down;
    }
    void FocusTargetControl(FocusTarget which) override {
        calls.push_back(which == FocusTarget::Up ? "target up" : "target down");
    }
    void FocusNextInTabOrder() override { calls.push_back("next"); }
    void FocusPreviousInTabOrder() override { calls.push_back("previous"); }

    FocusTargetState up;
    FocusTargetState down;
    std::vector<std::string> calls;

  private:
    int lines_;
    int caret_line_;
};

using Calls = std::vector<std::string>;
const std::string kStdDown = "standard " + std::to_string(vk::kDown);
const std::string kStdUp = "standard " + std::to_string(vk::kUp);

// An arrow leaves from the edge line it points past and moves the caret on any other line.
TEST(MemoArrows, LeaveOnlyFromTheEdgeLine) {
    const struct {
        int key, caret_line;
        bool leaves;
        std::string call;
    } cases[] = {{vk::kDown, 2, true, "next"},
                 {vk::kDown, 1, false, kStdDown},
                 {vk::kUp, 0, true, "previous"},
                 {vk::kUp, 1, false, kStdUp}};
    for (const auto& c : cases) {
        FakeMemo host(3, c.caret_line);
        EXPECT_EQ(MemoBehaviour().KeyDown(host, c.key), c.leaves) << c.call;
        EXPECT_EQ(host.calls, Calls{c.call});
    }
}

TEST(MemoArrows, EmptyMemoLeavesBothWays) {
    MemoBehaviour memo;
    for (int lines : {0, 1}) {  // toolkits count an empty memo as 0 or 1 line
        FakeMemo empty(lines, 0);
        EXPECT_TRUE(memo.KeyDown(empty, vk::kUp));
        EXPECT_TRUE(memo.KeyDown(empty, vk::kDown));
        EXPECT_EQ(empty.calls, (Calls{"previous", "next"})) << lines;
    }
}

TEST(MemoArrows, ExplicitTargetsWinOnlyWhenAssignedEnabledAndVisible) {
    MemoBehaviour memo;
    FakeMemo memo_host(1, 0);
    memo_host.down = {true, true, true};
    memo_host.up = {true, true, false};  // hidden: the tab order takes over
    memo.KeyDown(memo_host, vk::kDown);
    memo.KeyDown(memo_host, vk::kUp);
    memo_host.up = {true, false, true};  // disabled
    memo.KeyDown(memo_host, vk::kUp);
    EXPECT_EQ(memo_host.calls, (Calls{"target down", "previous", "previous"}));
}

TEST(MemoArrows, WithoutArrowExitTheArrowsStayInside) {
    MemoBehaviour memo({.key_arrow_exit = false});
    FakeMemo host(1, 0);
    EXPECT_FALSE(memo.KeyDown(host, vk::kDown));
    EXPECT_FALSE(memo.KeyDown(host, vk::kUp));
    EXPECT_EQ(host.calls, (Calls{kStdDown, kStdUp}));
}

TEST(MemoArrows, InheritedFirstLooksAtTheLineAfterTheStandardMove) {
    // The standard processing moves the caret from line 1 to the last line
    // first; the memo then sees the caret on the last line and leaves.
    MemoBehaviour memo({.key_first_inherited = true});
    FakeMemo host(3, 1);
    EXPECT_TRUE(memo.KeyDown(host, vk::kDown));
    EXPECT_EQ(host.calls, (Calls{kStdDown, "next"}));
}

TEST(MemoTab, TabMovesForwardEvenWithShift) {
    MemoBehaviour memo;  // KeyTabOnKeyPress False
    FakeMemo host(3, 1);
    // The key-down is withheld from the standard processing...
    EXPECT_TRUE(memo.KeyDown(host, vk::kTab));
    EXPECT_TRUE(host.calls.empty());
    // ...and the Tab character moves on; Shift makes the same character, so
    // Shift+Tab goes to the next control as well, never the previous one.
    EXPECT_TRUE(memo.KeyPress(host, '\t'));
    EXPECT_TRUE(memo.KeyPress(host, '\t'));
    EXPECT_EQ(host.calls, (Calls{"next", "next"}));
}

TEST(MemoTab, TabOnKeyPressGoesToTheMemoItself) {
    MemoBehaviour memo({.key_tab_on_key_press = true});
    FakeMemo host(3, 1);
    EXPECT_FALSE(memo.KeyDown(host, vk::kTab));
    EXPECT_FALSE(memo.KeyPress(host, '\t'));
    EXPECT_EQ(host.calls, Calls{"standard 9"});
    EXPECT_TRUE(MemoBehaviour::WantsTab());
}

TEST(MemoTab, OtherCharactersAreTyped) {
    MemoBehaviour memo;
    FakeMemo host(3, 1);
    EXPECT_FALSE(memo.KeyPress(host, 'a'));
    EXPECT_FALSE(memo.KeyPress(host, '\r'));
    EXPECT_TRUE(host.calls.empty());
}

TEST(MemoColours, FocusDisabledAndPaint) {
    MemoBehaviour memo;
    memo.Load(kClWindow, true);
    EXPECT_EQ(memo.colour(), kClWindow);
    memo.Enter();
    EXPECT_EQ(memo.colour(), kColourLightYellow);
    memo.AfterPaint(true);  // focused: the focus colour stays
    EXPECT_EQ(memo.colour(), kColourLightYellow);
    memo.Exit();
    EXPECT_EQ(memo.colour(), kClWindow);
    memo.AfterPaint(false);
    EXPECT_EQ(memo.colour(), kClBtnFace);
    memo.AfterPaint(true);
    EXPECT_EQ(memo.colour(), kClWindow);

    MemoBehaviour disabled;
    disabled.Load(0x123456, false);
    EXPECT_EQ(disabled.colour(), kClBtnFace);
    EXPECT_EQ(disabled.normal_colour(), 0x123456u);
}

TEST(MemoColours, FocusColouringCanBeOffAndTheFocusColourChanged) {
    MemoBehaviour off({.color_on_focus_active = false});
    off.Load(kClWindow, true);
    off.Enter();
    EXPECT_EQ(off.colour(), kClWindow);
    EXPECT_TRUE(off.has_focus());

    MemoBehaviour sky;
    sky.Load(kClWindow, true);
    sky.settings().color_on_focus = 15780518;
    sky.Enter();
    EXPECT_EQ(sky.colour(), 15780518u);
}

TEST(MemoVersion, IsFixed) {
    MemoBehaviour memo;
    memo.set_version("9.99");
    EXPECT_EQ(memo.version(), "1.02");
}

}  // namespace
}  // namespace zerkon
