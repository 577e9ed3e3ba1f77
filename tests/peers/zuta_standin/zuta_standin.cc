// Stand-in of the update program Zuta for the tests and the demo: a top-level window of class
// "TFormZuta" that writes the bytes of every WM_COPYDATA it receives to update_request.bin beside
// its executable (the last one wins) and shows how many it has received.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::wstring RequestFile() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring file(path);
    return file.substr(0, file.find_last_of(L'\\') + 1) + L"update_request.bin";
}

int received = 0;

LRESULT CALLBACK ZutaProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COPYDATA: {
            auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
            std::ofstream out(std::filesystem::path(RequestFile()),
                              std::ios::binary | std::ios::trunc);
            out.write(static_cast<const char*>(copy->lpData), copy->cbData);
            ++received;
            // Where the caller asked the window to appear: X and Y at offsets 8 and 12.
            if (copy->cbData >= 16) {
                const auto* bytes = static_cast<const unsigned char*>(copy->lpData);
                auto at = [&](int offset) {
                    return static_cast<int>(bytes[offset] | (bytes[offset + 1] << 8) |
                                            (bytes[offset + 2] << 16) |
                                            (static_cast<unsigned>(bytes[offset + 3]) << 24));
                };
                SetWindowPos(window, HWND_TOP, at(8), at(12), 0, 0, SWP_NOSIZE);
            }
            SetWindowTextW(window, (L"Zuta - " + std::to_wstring(received)).c_str());
            return TRUE;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = ZutaProc;
    window_class.hInstance = instance;
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = L"TFormZuta";
    RegisterClassW(&window_class);
    HWND window = CreateWindowW(L"TFormZuta", L"Zuta", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 320, 160, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
