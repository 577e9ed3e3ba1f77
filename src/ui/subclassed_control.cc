#include "ui/subclassed_control.h"

namespace zerkon {
namespace {

constexpr wchar_t kControlProperty[] = L"Zerkon.Control";

}  // namespace

SubclassedControl::~SubclassedControl() {
    Detach();
}

SubclassedControl* SubclassedControl::FromWindow(HWND window) {
    return static_cast<SubclassedControl*>(GetPropW(window, kControlProperty));
}

void SubclassedControl::Subclass(HWND window) {
    hwnd_ = window;
    if (!window) return;
    SetPropW(window, kControlProperty, static_cast<HANDLE>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
}

void SubclassedControl::Detach() {
    if (!original_ || !IsWindow(hwnd_)) return;
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropW(hwnd_, kControlProperty);
    original_ = nullptr;
}

LRESULT SubclassedControl::Standard(UINT message, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcW(original_, hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK SubclassedControl::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    SubclassedControl* control = FromWindow(window);
    if (!control) return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        const WNDPROC original = control->original_;
        control->Detach();
        return CallWindowProcW(original, window, message, wparam, lparam);
    }
    return control->Handle(message, wparam, lparam);
}

}  // namespace zerkon
