#pragma once
// Tests of the Windows version that other parts of the program rely on. Only the major and minor
// numbers count.

#include "platform/system_info.h"

namespace zerkon {

// Windows 3.x to XP/2003 (5.x) and Vista (6.0): too old for the https download.
bool IsOldWindowsForHttps(WindowsVersion version);
// Exactly 4.0 (Windows 95, and NT 4.0 which reports the same numbers).
bool IsWindows95(WindowsVersion version);
bool IsWindowsMajor6(WindowsVersion version);
// For the running Windows: IsWindows95(RunningWindowsVersion()).

}  // namespace zerkon
