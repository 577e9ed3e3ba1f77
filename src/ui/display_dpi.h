#pragma once
// The DPI of the program's windows and the fonts drawn at it.
//
// Every window is laid out from its tables in the pixels of a 96-DPI display and then scaled to
// its own DPI by the rule of common/dpi_scale.h (WindowBase does it for its windows). A window's
// DPI is the one it was last laid out for; controls ask for it with WindowDpi. The Win32 calls
// that take a DPI came with Windows 10 (1607); they are looked up at run time, and without them
// every window is drawn at the system DPI.
//
// Fonts: UiFont makes each font of the program once per DPI; FontAtDpi finds the same font at
// another DPI, so that laying a window out again gives every control its font at the new DPI.

#include <windows.h>

#include "common/dpi_scale.h"

namespace zerkon {

// The DPI of the screen the program starts on.
int SystemDpi();
// The DPI Windows gives the window (that of its monitor), or the system DPI.
int MonitorDpi(HWND window);
// The DPI the window's top-level window is laid out for; without one, its MonitorDpi.
int WindowDpi(HWND window);
// Records the DPI a top-level window is laid out for.
void SetWindowLayoutDpi(HWND top_level, int dpi);
// 96-DPI pixels at the window's DPI.
int ScaledForWindow(HWND window, int pixels);
// AdjustWindowRectEx for a DPI (the frame and caption at that DPI where Windows can tell).
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD ex_style, int dpi);

// The program's fonts: "MS Sans Serif" of a height at 96 DPI (LOGFONT sense), normal or bold.
struct FontSpec {
    int height = -11;
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};
// Made at the first call for the style and the DPI, alive for the whole run.
HFONT UiFont(FontSpec style, int dpi);
// The font of the same style at `dpi`; a font that UiFont did not make is returned as it is.
HFONT FontAtDpi(HFONT font, int dpi);

// Marks for the layout step of a window (WindowBase): a label that is sized to its text takes
// the size of its text in the new font; a control placed by its owner's code (a labelled edit's
// caption, a control laid out from the client area) is not moved by the step.
void MarkSizedToText(HWND control);
bool IsSizedToText(HWND control);
void MarkPlacedByOwner(HWND control);
bool IsPlacedByOwner(HWND control);

}  // namespace zerkon
