#pragma once
// The behaviour of the data-entry edit control (TMEdit / TMLabeledEdit) as a
// state machine. The window class copies the edit's text and selection into
// `state()` before each event, calls the event, then writes back the text,
// selection and colour from `state()` and carries out the returned actions.
// Nothing here knows about windows: "now", the system separators and the
// ANSI case mapping come in through EditEnvironment.

#include <array>
#include <optional>
#include <string>

#include "common/cp1250_literal.h"
#include "controls/combo_edit.h"
#include "controls/edit_types.h"
#include "controls/focus_target.h"
#include "controls/mask_edit.h"
#include "controls/number_edit.h"
#include "controls/string_edit.h"

namespace zerkon::edit {

inline constexpr const char* kEditVersion = "2.77";
// Windows-1250: "Zadání položky je povinné !"
inline constexpr const char* kRequiredMessage = "Zadání položky je povinné !"_cz;

struct EditSettings {
    EditCharCase char_case = EditCharCase::ecNormal;  // exposed read-only
    CaseMode case_mode = CaseMode::cmNormal;
    TypeEdit edit_type = TypeEdit::teString;
    TComboBoxEdit combo_box;
    bool auto_select = false;
    CursorEndField cursor_end_field = CursorEndField::cfEnd;
    ControlColour color_on_disabled = kClBtnFace;
    ControlColour color_on_focus = kColourLightYellow;
    bool color_on_focus_active = true;
    ControlColour color_edit_on_butt = kClInfoBk;
    bool color_edit_on_butt_active = false;
    bool required = false;
    bool required_monitoring = true;
    bool key_enter = true;    // KeyLikeTab holds keyEnter
    bool key_down_up = true;  // KeyLikeTab holds keyDownUp
    bool key_first_inherited = false;
    bool button_visible = false;
    std::string button_caption = "\xB7\xB7";
    int button_width = 15;
    ShortCut button_short_cut = 0;
    TNumberEdit number;
    TMaskSpecEdit mask_edit;
    TStringEdit string_edit;
    // The standard edit's own settings that the behaviour reads.
    int max_length = 0;
    char password_char = 0;
    bool labeled = false;  // TMLabeledEdit (its masked fields also take a space)
};

// The explicit navigation targets (FocusControl) as the window sees them now.
enum class FocusSlot { Down = 0, PgDown = 1, PgUp = 2, Up = 3 };

struct EditEnvironment {
    char decimal_separator = ',';
    char thousands_separator = '\xA0';
    MaskNow now;
    char (*upper)(char) = nullptr;  // ANSI case mapping; identity when null
    char (*lower)(char) = nullptr;
    bool far_east_locale = false;
    std::array<FocusTargetState, 4> targets{};  // indexed by FocusSlot
    const FocusTargetState& target(FocusSlot s) const { return targets[static_cast<size_t>(s)]; }
};

struct EditState {
    std::string text;
    int sel_start = 0;
    int sel_length = 0;
    Amount value = 0;
    bool enabled = true;
    bool focused = false;
    bool read_only = false;
    ControlColour colour = kClWindow;
    ControlColour normal_colour = kClWindow;
    PaintAlignment paint_alignment = PaintAlignment::Left;
    // Undo copy, taken before each character typed into a number or masked
    // field; the saved caret also serves cfPosition.
    std::string undo_text;
    Amount undo_value = 0;
    int saved_caret = 0;
    // Number fields: allowed characters and decimal separator fixed when made,
    // and the digit remembered from the last main-row digit key.
    CharSet number_allowed;
    char number_separator = ',';
    char pending_digit = 0;
    // teString: the filter set rebuilt on every entry.
    CharSet filter_set;
    DateTimeFormats date_time_formats;
};

// Where focus is to go. The Down/Up/PgDown/PgUp moves name a FocusControl
// target that the environment reported usable.
enum class FocusMove { None, Next, Previous, Down, Up, PgDown, PgUp };

// The "standard processing" of a key is the owner's key event followed by
// the edit's own handling of what is left of the key. With KeyFirstInherited
// the owner's event runs before the control's own processing (the caller
// does that and passes on what the event left); otherwise it runs after it,
// when `owner_event_after` says so.
struct KeyResult {
    int key = 0;  // the key to pass on to the standard processing; 0 = discarded
    FocusMove focus = FocusMove::None;
    bool click_button = false;
    bool owner_event_after = false;
};

struct CharResult {
    char ch = 0;  // the character for the standard processing; 0 = nothing
    FocusMove focus = FocusMove::None;
    bool owner_event_after = false;
};

struct ExitResult {
    std::optional<std::string> message;  // to OnError, else a warning box
    bool refocus = false;                // put focus back into the field
    bool fire_on_exit = true;
};

struct ButtonClickStart {
    bool open_pick_list = false;  // run the pop-up, then PickListClosed
    bool take_focus = false;
    int drop_down_count = 8;
};

struct PaintPlan {
    bool custom = false;  // the control draws the display text itself
    std::string display;  // with the password character applied
    PaintAlignment alignment = PaintAlignment::Left;
    ControlColour colour = kClWindow;
    bool gray_text = false;
};

class EditBehavior {
  public:
    EditBehavior() = default;
    explicit EditBehavior(const EditSettings& settings) : settings_(settings) {}

    EditSettings& settings() { return settings_; }
    const EditSettings& settings() const { return settings_; }
    EditState& state() { return state_; }
    const EditState& state() const { return state_; }

    // Once the control is made from its settings and text: normal colour, pick-list setup,
    // number clean-up.
    void Loaded(const EditEnvironment& env);
    // Version write: stays "2.77"; a masked text is fitted to its mask.
    void WriteVersion();
    const char* version() const { return kEditVersion; }

    void SetValue(Amount value, const EditEnvironment& env);
    // After every text change (OnChange follows).
    void TextChanged();

    KeyResult KeyDown(int key, ShiftState shift, const EditEnvironment& env);
    // Character message and key-press of one character.
    CharResult Char(char ch, const EditEnvironment& env);
    // The two stages apart, for a caller that runs the owner's key-press
    // event between them: the character message takes the undo copy and
    // returns the character rewritten, or 0 when it is dropped here.
    char CharMessage(char ch);
    CharResult KeyPress(char ch, const EditEnvironment& env);

    void Enter(bool by_mouse, const EditEnvironment& env);
    ExitResult Exit(const EditEnvironment& env);

    // Whether a click of the side button first puts focus into the field.
    bool ButtonClickTakesFocus() const;
    ButtonClickStart BeginButtonClick();
    void PickListClosed(bool accepted, const std::string& value);
    void EndButtonClick();

    // `copy_mode`: painting into a copy (WM_PRINTCLIENT), where numbers are
    // drawn by the control also while it has focus.
    PaintPlan Paint(bool copy_mode = false);

  private:
    bool NumberType() const { return IsNumberType(settings_.edit_type); }
    FocusMove Resolve(FocusMove wanted, const EditEnvironment& env) const;
    char ApplyCase(char ch, const EditEnvironment& env) const;
    bool NumberKeyPressAllowed(char ch) const;
    void PlaceEntryCaret();
    std::optional<std::string> NumberExit(const EditEnvironment& env);
    void SelectAll();
    void SetCaret(int pos);
    // Every change of the text goes through these: the selection stays within
    // the new text, which may be shorter than the old one (a number field's
    // exit rewrites "000000009" as "9,00").
    void SetText(std::string text, int sel_start, int sel_length);
    void SetText(std::string text);

    EditSettings settings_;
    EditState state_;
};

}  // namespace zerkon::edit

namespace zerkon::edit {

// Geometry of the side button inside the edit's right edge, and the edit's
// formatting rectangle that keeps the text from running under it.
struct EditRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const EditRect&) const = default;
};
struct SideButtonLayout {
    EditRect button;  // in the edit's client coordinates
    EditRect format;  // EM_SETRECT
};
// `new_style`: the newer 3D look (button 4 pixels in from the edge).
SideButtonLayout LayoutSideButton(int edit_width, int edit_height, int button_width,
                                  bool new_style);
// ButtonWidth write while the button exists: at least 15, at most the edit's width.
int ClampButtonWidth(int requested, int edit_width);

}  // namespace zerkon::edit
