#include "controls/list_box_behaviour.h"

#include <gtest/gtest.h>

namespace zerkon {
namespace {

constexpr ListBoxItems kMiddle{3, false, false};
constexpr ListBoxItems kOnLast{3, false, true};
constexpr ListBoxItems kOnFirst{3, true, false};
constexpr ListBoxItems kEmpty{0, false, false};

ListBoxFocusMove Move(ListBoxBehaviour& box, int key, ListBoxItems items) {
    return box.KeyDown(key, items).move;
}

TEST(ListBoxKeys, WithoutInLineTheArrowsStayInTheListUnlessCtrlIsHeld) {
    CtrlHeldFlag ctrl;
    ListBoxBehaviour box({}, ctrl);  // [keyEnter, keyDownUp]
    EXPECT_EQ(box.KeyDown(vk::kDown, kOnLast).move, ListBoxFocusMove::None);
    EXPECT_EQ(box.KeyDown(vk::kDown, kOnLast).standard_key, vk::kDown);
    EXPECT_EQ(Move(box, vk::kUp, kOnFirst), ListBoxFocusMove::None);
    EXPECT_EQ(Move(box, vk::kDown, kEmpty), ListBoxFocusMove::None);

    EXPECT_EQ(Move(box, vk::kControl, kMiddle), ListBoxFocusMove::None);
    EXPECT_EQ(Move(box, vk::kDown, kMiddle), ListBoxFocusMove::Next);
    EXPECT_EQ(Move(box, vk::kUp, kMiddle), ListBoxFocusMove::Previous);
    box.KeyUp(vk::kControl);
    EXPECT_EQ(Move(box, vk::kDown, kMiddle), ListBoxFocusMove::None);
}

TEST(ListBoxKeys, InLineLeavesAtTheEnds) {
    CtrlHeldFlag ctrl;
    ListBoxBehaviour box({.key_in_line = true}, ctrl);
    EXPECT_EQ(Move(box, vk::kDown, kOnLast), ListBoxFocusMove::Next);
    EXPECT_EQ(Move(box, vk::kUp, kOnFirst), ListBoxFocusMove::Previous);
    EXPECT_EQ(Move(box, vk::kDown, kMiddle), ListBoxFocusMove::None);
    EXPECT_EQ(Move(box, vk::kUp, kMiddle), ListBoxFocusMove::None);
    EXPECT_EQ(Move(box, vk::kUp, kOnLast), ListBoxFocusMove::None);
    EXPECT_EQ(Move(box, vk::kDown, kEmpty), ListBoxFocusMove::Next);
    EXPECT_EQ(Move(box, vk::kUp, kEmpty), ListBoxFocusMove::Previous);
}

TEST(ListBoxKeys, EnterCountsAsDown) {
    CtrlHeldFlag ctrl;
    ListBoxBehaviour box({.key_in_line = true}, ctrl);
    EXPECT_EQ(Move(box, vk::kReturn, kOnLast), ListBoxFocusMove::Next);
    // Not leaving, Enter moves the selection down like the arrow.
    EXPECT_EQ(box.KeyDown(vk::kReturn, kMiddle).standard_key, vk::kDown);

    ListBoxBehaviour no_enter({.key_in_line = true, .key_enter = false}, ctrl);
    EXPECT_EQ(no_enter.KeyDown(vk::kReturn, kOnLast).move, ListBoxFocusMove::None);
    EXPECT_EQ(no_enter.KeyDown(vk::kReturn, kOnLast).standard_key, vk::kReturn);
}

TEST(ListBoxKeys, WithoutDownUpEverythingIsStandardEvenCtrl) {
    CtrlHeldFlag ctrl;
    ListBoxBehaviour box({.key_in_line = true, .key_down_up = false}, ctrl);
    EXPECT_EQ(Move(box, vk::kDown, kOnLast), ListBoxFocusMove::None);
    EXPECT_EQ(box.KeyDown(vk::kReturn, kOnLast).standard_key, vk::kReturn);
    box.KeyDown(vk::kControl, kMiddle);
    EXPECT_FALSE(ctrl.held());
}

TEST(ListBoxKeys, CtrlReleasedElsewhereStaysHeldForEveryListBox) {
    CtrlHeldFlag ctrl;
    ListBoxBehaviour first({}, ctrl);
    ListBoxBehaviour second({}, ctrl);
    first.KeyDown(vk::kControl, kMiddle);
    // The key-up went to another control: no list box saw it.
    EXPECT_EQ(Move(second, vk::kDown, kOnFirst), ListBoxFocusMove::Next);
    EXPECT_EQ(Move(first, vk::kUp, kOnLast), ListBoxFocusMove::Previous);
    second.KeyUp(vk::kControl);  // any list box clears it for all
    EXPECT_EQ(Move(first, vk::kDown, kMiddle), ListBoxFocusMove::None);
}

TEST(ListBoxKeys, TheProgramSharesOneFlag) {
    ListBoxBehaviour a;
    ListBoxBehaviour b;
    a.KeyDown(vk::kControl, kMiddle);
    EXPECT_TRUE(CtrlHeldFlag::Shared().held());
    b.KeyUp(vk::kControl);
    EXPECT_FALSE(CtrlHeldFlag::Shared().held());
}

TEST(ListBoxColours, EntrySavesTheColourAndExitRestoresIt) {
    ListBoxBehaviour box;
    box.Load(kClWindow, true);
    box.set_colour(0x00ABCDEF);  // changed by the program after load
    box.Enter();
    EXPECT_EQ(box.colour(), kColourLightYellow);
    box.Exit();
    EXPECT_EQ(box.colour(), 0x00ABCDEFu);

    ListBoxBehaviour disabled;
    disabled.Load(kClWindow, false);
    EXPECT_EQ(disabled.colour(), kClBtnFace);
}

TEST(ListBoxColours, WithFocusColouringOffExitKeepsTheLoadedColour) {
    ListBoxBehaviour box({.color_on_focus_active = false});
    box.Load(0x00112233, true);
    box.Enter();
    EXPECT_EQ(box.colour(), 0x00112233u);
    box.Exit();
    EXPECT_EQ(box.colour(), 0x00112233u);  // never an unsaved (black) colour
    box.set_version("0");
    EXPECT_EQ(box.version(), "1.18");
}

}  // namespace
}  // namespace zerkon
