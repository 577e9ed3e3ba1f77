#include "ui/display_dpi.h"

#include <vector>

namespace zerkon {
namespace {

// Window properties named by atoms made once: a property named by an atom may stay on a window
// when it is destroyed without leaving anything behind.
LPCWSTR Property(const wchar_t* name) {
    return MAKEINTATOM(GlobalAddAtomW(name));
}

LPCWSTR LayoutDpiProperty() {
    static const LPCWSTR property = Property(L"Zerkon.Dpi");
    return property;
}

LPCWSTR SizedToTextProperty() {
    static const LPCWSTR property = Property(L"Zerkon.SizedToText");
    return property;
}

LPCWSTR PlacedByOwnerProperty() {
    static const LPCWSTR property = Property(L"Zerkon.PlacedByOwner");
    return property;
}

template <typename Function>
Function User32Function(const char* name) {
    static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

struct MadeFont {
    FontSpec style;
    int dpi;
    HFONT font;
};

std::vector<MadeFont>& MadeFonts() {
    static std::vector<MadeFont> fonts;
    return fonts;
}

}  // namespace

int SystemDpi() {
    static const int dpi = [] {
        using GetDpiForSystemFn = UINT(WINAPI*)();
        if (auto get = User32Function<GetDpiForSystemFn>("GetDpiForSystem")) {
            return UsableDpi(static_cast<int>(get()));
        }
        HDC screen = GetDC(nullptr);
        const int pixels = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return UsableDpi(pixels);
    }();
    return dpi;
}

int MonitorDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto get = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (get && window) {
        if (const UINT dpi = get(window)) return static_cast<int>(dpi);
    }
    return SystemDpi();
}

int WindowDpi(HWND window) {
    HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    if (!root) return SystemDpi();
    if (auto laid_out = reinterpret_cast<INT_PTR>(GetPropW(root, LayoutDpiProperty()))) {
        return static_cast<int>(laid_out);
    }
    return MonitorDpi(root);
}

void SetWindowLayoutDpi(HWND top_level, int dpi) {
    SetPropW(top_level, LayoutDpiProperty(),
             reinterpret_cast<HANDLE>(static_cast<INT_PTR>(UsableDpi(dpi))));
}

int ScaledForWindow(HWND window, int pixels) {
    return ScaleToDpi(pixels, WindowDpi(window));
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD ex_style, int dpi) {
    using AdjustFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = User32Function<AdjustFn>("AdjustWindowRectExForDpi");
    if (adjust && adjust(&rect, style, FALSE, ex_style, static_cast<UINT>(UsableDpi(dpi)))) return;
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
}

HFONT UiFont(FontSpec style, int dpi) {
    dpi = UsableDpi(dpi);
    for (const MadeFont& made : MadeFonts()) {
        if (made.style == style && made.dpi == dpi) return made.font;
    }
    HFONT font =
        CreateFontW(ScaleFontHeight(style.height, dpi), 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL,
                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
    MadeFonts().push_back({style, dpi, font});
    return font;
}

HFONT FontAtDpi(HFONT font, int dpi) {
    for (const MadeFont& made : MadeFonts()) {
        if (made.font == font) return UiFont(made.style, dpi);
    }
    return font;
}

void MarkSizedToText(HWND control) {
    SetPropW(control, SizedToTextProperty(), reinterpret_cast<HANDLE>(1));
}

bool IsSizedToText(HWND control) {
    return GetPropW(control, SizedToTextProperty()) != nullptr;
}

void MarkPlacedByOwner(HWND control) {
    SetPropW(control, PlacedByOwnerProperty(), reinterpret_cast<HANDLE>(1));
}

bool IsPlacedByOwner(HWND control) {
    return GetPropW(control, PlacedByOwnerProperty()) != nullptr;
}

}  // namespace zerkon
