#pragma once
// The pop-up list of a pick-list field: a captionless window with a dialog
// frame under the field (or above it near the bottom of the work area) that
// holds a list box of the items. It runs modally until Enter or a double click
// accepts the selected row, or Escape, a right click or (when asked) the mouse
// leaving the list cancels. The rules live in controls/combo_list.h.

#include "ui/m_edit.h"

namespace zerkon {

// Opens the pop-up for `request` and returns when it has closed. Returns not
// accepted for an empty item list.
PickListResult ShowPickListPopup(const PickListRequest& request);

// Makes ShowPickListPopup the pop-up that pick-list fields open from their
// side button. Call once at start-up, before any such field is clicked.
void RegisterPickListPopup();

}  // namespace zerkon
