#pragma once
// Top-level windows of other programs, found by window class and sent
// WM_COPYDATA records: how this program talks to the print engine.

#include <cstdint>
#include <span>
#include <string_view>

namespace zerkon {

// A window handle as a number; 0 means "no window".
using WindowHandle = std::uintptr_t;

class WindowMessenger {
  public:
    virtual ~WindowMessenger() = default;
    // The top-level window of that class (any title), or 0 when there is none.
    virtual WindowHandle FindWindowByClass(std::string_view class_name) = 0;
    // Sends WM_COPYDATA (wParam 0, dwData `tag`) and returns once the receiver
    // has handled it. Nothing happens for the window 0.
    virtual void SendCopyData(WindowHandle receiver, std::uintptr_t tag,
                              std::span<const std::uint8_t> data) = 0;
};

// The real windows (Windows only; win32/window_messenger.cc).
WindowMessenger& SystemWindowMessenger();

}  // namespace zerkon
