#pragma once
// Where a text window appears: its size, shrunk to the desktop work area when
// it is too tall, and its position centred over its owner.

#include "common/dpi_scale.h"

namespace zerkon {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool resizable = false;
};

// width/height: the window's outer size. A window taller than the work area
// becomes resizable, work_area_height - 100 high and 27 pixels wider on
// Windows 6.x (20 otherwise). x = y = 0 centres it over `owner`; other values
// place its top-left corner there. The window is kept from starting above the
// screen's top edge. The 100, 27 and 20 pixels are 96-DPI pixels, scaled to the
// window's `dpi` (common/dpi_scale.h); the other sizes are the window's own.
WindowPlacement PlaceWindow(int width, int height, int x, int y, const ScreenRect& owner,
                            int work_area_height, bool windows_major6, int dpi = kDesignDpi);

}  // namespace zerkon
