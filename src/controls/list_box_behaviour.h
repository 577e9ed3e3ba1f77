#pragma once
// Behaviour of the program's list box: focus colours and Enter/arrow keys that
// move focus like Tab. The window class asks what to do with a key and applies
// the answer; nothing here knows about windows.

#include <string>

#include "controls/control_colours.h"
#include "controls/virtual_keys.h"

namespace zerkon {

struct ListBoxSettings {
    ControlColour color_on_disabled = kClBtnFace;
    ControlColour color_on_focus = kColourLightYellow;
    bool color_on_focus_active = true;
    // The navigation keys (the set KeyLikeTab): leave at the list's ends,
    // Enter counts as Down, arrows may leave.
    bool key_in_line = false;
    bool key_enter = true;
    bool key_down_up = true;
};

inline constexpr const char* kListBoxVersion = "1.18";

// "Ctrl held": one flag shared by every list box of the program. It is set and
// cleared only by Ctrl key-downs and key-ups that a list box receives, so a
// Ctrl released while another control has focus leaves it set.
class CtrlHeldFlag {
  public:
    bool held() const { return held_; }
    void set(bool held) { held_ = held; }
    static CtrlHeldFlag& Shared();

  private:
    bool held_ = false;
};

// What the list holds at the moment of a key.
struct ListBoxItems {
    int count = 0;
    bool first_selected = false;
    bool last_selected = false;
};

enum class ListBoxFocusMove { None, Next, Previous };

struct ListBoxKeyResult {
    ListBoxFocusMove move = ListBoxFocusMove::None;
    // When no focus move: the key to hand to the standard processing (Enter
    // may have become Down).
    int standard_key = 0;
};

class ListBoxBehaviour {
  public:
    explicit ListBoxBehaviour(ListBoxSettings settings = {},
                              CtrlHeldFlag& ctrl = CtrlHeldFlag::Shared())
        : settings_(settings), ctrl_(&ctrl) {}

    const ListBoxSettings& settings() const { return settings_; }
    ListBoxSettings& settings() { return settings_; }

    const std::string& version() const { return version_; }
    void set_version(const std::string&) {}

    // Colours. The caller runs the list box's own OnEnter / OnExit after
    // Enter() / Exit().
    void Load(ControlColour colour, bool enabled);
    void Enter();
    void Exit();
    void set_colour(ControlColour colour) { colour_ = colour; }
    ControlColour colour() const { return colour_; }

    ListBoxKeyResult KeyDown(int key, const ListBoxItems& items);
    void KeyUp(int key);

  private:
    ListBoxSettings settings_;
    CtrlHeldFlag* ctrl_;
    std::string version_ = kListBoxVersion;
    ControlColour colour_ = kClWindow;
    ControlColour normal_colour_ = kClWindow;
};

}  // namespace zerkon
