// The edit controls typed into through the real keyboard path (SendInput into
// the controls host), read back by their texts, carets, focus and pixels.

#include <gtest/gtest.h>

#include <string>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "controls_host_fixture.h"
#include "harness.h"

namespace {

using namespace controls_host;
using zerkon::operator""_cz;

std::wstring W(std::string_view cp1250) {
    std::u16string text = zerkon::Cp1250ToUtf16(cp1250);
    return std::wstring(text.begin(), text.end());
}

class ControlsTest : public ControlsHostTest {
  protected:
    void ExpectFocusOn(int id) {
        EXPECT_TRUE(e2e::WaitUntil([&] { return Focused() == Field(id); }, std::chrono::seconds(3)))
            << "focus is on " << FocusedId() << " " << e2e::GetClassName(Focused()) << ", not on "
            << id;
    }

    // A left click in the middle of a field, through the real mouse path.
    void ClickInto(int id) {
        RECT r = e2e::ScreenRect(Field(id));
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_MOUSE;
        input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, input, sizeof(INPUT));
        Settle();
    }

    std::pair<int, int> Selection(int id) const {
        DWORD sel = static_cast<DWORD>(SendMessageW(Field(id), EM_GETSEL, 0, 0));
        return {LOWORD(sel), HIWORD(sel)};
    }

    // The colour on screen just inside the field's right edge (free of text
    // in left-aligned fields; the side button sits further in).
    COLORREF Background(int id) {
        RedrawWindow(host_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Settle();
        RECT client;
        GetClientRect(Field(id), &client);
        POINT p{client.left + 2, client.bottom - 2};
        ClientToScreen(Field(id), &p);
        HDC screen = GetDC(nullptr);
        COLORREF colour = GetPixel(screen, p.x, p.y);
        ReleaseDC(nullptr, screen);
        return colour;
    }

    // Pixels of the field's client area that differ from its background, in
    // the columns [from, to) given as fractions of the width.
    int InkBetween(int id, double from, double to) {
        COLORREF background = Background(id);
        RECT client;
        GetClientRect(Field(id), &client);
        POINT origin{0, 0};
        ClientToScreen(Field(id), &origin);
        HDC screen = GetDC(nullptr);
        int ink = 0;
        for (int x = static_cast<int>(client.right * from); x < client.right * to; ++x) {
            for (int y = 2; y < client.bottom - 2; ++y) {
                if (GetPixel(screen, origin.x + x, origin.y + y) != background) ++ink;
            }
        }
        ReleaseDC(nullptr, screen);
        return ink;
    }

    // The text of the warning box of the host, or empty when none opens.
    std::wstring WarningText(HWND* box_out) {
        HWND box = e2e::WaitForWindow(L"#32770", process_.id(), std::chrono::seconds(5));
        if (box_out) *box_out = box;
        return box ? e2e::MessageBoxText(box) : L"";
    }

    void CloseWarning(HWND box) {
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(e2e::WaitForWindowGone(box));
        Settle();
        // Without a window manager the X focus may fall to the root window
        // when the box goes, which deactivates the host; a user would click
        // it again. Activation gives the window its focused control back.
        if (!e2e::WaitUntil([&] { return Focused() != nullptr; }, std::chrono::milliseconds(500))) {
            SetForegroundWindow(host_);
            Settle();
        }
    }
};

TEST_F(ControlsTest, FilteredStringTakesOnlyDigits) {
    FocusField(kFilteredString);
    Type(L"1a2b3");
    EXPECT_EQ(Text(kFilteredString), L"123");
    Keys(VK_BACK);
    EXPECT_EQ(Text(kFilteredString), L"12");
}

TEST_F(ControlsTest, NumberFieldTakesBothSeparatorsAndShiftedDigits) {
    FocusField(kCurrency);
    Type(L"12.5");
    EXPECT_EQ(Text(kCurrency), L"12,5");
    Type(L",");  // a second separator
    EXPECT_EQ(Text(kCurrency), L"12,5");
    Keys('3', /*shift=*/true);  // '#' on the key of 3
    EXPECT_EQ(Text(kCurrency), L"12,53");
    Type(L"x-");
    EXPECT_EQ(Text(kCurrency), L"12,53");
    Keys(VK_TAB);
    EXPECT_EQ(FocusedId(), kInteger);
    EXPECT_EQ(Text(kCurrency), L"12,53");

    FocusField(kCurrency);
    SendMessageW(Field(kCurrency), EM_SETSEL, 0, -1);
    Type(L"1234567,5");
    Keys(VK_TAB);
    EXPECT_EQ(Text(kCurrency), L"1234567,5");
    // Drawn by the control, grouped with the currency text, right-aligned.
    EXPECT_EQ(InkBetween(kCurrency, 0.0, 0.25), 0);
    EXPECT_GT(InkBetween(kCurrency, 0.5, 1.0), 20);
    e2e::SaveScreenshot(L"controls_currency_display", host_);
}

TEST_F(ControlsTest, DateFieldJumpsTheDotsAndIsRevisedOnLeaving) {
    FocusField(kDate);
    EXPECT_EQ(Text(kDate), L"__.__.____");
    Type(L"12");
    EXPECT_EQ(Text(kDate), L"12.__.____");
    EXPECT_EQ(Selection(kDate), std::make_pair(3, 3));
    Keys(VK_BACK);  // over the dot, the text stays
    EXPECT_EQ(Text(kDate), L"12.__.____");
    EXPECT_EQ(Selection(kDate), std::make_pair(2, 2));
    Keys(VK_BACK);
    EXPECT_EQ(Text(kDate), L"1_.__.____");
    Type(L"3022008");
    EXPECT_EQ(Text(kDate), L"13.02.2008");
    SendMessageW(Field(kDate), EM_SETSEL, 0, 0);
    Type(L"31");
    Keys(VK_TAB);
    EXPECT_EQ(Text(kDate), L"29.02.2008");
    EXPECT_EQ(FocusedId(), kTime);
}

TEST_F(ControlsTest, TimeFieldIsRevisedOnLeaving) {
    FocusField(kTime);
    EXPECT_EQ(Text(kTime), L"__:__");
    Type(L"95");
    EXPECT_EQ(Text(kTime), L"95:__");
    Keys(VK_TAB);
    EXPECT_EQ(Text(kTime), L"05:00");
}

TEST_F(ControlsTest, UntouchedDateLeavesEmptyAndShowsThePatternAgain) {
    FocusField(kDate);
    Keys(VK_TAB);
    EXPECT_EQ(Text(kDate), L"");
    FocusField(kDate);
    EXPECT_EQ(Text(kDate), L"__.__.____");
}

TEST_F(ControlsTest, EnterArrowsAndPagesMoveFocus) {
    FocusField(kFilteredString);
    Keys(VK_DOWN);  // the Down target is disabled: the tab order wins
    EXPECT_EQ(FocusedId(), kCurrency);
    Keys(VK_RETURN);
    EXPECT_EQ(FocusedId(), kInteger);
    EXPECT_EQ(Text(kInteger), L"");
    Keys(VK_UP);
    EXPECT_EQ(FocusedId(), kCurrency);
    Keys(VK_PRIOR);  // no PgUp target: swallowed
    EXPECT_EQ(FocusedId(), kCurrency);
    FocusField(kLast);
    Keys(VK_UP);  // explicit Up target
    EXPECT_EQ(FocusedId(), kFilteredString);
    FocusField(kPickList);
    Keys(VK_DOWN);  // the disabled field is passed over
    EXPECT_EQ(FocusedId(), kRequired);
}

TEST_F(ControlsTest, RequiredFieldRefusesToBeLeftEmpty) {
    FocusField(kCurrency);
    Keys(VK_NEXT);  // PgDown target: the required field
    ASSERT_EQ(FocusedId(), kRequired);
    Keys(VK_TAB);
    HWND box = nullptr;
    EXPECT_EQ(WarningText(&box), W("Zadání položky je povinné !"_cz));
    ASSERT_NE(box, nullptr);
    CloseWarning(box);
    ExpectFocusOn(kRequired);
    Keys(VK_RETURN);
    ASSERT_TRUE(WarningText(&box).size() > 0);
    CloseWarning(box);
    ExpectFocusOn(kRequired);
    ClickInto(kLast);
    ASSERT_TRUE(WarningText(&box).size() > 0);
    CloseWarning(box);
    ExpectFocusOn(kRequired);
    Type(L"x");
    Keys(VK_TAB);
    EXPECT_EQ(FocusedId(), kButtonField);
    EXPECT_EQ(Text(kEvents), L"exit 108");
}

TEST_F(ControlsTest, NumberValidationKeepsFocusAndRestoresTheText) {
    FocusField(kInteger);
    Type(L"12");
    Keys(VK_TAB);
    HWND box = nullptr;
    EXPECT_EQ(WarningText(&box), W("Maximální číselná hodnota je \"0\""_cz));
    ASSERT_NE(box, nullptr);
    CloseWarning(box);
    ExpectFocusOn(kInteger);
    EXPECT_EQ(Text(kInteger), L"1");  // as before the last key
    EXPECT_EQ(Text(kEvents), L"exit 103");
    // The last entry is the date field's, which the Tab passed through: the number field was
    // not entered again when the error took the focus back.
    EXPECT_EQ(Text(kEntries), L"104 entered 1 times");

    // Typed in front of the text: the caret goes back to where it stood before the last key,
    // not to the end where an entry would put it.
    Keys(VK_HOME);
    Type(L"5");
    Keys(VK_TAB);
    ASSERT_NE(WarningText(&box), L"");
    CloseWarning(box);
    ExpectFocusOn(kInteger);
    EXPECT_EQ(Text(kInteger), L"1");
    EXPECT_EQ(Selection(kInteger), std::make_pair(0, 0));
}

TEST_F(ControlsTest, AMouseClickOnTheSideButtonDoesNotLeaveTheField) {
    FocusField(kButtonField);
    Type(L"ab");
    const std::wstring events = Text(kEvents);
    HWND button = GetWindow(Field(kButtonField), GW_CHILD);
    ASSERT_NE(button, nullptr);
    e2e::MouseClick(button);
    Settle();
    EXPECT_EQ(Text(kButtonField), L"klik");
    EXPECT_EQ(FocusedId(), kButtonField);
    EXPECT_EQ(Text(kEvents), events);                   // not left
    EXPECT_EQ(Text(kEntries), L"109 entered 1 times");  // nor entered again
}

TEST_F(ControlsTest, PickListByButtonAndByKeyboard) {
    FocusField(kPickList);
    HWND button = GetWindow(Field(kPickList), GW_CHILD);
    ASSERT_NE(button, nullptr);
    e2e::Click(button);
    HWND popup = e2e::WaitForWindow(L"TZerkonPickList", process_.id(), std::chrono::seconds(5));
    ASSERT_NE(popup, nullptr);
    e2e::SaveScreenshot(L"controls_pick_list");
    EXPECT_EQ(Text(kEvents), L"exit 101");  // not left for its own pop-up
    EXPECT_EQ(Background(kPickList), GetSysColor(COLOR_INFOBK));
    Keys(VK_DOWN);
    Keys(VK_RETURN);
    ASSERT_TRUE(e2e::WaitForWindowGone(popup));
    Settle();
    EXPECT_EQ(Text(kPickList), L"Adam");
    EXPECT_EQ(Background(kPickList), RGB(255, 255, 153));
    EXPECT_EQ(FocusedId(), kPickList);
    Type(L"a");
    EXPECT_EQ(Text(kPickList), L"Alena");
    Type(L"a");
    EXPECT_EQ(Text(kPickList), L"Anna");
    Keys(VK_BACK);
    EXPECT_EQ(Text(kPickList), L"");
}

void PutOnClipboard(const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

TEST_F(ControlsTest, ShiftInsertPastesOnlyIntoPlainFields) {
    PutOnClipboard(L"31122009");
    FocusField(kDate);
    Keys(VK_INSERT, /*shift=*/true);
    EXPECT_EQ(Text(kDate), L"__.__.____");
    FocusField(kPickList);
    Keys(VK_INSERT, /*shift=*/true);
    EXPECT_EQ(Text(kPickList), L"");
    FocusField(kLast);
    Keys(VK_INSERT, /*shift=*/true);
    EXPECT_EQ(Text(kLast), L"31122009");
}

TEST_F(ControlsTest, TabIntoAFieldPutsTheCaretAtTheEnd) {
    FocusField(kButtonField);
    Type(L"abc");
    Keys(VK_TAB);
    EXPECT_EQ(FocusedId(), kLast);
    Keys(VK_TAB, /*shift=*/true);
    EXPECT_EQ(FocusedId(), kButtonField);
    EXPECT_EQ(Selection(kButtonField), std::make_pair(3, 3));
}

TEST_F(ControlsTest, SideButtonShortCut) {
    FocusField(kButtonField);
    Type(L"ab");
    Keys(VK_F4);
    EXPECT_EQ(Text(kButtonField), L"klik");
}

TEST_F(ControlsTest, LabelsStandBesideTheirFieldsAtTheSpacing) {
    auto label_of = [&](int id) { return GetWindow(Field(id), GW_HWNDPREV); };
    auto rect = [](HWND w) { return e2e::ScreenRect(w); };
    EXPECT_EQ(e2e::GetText(label_of(kFilteredString)), W("Osobní číslo"_cz));
    RECT edit = rect(Field(kFilteredString));
    RECT label = rect(label_of(kFilteredString));
    EXPECT_EQ(label.bottom + 3, edit.top);  // above
    EXPECT_EQ(label.left, edit.left);
    edit = rect(Field(kDate));
    label = rect(label_of(kDate));
    EXPECT_EQ(label.top, edit.bottom + 3);  // below
    edit = rect(Field(kCurrency));
    label = rect(label_of(kCurrency));
    EXPECT_EQ(label.right + 3, edit.left);  // left, centred vertically
    EXPECT_LE(std::abs((label.top + label.bottom) - (edit.top + edit.bottom)), 1);
    edit = rect(Field(kRequired));
    label = rect(label_of(kRequired));
    EXPECT_EQ(label.left, edit.right + 3);  // right
}

TEST_F(ControlsTest, ColoursOnScreen) {
    FocusField(kFilteredString);
    EXPECT_EQ(Background(kFilteredString), RGB(255, 255, 153));
    EXPECT_EQ(Background(kLast), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(Background(kDisabled), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Background(kCurrency), GetSysColor(COLOR_WINDOW));  // drawn by the control
    FocusField(kCurrency);
    EXPECT_EQ(Background(kCurrency), RGB(255, 255, 153));
    EXPECT_EQ(Background(kFilteredString), GetSysColor(COLOR_WINDOW));
    e2e::SaveScreenshot(L"controls_colours", host_);
}

}  // namespace
