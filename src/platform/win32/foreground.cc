#include "platform/win32/foreground.h"

namespace zerkon {

void BringWindowToForeground(HWND window) {
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    // Windows lets only the foreground thread hand the foreground on: join its input first.
    const DWORD foreground_thread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD own_thread = GetCurrentThreadId();
    const bool attached = foreground_thread != 0 && foreground_thread != own_thread &&
                          AttachThreadInput(own_thread, foreground_thread, TRUE);
    SetForegroundWindow(window);
    BringWindowToTop(window);
    if (attached) AttachThreadInput(own_thread, foreground_thread, FALSE);
}

}  // namespace zerkon
