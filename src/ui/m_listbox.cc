#include "ui/m_listbox.h"

namespace zerkon {

TMListBox::TMListBox(HWND parent, const ListBoxOptions& options) : behaviour_(options.settings) {
    DWORD style = WS_CHILD | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY |
                  LBS_NOINTEGRALHEIGHT | options.extra_style;
    if (options.visible) style |= WS_VISIBLE;
    Subclass(CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", style, options.left, options.top,
                             options.width, options.height, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(options.id)),
                             GetModuleHandleW(nullptr), nullptr));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    behaviour_.Load(options.colour, IsWindowEnabled(hwnd_) != FALSE);
}

ListBoxItems TMListBox::Items() const {
    const int count = static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0));
    if (count <= 0) return {};
    // LB_GETSEL is per item, so a multi-selection list answers too.
    auto selected = [this](int index) { return SendMessageW(hwnd_, LB_GETSEL, index, 0) > 0; };
    return {count, selected(0), selected(count - 1)};
}

void TMListBox::MoveFocus(bool previous) {
    HWND next = GetNextDlgTabItem(GetParent(hwnd_), hwnd_, previous ? TRUE : FALSE);
    if (next) SetFocus(next);
}

LRESULT TMListBox::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_GETDLGCODE: {
            LRESULT code = Standard(message, wparam, lparam) | DLGC_WANTARROWS;
            // Enter belongs to the list when it moves like Down.
            auto* msg = reinterpret_cast<MSG*>(lparam);
            if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN &&
                behaviour_.settings().key_down_up && behaviour_.settings().key_enter) {
                code |= DLGC_WANTMESSAGE;
            }
            return code;
        }
        case WM_KEYDOWN: {
            const ListBoxKeyResult result = behaviour_.KeyDown(static_cast<int>(wparam), Items());
            if (result.move == ListBoxFocusMove::Next) {
                MoveFocus(false);
                return 0;
            }
            if (result.move == ListBoxFocusMove::Previous) {
                MoveFocus(true);
                return 0;
            }
            return Standard(message, static_cast<WPARAM>(result.standard_key), lparam);
        }
        case WM_KEYUP:
            behaviour_.KeyUp(static_cast<int>(wparam));
            return Standard(message, wparam, lparam);
        case WM_SETFOCUS: {
            const LRESULT result = Standard(message, wparam, lparam);
            behaviour_.Enter();
            return Entered(result, on_enter);
        }
        case WM_KILLFOCUS: {
            behaviour_.Exit();
            InvalidateRect(hwnd_, nullptr, TRUE);
            const LRESULT result = Standard(message, wparam, lparam);
            if (on_exit) on_exit();
            return result;
        }
        default:
            return Standard(message, wparam, lparam);
    }
}

}  // namespace zerkon
