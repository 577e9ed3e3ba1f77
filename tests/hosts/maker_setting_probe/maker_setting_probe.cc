// Test host: shows ReadMakerSetting(sub-key, "", value name) of the machine's registry, read the
// way zerkon.exe reads it, as the text of an edit control (id 100) in a window of class
// "ZerkonMakerSettingProbe". Arguments: the sub-key (e.g. \RAL) and the value name.
// "Quit" (id 101) posts WM_QUIT through CloseWindowByClass, as the update flow ends Zuta.

#include <windows.h>

#include <string>
#include <vector>

#include "platform/close_window.h"
#include "platform/registry.h"
#include "platform/win32/wide_text.h"
#include "shell/command_line.h"
#include "shell/maker_settings.h"

namespace {

constexpr wchar_t kClass[] = L"ZerkonMakerSettingProbe";

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && LOWORD(wparam) == 101) {
        zerkon::CloseWindowByClass("ZerkonMakerSettingProbe");
        return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    std::vector<std::string> arguments =
        zerkon::SplitCommandLine(zerkon::Narrow(GetCommandLineW()));
    std::string value;
    if (arguments.size() >= 3) {
        value = zerkon::ReadMakerSetting(zerkon::SystemRegistry(), arguments[1], "", arguments[2]);
    }
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = ProbeProc;
    window_class.hInstance = instance;
    window_class.lpszClassName = kClass;
    RegisterClassW(&window_class);
    HWND window = CreateWindowW(kClass, L"probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 120,
                                nullptr, nullptr, instance, nullptr);
    CreateWindowW(L"EDIT", zerkon::Wide(value).c_str(), WS_CHILD | WS_VISIBLE, 8, 8, 370, 22,
                  window, reinterpret_cast<HMENU>(100), instance, nullptr);
    CreateWindowW(L"BUTTON", L"Quit", WS_CHILD | WS_VISIBLE, 8, 40, 80, 24, window,
                  reinterpret_cast<HMENU>(101), instance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
