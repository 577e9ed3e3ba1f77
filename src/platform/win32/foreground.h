#pragma once
// Bringing a window (of this or another program) to the front.

#include <windows.h>

namespace zerkon {

// Restores the window if minimised and brings it to the foreground, joining the input of the
// current foreground thread for the call as Windows requires.
void BringWindowToForeground(HWND window);

}  // namespace zerkon
