#include "platform/system_info.h"

#include <windows.h>

namespace zerkon {

WindowsVersion RunningWindowsVersion() {
    // GetVersionEx reports what the manifest claims compatibility with; RtlGetVersion tells the
    // truth.
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
        auto rtl_get_version = reinterpret_cast<RtlGetVersionFunction>(
            reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
        if (rtl_get_version != nullptr && rtl_get_version(&info) == 0) {
            return {static_cast<int>(info.dwMajorVersion), static_cast<int>(info.dwMinorVersion)};
        }
    }
    return {};
}

int WorkAreaHeight() {
    RECT work_area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work_area, 0)) {
        return GetSystemMetrics(SM_CYSCREEN);
    }
    return work_area.bottom;
}

}  // namespace zerkon
