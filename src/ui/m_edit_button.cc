// The side button of TMEdit and what its click does (the pick list included).
//
// The button is a small window of its own that never takes the keyboard focus: a click on it is
// no leaving of the field, so the field's exit steps (a date revised, a number validated) do not
// run half-way through a click.

#include <windowsx.h>

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "ui/display_dpi.h"
#include "ui/m_edit.h"

namespace zerkon {

namespace {

constexpr wchar_t kSideButtonClass[] = L"ZerkonSideButton";
constexpr int kFontSlot = 0;
constexpr int kStateSlot = sizeof(LONG_PTR);
constexpr LONG_PTR kCaptured = 1;
constexpr LONG_PTR kPressed = 2;

LONG_PTR State(HWND button) {
    return GetWindowLongPtrW(button, kStateSlot);
}

void SetState(HWND button, LONG_PTR state) {
    if (State(button) == state) return;
    SetWindowLongPtrW(button, kStateSlot, state);
    InvalidateRect(button, nullptr, FALSE);
}

bool CursorInside(HWND button, LPARAM lparam) {
    RECT client;
    GetClientRect(button, &client);
    const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    return PtInRect(&client, point) != FALSE;
}

void PaintSideButton(HWND button) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(button, &ps);
    RECT rect;
    GetClientRect(button, &rect);
    const bool pressed = (State(button) & kPressed) != 0;
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &rect, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    const int length = GetWindowTextLengthW(button);
    std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(button, caption.data(), length + 1);
    caption.resize(static_cast<size_t>(length));
    auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(button, kFontSlot));
    HGDIOBJ old_font = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(button) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    if (pressed) OffsetRect(&rect, 1, 1);
    DrawTextW(dc, caption.c_str(), length, &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old_font);
    EndPaint(button, &ps);
}

LRESULT CALLBACK SideButtonProc(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT:
            PaintSideButton(button);
            return 0;
        case WM_SETFONT:
            SetWindowLongPtrW(button, kFontSlot, static_cast<LONG_PTR>(wparam));
            if (LOWORD(lparam)) InvalidateRect(button, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return GetWindowLongPtrW(button, kFontSlot);
        case WM_SETCURSOR:
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetCapture(button);
            SetState(button, kCaptured | kPressed);
            return 0;
        case WM_MOUSEMOVE:
            if (State(button) & kCaptured) {
                SetState(button, kCaptured | (CursorInside(button, lparam) ? kPressed : 0));
            }
            return 0;
        case WM_LBUTTONUP: {
            const bool click = (State(button) & kPressed) != 0 && CursorInside(button, lparam);
            ReleaseCapture();  // WM_CAPTURECHANGED clears the state
            if (click) {
                SendMessageW(GetParent(button), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                             reinterpret_cast<LPARAM>(button));
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            SetState(button, 0);
            return 0;
        case WM_ENABLE:
            InvalidateRect(button, nullptr, TRUE);
            return 0;
        default:
            return DefWindowProcW(button, message, wparam, lparam);
    }
}

void RegisterSideButtonClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = SideButtonProc;
        wc.cbWndExtra = 2 * sizeof(LONG_PTR);
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_HAND);
        wc.lpszClassName = kSideButtonClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

}  // namespace

void TMEdit::SetButtonVisible(bool visible) {
    behavior_.settings().button_visible = visible;
    if (visible && !button_) {
        RegisterSideButtonClass();
        const std::wstring caption = Wide(behavior_.settings().button_caption);
        button_ = CreateWindowExW(0, kSideButtonClass, caption.c_str(), WS_CHILD | WS_VISIBLE, 0, 0,
                                  0, 0, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(button_, WM_SETFONT, SendMessageW(hwnd_, WM_GETFONT, 0, 0), FALSE);
    } else if (!visible && button_) {
        DestroyWindow(button_);
        button_ = nullptr;
    }
    LayoutButton();
}

void TMEdit::SetButtonWidth(int width) {
    if (!button_) return;  // without the button the width stays as it was
    RECT r;
    GetWindowRect(hwnd_, &r);
    int w = edit::ClampButtonWidth(width, r.right - r.left);
    behavior_.settings().button_width = w;
    LayoutButton();
}

HFONT TMEdit::ButtonFont() const {
    HWND owner = button_ ? button_ : hwnd_;
    return reinterpret_cast<HFONT>(SendMessageW(owner, WM_GETFONT, 0, 0));
}

void TMEdit::SetButtonFont(HFONT font) {
    SendMessageW(button_ ? button_ : hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void TMEdit::SetButtonCaption(const std::string& caption) {
    behavior_.settings().button_caption = caption;
    if (button_) {
        SetWindowTextW(button_, Wide(caption).c_str());
        InvalidateRect(button_, nullptr, TRUE);
    }
}

void TMEdit::LayoutButton() {
    RECT r;
    GetWindowRect(hwnd_, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    // ButtonWidth is in 96-DPI pixels, as the layout; never wider than the edit.
    const int button_width =
        button_ ? std::min(ScaledForWindow(hwnd_, behavior_.settings().button_width), width) : 0;
    const edit::SideButtonLayout layout = edit::LayoutSideButton(width, height, button_width, true);
    if (button_) {
        const edit::EditRect& b = layout.button;
        MoveWindow(button_, b.left, b.top, b.right - b.left, b.bottom - b.top, TRUE);
        // The button's font, whichever it is, at the edit's DPI.
        const auto font = reinterpret_cast<HFONT>(SendMessageW(button_, WM_GETFONT, 0, 0));
        const HFONT scaled = FontAtDpi(font, WindowDpi(hwnd_));
        if (scaled != font) {
            SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), TRUE);
        }
    }
    // A single-line EDIT may ignore the formatting rectangle; the margin keeps
    // the text from under the button all the same.
    Standard(EM_SETMARGINS, EC_RIGHTMARGIN,
             MAKELONG(0, button_ ? button_width + ScaledForWindow(hwnd_, 2) : 0));
    RECT format{layout.format.left, layout.format.top, layout.format.right, layout.format.bottom};
    Standard(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
}

void TMEdit::ClickButton() {
    ReadEdit();
    if (behavior_.ButtonClickTakesFocus() && GetFocus() != hwnd_) SetFocus(hwnd_);
    ReadEdit();
    const edit::ButtonClickStart start = behavior_.BeginButtonClick();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (start.open_pick_list) {
        PickListResult result;
        if (pick_list_popup_) {
            const edit::EditSettings& s = behavior_.settings();
            PickListRequest request;
            request.field = hwnd_;
            request.items = s.combo_box.Items;
            request.current_text = behavior_.state().text;
            request.drop_down_count = start.drop_down_count;
            request.sorted = s.combo_box.Sorted;
            request.close_if_mouse_leave = s.combo_box.CloseIfMouseLeave;
            request.font = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
            result = pick_list_popup_(request);
        }
        ReadEdit();
        behavior_.PickListClosed(result.accepted, result.value);
        WriteEdit();
    }
    if (on_click_button) {
        on_click_button(*this);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    behavior_.EndButtonClick();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace zerkon
