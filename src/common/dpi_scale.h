#pragma once
// The one rule by which the program's layouts follow a display's DPI. Every window is laid out in
// the pixels of a 96-DPI display (its tables); on a display of another DPI every length is
// multiplied by dpi / 96 and rounded to the nearest pixel, halves away from zero (as Windows'
// MulDiv rounds). A rectangle scales by its edges, so that controls that touch or line up at
// 96 DPI still touch or line up; its width may therefore differ by one pixel from the width
// scaled alone. At 96 DPI every length stays as it is.

namespace zerkon {

inline constexpr int kDesignDpi = 96;

// A DPI of 0 or less (not known) counts as 96.
int UsableDpi(int dpi);

// length * dpi / 96, rounded to the nearest pixel, halves away from zero.
int ScaleToDpi(int length, int dpi);

// A font height as a LOGFONT holds it (negative: the characters' height in pixels), by the
// same rule: -11 is -14 at 120 DPI and -17 at 144 DPI.
int ScaleFontHeight(int height, int dpi);

struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const LayoutRect&) const = default;
};

// Each edge scaled: the right edge is the scaled left + width, the bottom the scaled top + height.
LayoutRect ScaleRectToDpi(const LayoutRect& rect, int dpi);

}  // namespace zerkon
