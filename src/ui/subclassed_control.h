#pragma once
// The one way the program's controls subclass a standard control window: the C++ object is
// attached to its window through a window property, every message goes to its Handle(), and
// Standard() passes a message on to the window's original procedure. Detached again when the
// object goes (the window may outlive it) or the window is destroyed.

#include <windows.h>

namespace zerkon {

class SubclassedControl {
  public:
    SubclassedControl() = default;
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;
    virtual ~SubclassedControl();

    HWND hwnd() const { return hwnd_; }

    // The control attached to a window, or nullptr.
    static SubclassedControl* FromWindow(HWND window);

  protected:
    void Subclass(HWND window);
    virtual LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) = 0;
    LRESULT Standard(UINT message, WPARAM wparam, LPARAM lparam);

    HWND hwnd_ = nullptr;

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void Detach();

    WNDPROC original_ = nullptr;
};

}  // namespace zerkon
