#include "controls/check_box_keys.h"

#include "controls/virtual_keys.h"

namespace zerkon {

edit::FocusMove ButtonKeyMove(int key) {
    switch (key) {
        case vk::kDown:
        case vk::kRight:
            return edit::FocusMove::Next;
        case vk::kUp:
        case vk::kLeft:
            return edit::FocusMove::Previous;
        default:
            return edit::FocusMove::None;
    }
}

edit::FocusMove CheckBoxKeyMove(int key) {
    return key == vk::kReturn ? edit::FocusMove::Next : ButtonKeyMove(key);
}

}  // namespace zerkon
