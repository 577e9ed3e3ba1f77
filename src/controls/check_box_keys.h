#pragma once
// Keys on the buttons and check boxes of a data-entry form. The fields move on with Enter and
// the arrows (KeyLikeTab); so do the check boxes, so that a row of month boxes is typed through
// like the fields around it, and Space ticks the focused box. The buttons take Enter themselves
// (it presses them) and move on with the arrows.

#include "controls/edit_behavior.h"

namespace zerkon {

// Down, Right and Enter move to the next control in tab order, Up and Left to the previous one.
edit::FocusMove CheckBoxKeyMove(int key);
// The same for a button, without Enter.
edit::FocusMove ButtonKeyMove(int key);

}  // namespace zerkon
