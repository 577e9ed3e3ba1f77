#include "shell/windows_version.h"

namespace zerkon {

bool IsOldWindowsForHttps(WindowsVersion version) {
    if (version.major >= 3 && version.major <= 5) return true;
    return version.major == 6 && version.minor == 0;
}

bool IsWindows95(WindowsVersion version) {
    return version.major == 4 && version.minor == 0;
}

bool IsWindowsMajor6(WindowsVersion version) {
    return version.major == 6;
}

}  // namespace zerkon
