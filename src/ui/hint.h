#pragma once
// Hints: the tooltip shown while the mouse rests on a control.

#include <windows.h>

#include <string_view>

namespace zerkon {

// Gives `control` (a child of `parent`) the hint text, or changes it; the tooltip is made at the
// first call. A static control needs SS_NOTIFY to see the mouse.
void SetHint(HWND parent, HWND control, std::string_view text);

}  // namespace zerkon
