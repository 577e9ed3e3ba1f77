#pragma once
// TMEdit: the program's single-line data-entry control. A standard EDIT,
// subclassed; every decision is taken by EditBehavior (src/controls) and this
// class only forwards the window messages and applies what comes back.

#include <windows.h>

#include <string>

namespace zerkon {

// What a pick-list field hands to the pop-up list when its side button is
// clicked. Texts are Windows-1250 program text.
struct PickListRequest {
    HWND field = nullptr;        // the edit; the pop-up is placed against it
    std::string items;           // the item list, items separated by '|'
    std::string current_text;    // the field's text (preselects its item)
    int drop_down_count = 8;     // as set; the pop-up corrects values outside 1-20
    bool sorted = false;
    bool close_if_mouse_leave = false;
    HFONT font = nullptr;        // the field's font
};

struct PickListResult {
    bool accepted = false;       // closed by Enter or double click with an item selected
    std::string value;           // the chosen item's value when accepted
};

// The pop-up is a separate window module; it registers itself here so that
// the edit does not depend on it. Without a registered pop-up the side button
// of a pick-list field only runs the field's button handler.
using PickListPopupFn = PickListResult (*)(const PickListRequest& request);
void SetPickListPopup(PickListPopupFn popup);
PickListPopupFn GetPickListPopup();

}  // namespace zerkon
