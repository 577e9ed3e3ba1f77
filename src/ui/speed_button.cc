#include "ui/speed_button.h"

#include <commctrl.h>

#include <vector>

#include "controls/check_box_keys.h"
#include "platform/win32/wide_text.h"
#include "ui/display_dpi.h"
#include "ui/hint.h"
#include "ui/window_base.h"

namespace zerkon {
namespace {

const wchar_t kGlyphProperty[] = L"Zerkon.SpeedButton.Glyph";
const wchar_t kOldProcProperty[] = L"Zerkon.SpeedButton.Proc";
const wchar_t kHotProperty[] = L"Zerkon.SpeedButton.Hot";

constexpr int kGlyphSize = 16;

struct LoadedGlyph {
    int resource_id;
    int size;
    HICON icon;
};

std::vector<LoadedGlyph>& LoadedGlyphs() {
    static std::vector<LoadedGlyph> glyphs;
    return glyphs;
}

HICON GlyphOfSize(int resource_id, int size) {
    for (const LoadedGlyph& glyph : LoadedGlyphs()) {
        if (glyph.resource_id == resource_id && glyph.size == size) return glyph.icon;
    }
    auto icon =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource_id),
                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (icon) LoadedGlyphs().push_back({resource_id, size, icon});
    return icon;
}

// The glyph's icon for a size: the same resource's, or the glyph itself to be stretched.
HICON GlyphForSize(HICON glyph, int size) {
    for (const LoadedGlyph& loaded : LoadedGlyphs()) {
        if (loaded.icon != glyph) continue;
        if (HICON sized = GlyphOfSize(loaded.resource_id, size)) return sized;
        break;
    }
    return glyph;
}

bool IsSpeedButton(HWND window) {
    return GetPropW(window, kOldProcProperty) != nullptr;
}

void SetHot(HWND button, bool hot) {
    bool was_hot = GetPropW(button, kHotProperty) != nullptr;
    if (hot == was_hot) return;
    if (hot) {
        SetPropW(button, kHotProperty, reinterpret_cast<HANDLE>(1));
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, button, 0};
        TrackMouseEvent(&track);
    } else {
        RemovePropW(button, kHotProperty);
    }
    InvalidateRect(button, nullptr, FALSE);
}

// Enter and the arrows reach a focused speed button instead of the dialog navigation.
LRESULT WantKeys(LRESULT standard, LPARAM lparam) {
    auto* msg = reinterpret_cast<const MSG*>(lparam);
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        standard |= DLGC_WANTMESSAGE;
    }
    return standard | DLGC_WANTARROWS;
}

// Enter presses the focused button; the arrows move on like Tab, as in the form's fields.
bool KeyboardPress(HWND button, int key) {
    if (key == VK_RETURN) {
        SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        return true;
    }
    const edit::FocusMove move = ButtonKeyMove(key);
    if (move == edit::FocusMove::None) return false;
    if (HWND next =
            GetNextDlgTabItem(GetParent(button), button, move == edit::FocusMove::Previous)) {
        SetFocus(next);
    }
    return true;
}

// Follows the mouse for the flat look; everything else goes to the standard button.
LRESULT CALLBACK SpeedButtonProc(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
    auto old_proc = reinterpret_cast<WNDPROC>(GetPropW(button, kOldProcProperty));
    switch (message) {
        case WM_MOUSEMOVE:
            SetHot(button, true);
            break;
        case WM_MOUSELEAVE:
            SetHot(button, false);
            break;
        case WM_GETDLGCODE:
            return WantKeys(CallWindowProcW(old_proc, button, message, wparam, lparam), lparam);
        case WM_KEYDOWN:
            if (KeyboardPress(button, static_cast<int>(wparam))) return 0;
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_proc));
            RemovePropW(button, kOldProcProperty);
            RemovePropW(button, kGlyphProperty);
            RemovePropW(button, kHotProperty);
            break;
        default:
            break;
    }
    return CallWindowProcW(old_proc, button, message, wparam, lparam);
}

}  // namespace

HWND CreateSpeedButton(HWND parent, const SpeedButtonOptions& options) {
    DWORD style = BS_OWNERDRAW | (options.visible ? WS_VISIBLE : 0) |
                  (options.enabled ? 0 : WS_DISABLED) | (options.tab_stop ? WS_TABSTOP : 0);
    const ControlPlace& p = options.place;
    HWND button = CreateChild(parent, L"BUTTON", options.id, options.caption, style, p.left, p.top,
                              p.width, p.height);
    if (button == nullptr) return nullptr;
    if (options.glyph != nullptr) SetPropW(button, kGlyphProperty, options.glyph);
    auto old_proc = GetWindowLongPtrW(button, GWLP_WNDPROC);
    SetPropW(button, kOldProcProperty, reinterpret_cast<HANDLE>(old_proc));
    SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpeedButtonProc));
    if (!options.hint.empty()) SetHint(parent, button, options.hint);
    return button;
}

HICON LoadGlyph(int resource_id) {
    return GlyphOfSize(resource_id, kGlyphSize);
}

bool DrawSpeedButton(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON || !IsSpeedButton(item.hwndItem)) return false;
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    bool pressed = (item.itemState & ODS_SELECTED) != 0;
    bool disabled = (item.itemState & ODS_DISABLED) != 0;
    bool hot = GetPropW(item.hwndItem, kHotProperty) != nullptr;

    // Flat: the window's own background shows through.
    auto background =
        reinterpret_cast<HBRUSH>(GetClassLongPtrW(GetParent(item.hwndItem), GCLP_HBRBACKGROUND));
    FillRect(dc, &rect, background ? background : GetSysColorBrush(COLOR_BTNFACE));
    if (pressed) {
        DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
    } else if (hot && !disabled) {
        DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
    }

    int length = GetWindowTextLengthW(item.hwndItem);
    std::wstring text(length + 1, L'\0');
    GetWindowTextW(item.hwndItem, text.data(), length + 1);
    text.resize(length);

    HGDIOBJ old_font =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SIZE text_size{};
    GetTextExtentPoint32W(dc, text.c_str(), length, &text_size);
    const int dpi = WindowDpi(item.hwndItem);
    const int glyph_size = ScaleToDpi(kGlyphSize, dpi);
    HICON glyph = static_cast<HICON>(GetPropW(item.hwndItem, kGlyphProperty));
    if (glyph) glyph = GlyphForSize(glyph, glyph_size);
    const int spacing = glyph != nullptr && length > 0 ? ScaleToDpi(4, dpi) : 0;
    int content_width = text_size.cx + (glyph != nullptr ? glyph_size + spacing : 0);
    int offset = pressed ? 1 : 0;
    int x = rect.left + (rect.right - rect.left - content_width) / 2 + offset;
    int middle = (rect.top + rect.bottom) / 2 + offset;

    if (glyph != nullptr) {
        if (disabled) {
            DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(glyph), 0, x,
                       middle - glyph_size / 2, glyph_size, glyph_size, DST_ICON | DSS_DISABLED);
        } else {
            DrawIconEx(dc, x, middle - glyph_size / 2, glyph, glyph_size, glyph_size, 0, nullptr,
                       DI_NORMAL);
        }
        x += glyph_size + spacing;
    }
    SetBkMode(dc, TRANSPARENT);
    RECT text_rect{x, middle - text_size.cy / 2, x + text_size.cx, middle + text_size.cy / 2 + 1};
    if (disabled) {
        // The engraved look of disabled text.
        OffsetRect(&text_rect, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, text.c_str(), length, &text_rect, DT_SINGLELINE | DT_NOPREFIX);
        OffsetRect(&text_rect, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    DrawTextW(dc, text.c_str(), length, &text_rect, DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old_font);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -ScaleToDpi(3, dpi), -ScaleToDpi(3, dpi));
        DrawFocusRect(dc, &focus);
    }
    return true;
}

}  // namespace zerkon
