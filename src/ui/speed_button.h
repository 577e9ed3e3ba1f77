#pragma once
// Flat speed buttons: owner-drawn BUTTON controls that look flat until the mouse is over them
// (then raised; sunken while pressed), with an optional glyph left of the caption and an
// optional hint (tooltip). They report clicks as usual: WM_COMMAND/BN_CLICKED with their id,
// and BM_CLICK works on them. By default they are not reached by Tab; with `tab_stop` they are,
// show a focus rectangle, and Enter or Space presses them.
//
// Usage: create with CreateSpeedButton in the parent's WM_CREATE/creation code, and forward the
// parent's WM_DRAWITEM to DrawSpeedButton (it returns false for items that are not speed
// buttons).

#include <windows.h>

#include <string_view>

namespace zerkon {

// Left, top, width and height in the parent's client area.
struct ControlPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct SpeedButtonOptions {
    int id = 0;
    std::string_view caption = {};  // Windows-1250
    ControlPlace place;
    HICON glyph = nullptr;       // drawn 16 x 16 (at 96 DPI) left of the caption; not owned
    std::string_view hint = {};  // tooltip text; empty for none
    bool visible = true;
    bool enabled = true;
    bool tab_stop = false;
};

HWND CreateSpeedButton(HWND parent, const SpeedButtonOptions& options);
// A glyph of the program's resources for SpeedButtonOptions::glyph, alive for the whole run.
// It is the resource's 16 x 16 icon; a button drawn at a higher DPI draws the same resource's
// icon of the scaled size (an icon not loaded here is stretched).
HICON LoadGlyph(int resource_id);
bool DrawSpeedButton(const DRAWITEMSTRUCT& item);

}  // namespace zerkon
