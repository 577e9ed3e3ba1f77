#pragma once
// Facts about the running Windows that the program's decisions depend on.

namespace zerkon {

struct WindowsVersion {
    int major = 0;
    int minor = 0;
};

// The real version of the running Windows (not the one a compatibility shim reports), and the
// y coordinate of the bottom edge of the desktop work area. Windows only (win32/system_info.cc).
WindowsVersion RunningWindowsVersion();
int WorkAreaHeight();

}  // namespace zerkon
