// Stand-in of one of the maker's other programs (the payroll program RALwin, DEBwin, ORMwin) for
// the tests: a top-level window of the class named on the command line ("TFormRalWin", ...)
// that does nothing until it is closed.

#include <windows.h>

#include <string>

namespace {

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int show) {
    const std::wstring class_name = command_line;
    if (class_name.empty()) return 2;
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = HostProc;
    window_class.hInstance = instance;
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = class_name.c_str();
    RegisterClassW(&window_class);
    HWND window =
        CreateWindowW(class_name.c_str(), class_name.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 320, 160, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
