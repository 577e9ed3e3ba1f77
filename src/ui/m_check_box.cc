#include "ui/m_check_box.h"

#include "controls/check_box_keys.h"

namespace zerkon {

TMCheckBox::TMCheckBox(HWND parent, const CheckBoxOptions& options) : colour_(options.colour) {
    const RECT& r = options.place;
    Subclass(CreateWindowExW(0, L"BUTTON", L"",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, r.left, r.top,
                             r.right - r.left, r.bottom - r.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(options.id)),
                             GetModuleHandleW(nullptr), nullptr));
}

bool TMCheckBox::Checked() const {
    return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TMCheckBox::SetChecked(bool checked) {
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

ControlColour TMCheckBox::Background() const {
    return GetFocus() == hwnd_ ? kColourLightYellow : colour_;
}

LRESULT TMCheckBox::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_GETDLGCODE: {
            LRESULT code = Standard(message, wparam, lparam) | DLGC_WANTARROWS;
            auto* msg = reinterpret_cast<const MSG*>(lparam);
            if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
                code |= DLGC_WANTMESSAGE;
            }
            return code;
        }
        case WM_KEYDOWN: {
            const edit::FocusMove move = CheckBoxKeyMove(static_cast<int>(wparam));
            if (move == edit::FocusMove::None) break;
            const bool previous = move == edit::FocusMove::Previous;
            HWND next = previous ? key_previous : key_next;
            if (!next) next = GetNextDlgTabItem(GetParent(hwnd_), hwnd_, previous ? TRUE : FALSE);
            if (next) SetFocus(next);
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            const LRESULT result = Standard(message, wparam, lparam);
            InvalidateRect(hwnd_, nullptr, TRUE);
            return result;
        }
        default:
            break;
    }
    return Standard(message, wparam, lparam);
}

}  // namespace zerkon
