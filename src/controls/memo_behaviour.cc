#include "controls/memo_behaviour.h"

namespace zerkon {

void MemoBehaviour::Load(ControlColour colour, bool enabled) {
    normal_colour_ = colour;
    colour_ = enabled ? colour : settings_.color_on_disabled;
}

void MemoBehaviour::Enter() {
    has_focus_ = true;
    if (settings_.color_on_focus_active) colour_ = settings_.color_on_focus;
}

void MemoBehaviour::Exit() {
    has_focus_ = false;
    if (settings_.color_on_focus_active) colour_ = normal_colour_;
}

void MemoBehaviour::AfterPaint(bool enabled) {
    if (!enabled) {
        colour_ = settings_.color_on_disabled;
    } else if (!has_focus_) {
        colour_ = normal_colour_;
    }
}

bool MemoBehaviour::KeyDown(MemoHost& host, int key) {
    const bool withheld_tab = key == vk::kTab && !settings_.key_tab_on_key_press;
    if (!withheld_tab && settings_.key_first_inherited) host.StandardKeyDown(key);

    if (settings_.key_arrow_exit && (key == vk::kUp || key == vk::kDown)) {
        const int line = host.CaretLine();
        if (key == vk::kUp && line == 0) {
            Leave(host, false);
            return true;
        }
        if (key == vk::kDown && line >= host.LineCount() - 1) {
            Leave(host, true);
            return true;
        }
    }

    if (!withheld_tab && !settings_.key_first_inherited) host.StandardKeyDown(key);
    return withheld_tab;
}

bool MemoBehaviour::KeyPress(MemoHost& host, char ch) {
    if (ch == '\t' && !settings_.key_tab_on_key_press) {
        // Shift+Tab too goes forward: the memo looks at the character only.
        host.FocusNextInTabOrder();
        return true;
    }
    return false;
}

void MemoBehaviour::Leave(MemoHost& host, bool forward) {
    const FocusTarget which = forward ? FocusTarget::Down : FocusTarget::Up;
    const FocusTargetState target = host.Target(which);
    if (target.assigned && target.enabled && target.visible) {
        host.FocusTargetControl(which);
    } else if (forward) {
        host.FocusNextInTabOrder();
    } else {
        host.FocusPreviousInTabOrder();
    }
}

}  // namespace zerkon
