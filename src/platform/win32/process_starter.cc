#include "platform/process_starter.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace zerkon {
namespace {

class Win32ProcessStarter final : public ProcessStarter {
  public:
    bool Start(std::string_view command_line) override {
        std::wstring wide = Wide(command_line);
        std::vector<wchar_t> buffer(wide.begin(), wide.end());
        buffer.push_back(L'\0');  // CreateProcessW may write into the command line
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            return false;
        }
        // Like WinExec: let the program open its window before the caller looks for it.
        WaitForInputIdle(process.hProcess, 5000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return true;
    }
};

}  // namespace

ProcessStarter& SystemProcessStarter() {
    static Win32ProcessStarter starter;
    return starter;
}

}  // namespace zerkon
