#include "platform/ui_feedback.h"

#include <windows.h>

namespace zerkon {
namespace {

class Win32UiFeedback final : public UiFeedback {
  public:
    // IDC_WAIT and IDC_ARROW, spelled for the wide API.
    void ShowBusyCursor() override { SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514))); }
    void ShowDefaultCursor() override { SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))); }
    void Wait(int milliseconds) override {
        if (milliseconds > 0) Sleep(static_cast<DWORD>(milliseconds));
    }
};

}  // namespace

UiFeedback& SystemUiFeedback() {
    static Win32UiFeedback feedback;
    return feedback;
}

}  // namespace zerkon
