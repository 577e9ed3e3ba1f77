#include "controls/list_box_behaviour.h"

namespace zerkon {

CtrlHeldFlag& CtrlHeldFlag::Shared() {
    static CtrlHeldFlag flag;
    return flag;
}

void ListBoxBehaviour::Load(ControlColour colour, bool enabled) {
    // The normal colour is known from the start, so that leaving a list box
    // whose focus colouring is off never paints it with a colour never saved.
    normal_colour_ = colour;
    colour_ = enabled ? colour : settings_.color_on_disabled;
}

void ListBoxBehaviour::Enter() {
    if (!settings_.color_on_focus_active) return;
    normal_colour_ = colour_;
    colour_ = settings_.color_on_focus;
}

void ListBoxBehaviour::Exit() {
    colour_ = normal_colour_;
}

ListBoxKeyResult ListBoxBehaviour::KeyDown(int key, const ListBoxItems& items) {
    if (!settings_.key_down_up) return {ListBoxFocusMove::None, key};
    if (key == vk::kControl) ctrl_->set(true);
    if (key == vk::kReturn && settings_.key_enter) key = vk::kDown;

    if (key == vk::kDown) {
        const bool at_end = items.count == 0 || items.last_selected;
        if (ctrl_->held() || (settings_.key_in_line && at_end)) {
            return {ListBoxFocusMove::Next, 0};
        }
    } else if (key == vk::kUp) {
        const bool at_start = items.count == 0 || items.first_selected;
        if (ctrl_->held() || (settings_.key_in_line && at_start)) {
            return {ListBoxFocusMove::Previous, 0};
        }
    }
    return {ListBoxFocusMove::None, key};
}

void ListBoxBehaviour::KeyUp(int key) {
    if (settings_.key_down_up && key == vk::kControl) ctrl_->set(false);
}

}  // namespace zerkon
