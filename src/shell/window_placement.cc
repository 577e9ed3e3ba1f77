#include "shell/window_placement.h"

namespace zerkon {

WindowPlacement PlaceWindow(int width, int height, int x, int y, const ScreenRect& owner,
                            int work_area_height, bool windows_major6, int dpi) {
    WindowPlacement placement{x, y, width, height, false};
    if (placement.height > work_area_height) {
        placement.resizable = true;
        placement.height = work_area_height - ScaleToDpi(100, dpi);
        placement.width += ScaleToDpi(windows_major6 ? 27 : 20, dpi);
    }
    if (x == 0 && y == 0) {
        placement.left = owner.left + ((owner.right - owner.left) - placement.width) / 2;
        placement.top = owner.top + ((owner.bottom - owner.top) - placement.height) / 2;
        if (placement.top < 0) placement.top = 0;
    }
    return placement;
}

}  // namespace zerkon
