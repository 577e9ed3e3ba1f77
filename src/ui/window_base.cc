#include "ui/window_base.h"

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "ui/coloured_control.h"
#include "ui/speed_button.h"

namespace zerkon {

WindowBase::~WindowBase() {
    if (hwnd_ != nullptr && IsWindow(hwnd_)) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool WindowBase::Create(const CreateOptions& options) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExW(instance, options.class_name, &existing)) {
        WNDCLASSEXW window_class{};
        window_class.cbSize = sizeof(window_class);
        window_class.lpfnWndProc = WindowProc;
        window_class.hInstance = instance;
        window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        window_class.hbrBackground =
            options.background ? options.background : GetSysColorBrush(COLOR_BTNFACE);
        window_class.lpszClassName = options.class_name;
        window_class.hIcon = options.icon;
        window_class.hIconSm = options.icon;
        if (!RegisterClassExW(&window_class)) return false;
    }
    RECT rect{0, 0, options.client_width, options.client_height};
    AdjustWindowRectEx(&rect, options.style, FALSE, options.ex_style);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int left = CW_USEDEFAULT;
    int top = CW_USEDEFAULT;
    if (options.centre_on_screen) {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    CreateWindowExW(options.ex_style, options.class_name, Wide(options.caption).c_str(),
                    options.style, left, top, width, height, options.owner, nullptr, instance,
                    this);
    return hwnd_ != nullptr;
}

LRESULT WindowBase::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_DRAWITEM:
            if (DrawSpeedButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam))) return TRUE;
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
            if (HBRUSH brush = ControlBackgroundBrush(reinterpret_cast<HWND>(lparam),
                                                      reinterpret_cast<HDC>(wparam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            if (message == WM_CTLCOLORSTATIC) {
                // Labels stand on the window's own background.
                SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
                return GetClassLongPtrW(hwnd_, GCLP_HBRBACKGROUND);
            }
            break;
        default:
            break;
    }
    if (message == WM_ACTIVATE) {
        if (LOWORD(wparam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd_, focus)) last_focus_ = focus;
        } else if (last_focus_ && IsWindow(last_focus_) && IsWindowVisible(last_focus_) &&
                   IsWindowEnabled(last_focus_)) {
            SetFocus(last_focus_);
            return 0;
        }
    }
    return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void WindowBase::CentreOver(HWND owner) {
    RECT own{};
    GetWindowRect(hwnd_, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT area = work;
    if (owner && !IsIconic(owner)) GetWindowRect(owner, &area);
    int left = area.left + (area.right - area.left - width) / 2;
    int top = area.top + (area.bottom - area.top - height) / 2;
    left =
        std::max(static_cast<int>(work.left), std::min(left, static_cast<int>(work.right) - width));
    top =
        std::max(static_cast<int>(work.top), std::min(top, static_cast<int>(work.bottom) - height));
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK WindowBase::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    WindowBase* self = nullptr;
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
        self = static_cast<WindowBase*>(create->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    LRESULT result = self->HandleMessage(message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

void RunModal(HWND window, HWND owner) {
    if (owner != nullptr) EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    MSG message;
    bool quit = false;
    int exit_code = 0;
    while (IsWindow(window) && IsWindowVisible(window)) {
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            quit = true;
            exit_code = static_cast<int>(message.wParam);
            break;
        }
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (owner != nullptr) {
        EnableWindow(owner, TRUE);
        // A minimised owner (the ELDP mode) stays as it is: its next activation is the user's.
        if (!IsIconic(owner)) SetActiveWindow(owner);
    }
    if (quit) PostQuitMessage(exit_code);
}

const UiFonts& Fonts() {
    static const UiFonts fonts = [] {
        auto make = [](int weight) {
            return CreateFontW(-11, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
        };
        return UiFonts{make(FW_NORMAL), make(FW_BOLD)};
    }();
    return fonts;
}

HWND CreateChild(HWND parent, const wchar_t* class_name, int id, std::string_view text, DWORD style,
                 int left, int top, int width, int height, DWORD ex_style) {
    HWND child =
        CreateWindowExW(ex_style, class_name, Wide(text).c_str(), WS_CHILD | style, left, top,
                        width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(Fonts().normal), FALSE);
    return child;
}

HWND CreateLabel(HWND parent, int id, std::string_view text, int left, int top, HFONT font) {
    std::wstring wide = Wide(text);
    HDC dc = GetDC(parent);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(parent, dc);
    HWND label = CreateChild(parent, L"STATIC", id, text, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, left,
                             top, size.cx, size.cy);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return label;
}

void SetText(HWND window, std::string_view text) {
    SetWindowTextW(window, Wide(text).c_str());
}

}  // namespace zerkon
