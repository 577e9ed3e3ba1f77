// zerkon.exe: start-up in this order: the shared modules, the single-instance guard (a second
// copy of the same executable activates the first one and ends with exit code 0 before creating
// any window), the main window, the hidden premium overview, and the message loop.
//
// The program ends one way: the main window is destroyed, its WM_DESTROY posts the quit message,
// the loop ends and wWinMain returns; the windows' destructors run, then the guard's, which
// removes this copy from the instance list.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "platform/instance_guard.h"
#include "platform/win32/file_system_win32.h"
#include "ui/main_window.h"
#include "ui/main_window_ids.h"
#include "ui/premium_overview_window.h"

namespace {

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
    zerkon::SingleInstanceGuard instance_guard;
    if (!instance_guard.first()) {
        instance_guard.ActivateFirstCopy(zerkon::kMainWindowClass);
        return 0;
    }

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    zerkon::Win32FileSystem files;
    zerkon::TFormZerkon FormZerkon(files);
    if (!FormZerkon.Create()) return 1;
    zerkon::TFormPrehledPoj FormPrehledPoj;
    FormPrehledPoj.Create(FormZerkon.hwnd());

    ShowWindow(FormZerkon.hwnd(), show_command);
    UpdateWindow(FormZerkon.hwnd());
    return RunMessageLoop();
}
