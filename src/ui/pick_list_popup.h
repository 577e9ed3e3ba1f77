#pragma once
// The pop-up list of a pick-list field: a captionless window with a dialog
// frame under the field (or above it near the bottom of the work area) that
// holds a list box of the items. It runs modally until Enter or a double click
// accepts the selected row, or Escape, a right click or (when asked) the mouse
// leaving the list cancels. The rules live in controls/combo_list.h.

#include "ui/m_edit.h"

namespace zerkon {

// Opens the pop-up for `request` and returns when it has closed. Returns not
// accepted for an empty item list, or while another pop-up is open (there is
// one at a time). The keyboard focus stays in the field (opening the list is
// not leaving the field): while the pop-up is open its loop hands every key
// of the thread to the list and swallows mouse input meant for other windows.
PickListResult ShowPickListPopup(const PickListRequest& request);

// True while a pop-up is open.
bool IsPickListPopupOpen();

}  // namespace zerkon
