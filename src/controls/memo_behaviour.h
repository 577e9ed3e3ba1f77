#pragma once
// Behaviour of the program's memo (multi-line edit): focus colours, arrow keys
// that leave the memo at its first and last line, and the choice of what Tab
// does. The window class feeds key and focus events in through a MemoHost and
// applies what comes back; nothing here knows about windows.

#include <string>

#include "controls/control_colours.h"
#include "controls/focus_target.h"
#include "controls/virtual_keys.h"

namespace zerkon {

// Which explicit navigation target a focus move aims at first.
enum class FocusTarget { Up, Down };

// What the memo's behaviour needs of the real control.
class MemoHost {
  public:
    virtual ~MemoHost() = default;
    virtual int CaretLine() = 0;  // line index of the caret, 0-based
    virtual int LineCount() = 0;  // number of lines; 0 or 1 for an empty memo
    virtual void StandardKeyDown(int key) = 0;
    virtual FocusTargetState Target(FocusTarget which) = 0;
    virtual void FocusTargetControl(FocusTarget which) = 0;
    virtual void FocusNextInTabOrder() = 0;
    virtual void FocusPreviousInTabOrder() = 0;
};

struct MemoSettings {
    ControlColour color_on_disabled = kClBtnFace;
    ControlColour color_on_focus = kColourLightYellow;
    bool color_on_focus_active = true;
    bool key_arrow_exit = true;
    bool key_first_inherited = false;
    bool key_tab_on_key_press = false;
};

inline constexpr const char* kMemoVersion = "1.02";

class MemoBehaviour {
  public:
    explicit MemoBehaviour(MemoSettings settings = {}) : settings_(settings) {}

    const MemoSettings& settings() const { return settings_; }
    MemoSettings& settings() { return settings_; }

    // The version is a fixed identification: whatever is assigned, it stays.
    const std::string& version() const { return version_; }
    void set_version(const std::string&) {}

    // Colours. `colour()` is the background to paint with now.
    void Load(ControlColour colour, bool enabled);
    void Enter();  // the caller runs the memo's own OnEnter afterwards
    void Exit();   // the caller runs the standard exit event afterwards
    void AfterPaint(bool enabled);
    void set_colour(ControlColour colour) { colour_ = colour; }
    ControlColour colour() const { return colour_; }
    ControlColour normal_colour() const { return normal_colour_; }
    bool has_focus() const { return has_focus_; }

    // Keys. Both return true when the key was consumed (discarded) by the
    // memo, false when it went on to the standard processing.
    bool KeyDown(MemoHost& host, int key);
    bool KeyPress(MemoHost& host, char ch);

    // Whether the window's own Tab navigation must leave the Tab key to the
    // memo: always, so that the memo alone decides.
    static constexpr bool WantsTab() { return true; }

  private:
    void Leave(MemoHost& host, bool forward);

    MemoSettings settings_;
    std::string version_ = kMemoVersion;
    ControlColour colour_ = kClWindow;
    ControlColour normal_colour_ = kClWindow;
    bool has_focus_ = false;
};

}  // namespace zerkon
