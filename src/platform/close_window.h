#pragma once
// Ending another program by its main window's class.

#include <string_view>

namespace zerkon {

// Finds the top-level window of that class (Windows-1250 name) and posts WM_QUIT to it, which
// ends the message loop of its thread; does nothing when there is none. The update flow ends a
// running update program Zuta ("TFormZuta") this way before it starts it afresh with this
// program's request. Never used for this program, which ends only through its own main window.
// Windows only (win32/close_window.cc).
void CloseWindowByClass(std::string_view class_name);

}  // namespace zerkon
