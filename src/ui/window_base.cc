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

namespace {

// The control's rectangle in its parent's client area.
RECT PlaceInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The size of a control's text in its font.
SIZE TextSize(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), length, &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

}  // namespace

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
    dpi_ = options.owner ? WindowDpi(options.owner) : SystemDpi();
    design_client_ = {options.client_width, options.client_height};
    style_ = options.style;
    ex_style_ = options.ex_style;
    SIZE size = OuterSize(dpi_);
    int left = CW_USEDEFAULT;
    int top = CW_USEDEFAULT;
    if (options.centre_on_screen) {
        left = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
    }
    CreateWindowExW(options.ex_style, options.class_name, Wide(options.caption).c_str(),
                    options.style, left, top, size.cx, size.cy, options.owner, nullptr, instance,
                    this);
    if (hwnd_ == nullptr) return false;
    // A window of a per-monitor aware program takes the DPI of the monitor it lands on.
    const int monitor_dpi = MonitorDpi(hwnd_);
    if (monitor_dpi != dpi_) {
        RECT frame{};
        GetWindowRect(hwnd_, &frame);
        dpi_ = monitor_dpi;
        size = OuterSize(dpi_);
        SetWindowPos(hwnd_, nullptr, (frame.left + frame.right - size.cx) / 2,
                     (frame.top + frame.bottom - size.cy) / 2, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowLayoutDpi(hwnd_, dpi_);
    FitClientArea();
    return true;
}

SIZE WindowBase::ClientSize(int dpi) const {
    return {ScaleToDpi(design_client_.cx, dpi), ScaleToDpi(design_client_.cy, dpi)};
}

// Where the frame drawn differs from what Windows computed for the DPI (Wine draws every frame at
// the system DPI), the window grows or shrinks by the difference.
void WindowBase::FitClientArea() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const SIZE wanted = ClientSize(dpi_);
    if (client.right == wanted.cx && client.bottom == wanted.cy) return;
    RECT frame{};
    GetWindowRect(hwnd_, &frame);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left + wanted.cx - client.right,
                 frame.bottom - frame.top + wanted.cy - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE WindowBase::OuterSize(int dpi) const {
    const SIZE client = ClientSize(dpi);
    RECT rect{0, 0, client.cx, client.cy};
    AdjustWindowRectForDpi(rect, style_, ex_style_, dpi);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The one scaling step: every control from its place in the table (recorded the first time,
// before anything was scaled) and its font, to the window's DPI.
void WindowBase::ScaleLayout() {
    bool changed = false;
    // Fonts first: a label sized to its text, and a labelled edit's caption, measure in them.
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
        const HFONT scaled = FontAtDpi(font, dpi_);
        if (scaled == font) continue;
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), FALSE);
        changed = true;
    }
    if (!laid_out_) {
        laid_out_ = true;
        for (HWND child = GetWindow(hwnd_, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (IsPlacedByOwner(child)) continue;
            const RECT r = PlaceInParent(child);
            design_places_.push_back(
                {child, {r.left, r.top, r.right - r.left, r.bottom - r.top}, IsSizedToText(child)});
        }
    }
    for (const DesignPlace& design : design_places_) {
        if (!IsWindow(design.control)) continue;
        LayoutRect place = ScaleRectToDpi(design.place, dpi_);
        if (design.sized_to_text) {
            const SIZE size = TextSize(design.control);
            place.width = size.cx;
            place.height = size.cy;
        }
        const RECT now = PlaceInParent(design.control);
        if (now.left == place.left && now.top == place.top && now.right - now.left == place.width &&
            now.bottom - now.top == place.height) {
            continue;
        }
        SetWindowPos(design.control, nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        changed = true;
    }
    LayOutOwnControls();
    if (changed) {
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

// The window keeps its place (Windows suggests one on the new display) and takes the size of
// its table at the new DPI; a window that the user may size keeps the suggested size.
void WindowBase::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = UsableDpi(dpi);
    SetWindowLayoutDpi(hwnd_, dpi_);
    const bool sizable = (GetWindowLongW(hwnd_, GWL_STYLE) & WS_THICKFRAME) != 0;
    SIZE size{suggested.right - suggested.left, suggested.bottom - suggested.top};
    if (!sizable) size = OuterSize(dpi_);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (!sizable) FitClientArea();
    ScaleLayout();
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
        case WM_SHOWWINDOW:
            if (wparam && !laid_out_) ScaleLayout();
            break;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
            return 0;
        case WM_GETDPISCALEDSIZE:
            if (GetWindowLongW(hwnd_, GWL_STYLE) & WS_THICKFRAME) break;
            *reinterpret_cast<SIZE*>(lparam) = OuterSize(static_cast<int>(wparam));
            return TRUE;
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
    static const UiFonts fonts{UiFont({.height = -11, .bold = false}, kDesignDpi),
                               UiFont({.height = -11, .bold = true}, kDesignDpi)};
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
    HWND label = CreateChild(parent, L"STATIC", id, text, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, left,
                             top, 0, 0);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const SIZE size = TextSize(label);
    SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    MarkSizedToText(label);
    return label;
}

void SetText(HWND window, std::string_view text) {
    SetWindowTextW(window, Wide(text).c_str());
}

}  // namespace zerkon
