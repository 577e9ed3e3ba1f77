// Stand-in of the print engine for tests and the demo. It owns a top-level
// window of class "TFormOlbrix" and, instead of printing, records what it is
// given in the folder "received" beside its own exe:
//   starts.txt         one line per start: the command line after the program
//   request-<n>.bin    the bytes of the n-th WM_COPYDATA (n from 1)
//   job-<n>.vrex       a copy of the job file that request names (when it exists)
// Switches: {SW_NOQUIT} keeps it running after a request (otherwise it ends
// after the first one); {SW_ESCMASK} makes it ignore the Escape key.
// It ends by itself once the window that sent the last request is gone, so
// that a finished test run (whose output pipe it inherited) does not wait for it.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/file_helpers.h"
#include "platform/win32/wide_text.h"
#include "print/print_request.h"

namespace {

namespace fs = std::filesystem;

struct StandIn {
    fs::path folder;
    bool no_quit = false;
    bool escape_masked = false;
    int requests = 0;
    std::uint32_t caller = 0;  // the window named in the last request
};

StandIn g_stand_in;

fs::path ExeFolder() {
    std::wstring buffer(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), buffer.size());
    buffer.resize(length);
    return fs::path(buffer).parent_path();
}

// The command line after the program token (quoted or not) and its blank.
std::wstring Arguments() {
    const wchar_t* line = GetCommandLineW();
    if (*line == L'"') {
        ++line;
        while (*line && *line != L'"') ++line;
        if (*line) ++line;
    } else {
        while (*line && *line != L' ' && *line != L'\t') ++line;
    }
    if (*line == L' ' || *line == L'\t') ++line;
    return line;
}

void RecordRequest(const COPYDATASTRUCT& copy) {
    const int n = ++g_stand_in.requests;
    const auto* bytes = static_cast<const char*>(copy.lpData);
    const std::wstring suffix = std::to_wstring(n);
    std::ofstream(g_stand_in.folder / (L"request-" + suffix + L".bin"), std::ios::binary)
        .write(bytes, copy.cbData);
    if (copy.cbData != zerkon::kPrintRequestSize) return;
    const auto fields =
        zerkon::ReadPrintRequest(std::span<const std::uint8_t, zerkon::kPrintRequestSize>(
            static_cast<const std::uint8_t*>(copy.lpData), zerkon::kPrintRequestSize));
    const fs::path job = zerkon::PathFromText(fields.job_folder + fields.job_file_name);
    std::error_code ec;
    fs::copy_file(job, g_stand_in.folder / (L"job-" + suffix + L".vrex"),
                  fs::copy_options::overwrite_existing, ec);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
    switch (message) {
        case WM_COPYDATA:
            RecordRequest(*reinterpret_cast<const COPYDATASTRUCT*>(l_param));
            if (!g_stand_in.no_quit) PostMessageW(window, WM_CLOSE, 0, 0);
            return TRUE;
        case WM_KEYDOWN:
            if (w_param == VK_ESCAPE && !g_stand_in.escape_masked) {
                PostMessageW(window, WM_CLOSE, 0, 0);
                return 0;
            }
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            const std::wstring text =
                L"Tiskový manažer (zkušební): přijato úloh " + std::to_wstring(g_stand_in.requests);
            TextOutW(dc, 10, 10, text.c_str(), static_cast<int>(text.size()));
            EndPaint(window, &paint);
            return 0;
        }
        case WM_TIMER: {
            // Window handles carry 32 significant bits, sign-extended.
            const auto caller = reinterpret_cast<HWND>(
                static_cast<std::intptr_t>(static_cast<std::int32_t>(g_stand_in.caller)));
            if (g_stand_in.caller != 0 && !IsWindow(caller)) PostMessageW(window, WM_CLOSE, 0, 0);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, w_param, l_param);
}

// Standard handles inherited from whoever started the program that started us
// (a test runner's output pipe) would keep that pipe open while we run on.
void ReleaseStandardHandles() {
    for (DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        HANDLE handle = GetStdHandle(which);
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
        SetStdHandle(which, nullptr);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    ReleaseStandardHandles();
    g_stand_in.folder = ExeFolder() / L"received";
    std::error_code ec;
    fs::create_directories(g_stand_in.folder, ec);
    const std::wstring arguments = Arguments();
    g_stand_in.no_quit = arguments.find(L"{SW_NOQUIT}") != std::wstring::npos;
    g_stand_in.escape_masked = arguments.find(L"{SW_ESCMASK}") != std::wstring::npos;
    std::ofstream(g_stand_in.folder / L"starts.txt", std::ios::binary | std::ios::app)
        << zerkon::Narrow(arguments) << "\r\n";

    WNDCLASSW window_class{};
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = L"TFormOlbrix";
    if (!RegisterClassW(&window_class)) return 1;
    HWND window = CreateWindowExW(0, L"TFormOlbrix", L"Olbrix", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 420, 120, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    SetTimer(window, 1, 500, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
