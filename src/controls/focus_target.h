#pragma once
// An explicit navigation target of a control (FocusControl) as the window sees it now; a target
// that is not assigned, enabled and visible is passed over in favour of the tab order.

namespace zerkon {

struct FocusTargetState {
    bool assigned = false;
    bool enabled = false;
    bool visible = false;
    bool usable() const { return assigned && enabled && visible; }
};

}  // namespace zerkon
