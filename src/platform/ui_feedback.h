#pragma once
// The short blocking waits and the busy cursor of the user-interface thread.

namespace zerkon {

class UiFeedback {
  public:
    virtual ~UiFeedback() = default;
    virtual void ShowBusyCursor() = 0;
    virtual void ShowDefaultCursor() = 0;
    // Blocks the calling thread for that many milliseconds.
    virtual void Wait(int milliseconds) = 0;
};

// The mouse cursor and Sleep of the calling thread (Windows only; win32/ui_feedback.cc).
UiFeedback& SystemUiFeedback();

}  // namespace zerkon
