// Masked time and date fields and the pick-list pop-up of the controls host,
// driven through the real keyboard and mouse message paths.

#include <gtest/gtest.h>

#include <string>

#include "controls_host_fixture.h"
#include "harness.h"

namespace {

using namespace controls_host;

class MaskComboTest : public ControlsHostTest {
  protected:
    void Caret(int id, int pos) {
        SendMessageW(Field(id), EM_SETSEL, pos, pos);
        Settle();
    }

    int CaretOf(int id) const {
        DWORD sel = static_cast<DWORD>(SendMessageW(Field(id), EM_GETSEL, 0, 0));
        return LOWORD(sel);
    }

    COLORREF Pixel(HWND window, int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        HDC screen = GetDC(nullptr);
        COLORREF colour = GetPixel(screen, p.x, p.y);
        ReleaseDC(nullptr, screen);
        return colour;
    }

    // Opens the pick list with the field's side button; the pop-up or nullptr.
    HWND OpenPickList() {
        FocusField(kPickList);
        HWND button = GetWindow(Field(kPickList), GW_CHILD);
        if (!button) return nullptr;
        e2e::Click(button);
        HWND popup = e2e::WaitForWindow(L"TZerkonPickList", process_.id(), std::chrono::seconds(5));
        Settle();
        return popup;
    }

    HWND ListOf(HWND popup) const { return e2e::FindChildByClass(popup, L"ListBox"); }
};

TEST_F(MaskComboTest, TimeFieldTypedAndRevisedOnLeaving) {
    FocusField(kTime);
    EXPECT_EQ(Text(kTime), L"__:__");
    Type(L"7");
    EXPECT_EQ(CaretOf(kTime), 1);
    Keys(VK_RIGHT);
    // Typing in front of the colon lands behind it.
    Type(L"5");
    EXPECT_EQ(Text(kTime), L"7_:5_");
    EXPECT_EQ(CaretOf(kTime), 4);
    Keys(VK_TAB);
    EXPECT_EQ(Text(kTime), L"07:05");

    FocusField(kTime);
    Caret(kTime, 0);
    Type(L"2561");
    EXPECT_EQ(Text(kTime), L"25:61");
    Keys(VK_TAB);
    EXPECT_EQ(Text(kTime), L"05:01");
}

TEST_F(MaskComboTest, DateDeleteStaysInItsGroupAndShortYearsGetTheCentury) {
    FocusField(kDate);
    Type(L"12052009");
    EXPECT_EQ(Text(kDate), L"12.05.2009");
    Keys(VK_HOME);
    Keys(VK_DELETE);
    EXPECT_EQ(Text(kDate), L"2_.05.2009");
    EXPECT_EQ(CaretOf(kDate), 0);
    // Backspace right after a dot only walks over it.
    Caret(kDate, 3);
    Keys(VK_BACK);
    EXPECT_EQ(Text(kDate), L"2_.05.2009");
    EXPECT_EQ(CaretOf(kDate), 2);
    // Clear the year and type a two-digit one.
    Caret(kDate, 6);
    for (int i = 0; i < 4; ++i) Keys(VK_DELETE);
    EXPECT_EQ(Text(kDate), L"2_.05.____");
    Type(L"45");
    Keys(VK_TAB);
    EXPECT_EQ(Text(kDate), L"02.05.1945");
}

TEST_F(MaskComboTest, PickListOpensUnderTheFieldAndEscapeKeepsTheText) {
    HWND popup = OpenPickList();
    ASSERT_NE(popup, nullptr);
    // Focus stays in the field, which shows the pick-list colour meanwhile.
    EXPECT_EQ(Focused(), Field(kPickList));
    RedrawWindow(Field(kPickList), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Settle();
    RECT client;
    GetClientRect(Field(kPickList), &client);
    EXPECT_EQ(Pixel(Field(kPickList), 2, client.bottom - 2), GetSysColor(COLOR_INFOBK));

    POINT origin{0, 0};
    ClientToScreen(Field(kPickList), &origin);
    RECT field = e2e::ScreenRect(Field(kPickList));
    RECT rect = e2e::ScreenRect(popup);
    EXPECT_EQ(rect.left, origin.x - 2);
    EXPECT_EQ(rect.top, origin.y + (field.bottom - field.top) - 3);
    EXPECT_EQ(rect.right - rect.left, field.right - field.left);
    // Three rows of an 8-point font.
    EXPECT_EQ(rect.bottom - rect.top, 3 * 13 + 10);
    EXPECT_EQ(SendMessageW(ListOf(popup), LB_GETCOUNT, 0, 0), 3);
    e2e::SaveScreenshot(L"pick_list_under_field");

    Keys(VK_DOWN);
    Keys(VK_ESCAPE);
    ASSERT_TRUE(e2e::WaitForWindowGone(popup));
    Settle();
    EXPECT_EQ(Text(kPickList), L"");
    EXPECT_EQ(Focused(), Field(kPickList));
}

TEST_F(MaskComboTest, PickListChosenByLetterRightClickAndDoubleClick) {
    HWND popup = OpenPickList();
    ASSERT_NE(popup, nullptr);
    // The first row is preselected; the letter moves to the next "A" row.
    Type(L"a");
    Keys(VK_RETURN);
    ASSERT_TRUE(e2e::WaitForWindowGone(popup));
    Settle();
    EXPECT_EQ(Text(kPickList), L"Adam");

    popup = OpenPickList();
    ASSERT_NE(popup, nullptr);
    HWND list = ListOf(popup);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);  // the field's item
    PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(e2e::WaitForWindowGone(popup));
    Settle();
    EXPECT_EQ(Text(kPickList), L"Adam");

    popup = OpenPickList();
    ASSERT_NE(popup, nullptr);
    list = ListOf(popup);
    RECT row;
    SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    LPARAM at = MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ASSERT_TRUE(e2e::WaitForWindowGone(popup));
    Settle();
    EXPECT_EQ(Text(kPickList), L"Alena");
}

TEST_F(MaskComboTest, PickListOpensAboveAFieldNearTheScreenBottom) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT host = e2e::ScreenRect(host_);
    RECT field = e2e::ScreenRect(Field(kPickList));
    // Put the field's bottom 20 pixels above the work area's bottom.
    int shift = work.bottom - 20 - field.bottom;
    SetWindowPos(host_, nullptr, host.left, host.top + shift, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return e2e::ScreenRect(Field(kPickList)).bottom == work.bottom - 20; }));

    HWND popup = OpenPickList();
    ASSERT_NE(popup, nullptr);
    POINT origin{0, 0};
    ClientToScreen(Field(kPickList), &origin);
    field = e2e::ScreenRect(Field(kPickList));
    int height = field.bottom - field.top;
    RECT rect = e2e::ScreenRect(popup);
    int below = origin.y + height - 3;
    EXPECT_EQ(rect.top, below - (rect.bottom - rect.top) - height);
    EXPECT_LT(rect.bottom, field.bottom);
    e2e::SaveScreenshot(L"pick_list_above_field");
    Keys(VK_ESCAPE);
    ASSERT_TRUE(e2e::WaitForWindowGone(popup));
}

}  // namespace
