#pragma once
// Ending another window's program (or this one) by its window class.

#include <string_view>

namespace zerkon {

// Finds the top-level window of that class (Windows-1250 name) and posts WM_QUIT to it, which
// ends the message loop of its thread; does nothing when there is none. The ELDP form ends the
// whole program this way with "TFormZerkon". Windows only (win32/close_window.cc).
void CloseWindowByClass(std::string_view class_name);

}  // namespace zerkon
