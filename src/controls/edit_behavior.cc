#include "controls/edit_behavior.h"

#include <algorithm>

namespace zerkon::edit {

namespace {

bool ExactlyAlt(ShiftState s) {
    return s.alt && !s.ctrl && !s.shift;
}
bool ExactlyCtrl(ShiftState s) {
    return s.ctrl && !s.alt && !s.shift;
}

// Internal focus wishes before the targets are looked at.
enum class Wish { None, Next, Previous, PageNext, PagePrevious };

}  // namespace

void EditBehavior::SelectAll() {
    state_.sel_start = 0;
    state_.sel_length = static_cast<int>(state_.text.size());
}

void EditBehavior::SetCaret(int pos) {
    state_.sel_start = std::clamp(pos, 0, static_cast<int>(state_.text.size()));
    state_.sel_length = 0;
}

void EditBehavior::SetText(std::string text, int sel_start, int sel_length) {
    state_.text = std::move(text);
    const int size = static_cast<int>(state_.text.size());
    state_.sel_start = std::clamp(sel_start, 0, size);
    state_.sel_length = std::clamp(sel_length, 0, size - state_.sel_start);
}

void EditBehavior::SetText(std::string text) {
    SetText(std::move(text), state_.sel_start, state_.sel_length);
}

void EditBehavior::Loaded(const EditEnvironment& env) {
    state_.normal_colour = state_.colour;
    if (!state_.enabled) state_.colour = settings_.color_on_disabled;
    if (settings_.edit_type == TypeEdit::teComboBox) {
        settings_.button_visible = true;
        state_.read_only = true;
        SetText(ComboTextOnLoad(settings_.combo_box));
    }
    if (NumberType()) {
        TNumberEdit& number = settings_.number;
        state_.paint_alignment =
            number.right_alignment ? PaintAlignment::Right : PaintAlignment::Left;
        state_.number_separator = env.decimal_separator;
        number.decimal_show = std::max(number.decimal_show, number.decimal);
        if (number.value_max < number.value_min) number.valid = false;
        state_.number_allowed = NumberAllowedChars(settings_.edit_type, number);
        SetText(LoadNumberText(settings_.edit_type, number, state_.text, env.decimal_separator,
                               state_.number_allowed));
    }
    SetCaret(state_.sel_start);
}

void EditBehavior::WriteVersion() {
    if (settings_.edit_type == TypeEdit::teMask) {
        SetText(FitTextToMask(state_.text, settings_.mask_edit.Mask));
        SetCaret(state_.sel_start);
    }
}

void EditBehavior::SetValue(Amount value, const EditEnvironment& env) {
    state_.value = ClampValue(settings_.number, value);
    if (NumberType()) {
        SetText(NumberTextFromValue(settings_.edit_type, settings_.number, state_.value,
                                    env.decimal_separator));
        SetCaret(state_.sel_start);
    }
}

void EditBehavior::TextChanged() {
    if (state_.text.empty()) state_.value = 0;
}

FocusMove EditBehavior::Resolve(FocusMove wanted, const EditEnvironment& env) const {
    switch (wanted) {
        case FocusMove::Next:
            return env.target(FocusSlot::Down).usable() ? FocusMove::Down : FocusMove::Next;
        case FocusMove::Previous:
            return env.target(FocusSlot::Up).usable() ? FocusMove::Up : FocusMove::Previous;
        case FocusMove::PgDown:
            return env.target(FocusSlot::PgDown).usable() ? FocusMove::PgDown : FocusMove::None;
        case FocusMove::PgUp:
            return env.target(FocusSlot::PgUp).usable() ? FocusMove::PgUp : FocusMove::None;
        default:
            return FocusMove::None;
    }
}

KeyResult EditBehavior::KeyDown(int key, ShiftState shift, const EditEnvironment& env) {
    KeyResult result;
    result.key = key;
    state_.pending_digit = 0;

    if (NumberType() && key >= vk::k0 && key <= vk::k9 && !ExactlyAlt(shift) &&
        !ExactlyCtrl(shift)) {
        // Main-row digits type digits whatever the layout puts on them.
        state_.pending_digit = static_cast<char>('0' + (key - vk::k0));
        result.key = vk::kNumpad0 + (key - vk::k0);
        return result;
    }

    FocusMove wanted = FocusMove::None;
    if (settings_.key_down_up) {
        if (key == vk::kDown) wanted = FocusMove::Next;
        if (key == vk::kUp) wanted = FocusMove::Previous;
        if (key == vk::kNext) wanted = FocusMove::PgDown;
        if (key == vk::kPrior) wanted = FocusMove::PgUp;
    }
    if (settings_.edit_type == TypeEdit::teString) {
        ExitString es = settings_.string_edit.exit_string;
        bool left = es == ExitString::esLeft || es == ExitString::esLeftRight;
        bool right = es == ExitString::esRight || es == ExitString::esLeftRight;
        if (left && key == vk::kLeft && state_.sel_start == 0) wanted = FocusMove::Previous;
        if (right && key == vk::kRight &&
            state_.sel_start == static_cast<int>(state_.text.size())) {
            wanted = FocusMove::Next;
        }
    }

    if (settings_.edit_type == TypeEdit::teMask) {
        MaskEditText edit{state_.text, state_.sel_start, state_.sel_length};
        MaskKeyDownResult r = MaskKeyDown(settings_.mask_edit, edit, key, shift.shift);
        if (r.discard) {
            SetText(std::move(r.edit.text), r.edit.sel_start, r.edit.sel_length);
            result.key = 0;
        }
    } else if (settings_.edit_type == TypeEdit::teComboBox) {
        ComboKeyDownResult r = ComboKeyDown(settings_.combo_box, key, shift.shift);
        if (r.handled) {
            if (r.clear_text) SetText({}, 0, 0);
            result.key = 0;
            return result;
        }
    }

    if (wanted != FocusMove::None) {
        result.focus = Resolve(wanted, env);
        result.key = 0;
        return result;
    }
    // A key already discarded arrives here as 0; it must not match an unset
    // short cut (also 0) and click the button.
    if (settings_.button_visible && settings_.button_short_cut != 0 && result.key != 0 &&
        MakeShortCut(result.key, shift) == settings_.button_short_cut) {
        result.click_button = true;
    }
    result.owner_event_after = !settings_.key_first_inherited;
    return result;
}

CharResult EditBehavior::Char(char ch, const EditEnvironment& env) {
    ch = CharMessage(ch);
    if (ch == 0) return {};
    return KeyPress(ch, env);
}

char EditBehavior::CharMessage(char ch) {
    if (settings_.edit_type == TypeEdit::teMask) {
        state_.undo_text = state_.text;
        state_.saved_caret = state_.sel_start;
        if (MaskDropsCharacter(ch)) return 0;
    } else if (NumberType()) {
        state_.undo_text = state_.text;
        state_.undo_value = state_.value;
        state_.saved_caret = state_.sel_start;
        if (state_.pending_digit != 0 && Contains(state_.number_allowed, state_.pending_digit)) {
            ch = state_.pending_digit;
        }
        char other = state_.number_separator == ',' ? '.' : ',';
        if (ch == other && Contains(state_.number_allowed, ch)) ch = state_.number_separator;
    }
    return ch;
}

bool EditBehavior::NumberKeyPressAllowed(char ch) const {
    if (ch == '\b') return true;
    if (!Contains(state_.number_allowed, ch)) return false;
    const std::string& t = state_.text;
    bool whole_selected = state_.sel_start == 0 && state_.sel_length == static_cast<int>(t.size());
    if (whole_selected) return true;
    if (ch == ',' || ch == '.') {
        bool has_separator = t.find_first_of(",.") != std::string::npos;
        bool minus_at_caret = state_.sel_start == 0 && t.find('-') != std::string::npos;
        return !has_separator && !minus_at_caret;
    }
    if (ch == '-') return t.find('-') == std::string::npos && state_.sel_start == 0;
    return true;
}

char EditBehavior::ApplyCase(char ch, const EditEnvironment& env) const {
    auto upper = [&](char c) { return env.upper ? env.upper(c) : c; };
    auto lower = [&](char c) { return env.lower ? env.lower(c) : c; };
    switch (settings_.case_mode) {
        case CaseMode::cmUpperCase:
            return upper(ch);
        case CaseMode::cmLowerCase:
            return lower(ch);
        case CaseMode::cmProperCase:
            if (state_.sel_start == 0 ||
                (state_.sel_start <= static_cast<int>(state_.text.size()) &&
                 state_.text[static_cast<size_t>(state_.sel_start) - 1] == ' ')) {
                return upper(ch);
            }
            return ch;
        case CaseMode::cmNormal:
            break;
    }
    return ch;
}

CharResult EditBehavior::KeyPress(char ch, const EditEnvironment& env) {
    CharResult result;
    if (ch == '\r' && settings_.key_enter) {
        result.focus = FocusMove::Next;
        return result;
    }
    switch (settings_.edit_type) {
        case TypeEdit::teString:
            ch = FilterStringChar(state_.filter_set, settings_.string_edit.filtr_use, ch);
            break;
        case TypeEdit::teMask: {
            if (settings_.string_edit.filtr_use) ch = FilterStringChar(state_.filter_set, true, ch);
            MaskEditText edit{state_.text, state_.sel_start, state_.sel_length};
            MaskTypeResult r = MaskTypeCharacter(settings_.mask_edit, edit, ch);
            if (r.accepted) SetText(std::move(r.edit.text), r.edit.sel_start, r.edit.sel_length);
            return result;
        }
        case TypeEdit::teComboBox:
            SetText(ComboKeyPress(settings_.combo_box, state_.text, ch));
            break;
        default:
            if (!NumberKeyPressAllowed(ch)) return result;
            break;
    }
    result.ch = ApplyCase(ch, env);
    result.owner_event_after = !settings_.key_first_inherited;
    return result;
}

void EditBehavior::PlaceEntryCaret() {
    CursorEndField cef = settings_.cursor_end_field;
    if (settings_.auto_select) {
        if (cef == CursorEndField::cfNormal) SelectAll();
        return;
    }
    int end = static_cast<int>(state_.text.size());
    if (cef == CursorEndField::cfPosition) SetCaret(state_.saved_caret);
    if (cef == CursorEndField::cfBegin) SetCaret(0);
    if (cef == CursorEndField::cfEnd) SetCaret(end);
    if (settings_.edit_type == TypeEdit::teMask) {
        int p = MaskEntryCaret(state_.text);
        if (p >= 0) SetCaret(p);
    }
    if (NumberType()) {
        Amount v = ParseAmount(state_.text, state_.number_separator).value_or(0);
        if (!state_.text.empty() && v != 0) {
            if (cef == CursorEndField::cfZeroElsePosition) SetCaret(state_.saved_caret);
            if (cef == CursorEndField::cfZeroElseBegin) SetCaret(0);
            if (cef == CursorEndField::cfZeroElseEnd) SetCaret(end);
        } else if (v == 0 && settings_.number.cursor_zero_over) {
            SelectAll();
        }
    }
}

void EditBehavior::Enter(bool by_mouse, const EditEnvironment& env) {
    state_.focused = true;
    if (!by_mouse) SelectAll();
    auto replace_text = [&](std::string text) {
        if (text == state_.text) return;
        bool all =
            state_.sel_start == 0 && state_.sel_length == static_cast<int>(state_.text.size());
        SetText(std::move(text));
        if (all) {
            SelectAll();
        } else {
            SetCaret(state_.sel_start);
        }
    };
    if (settings_.edit_type == TypeEdit::teMask) {
        replace_text(
            MaskTextOnEnter(state_.text, settings_.mask_edit, env.now, &state_.date_time_formats));
    }
    bool combo = settings_.edit_type == TypeEdit::teComboBox;
    if (combo) settings_.cursor_end_field = CursorEndField::cfBegin;
    if (!settings_.combo_box.Items.empty() && !(combo && settings_.button_visible)) {
        settings_.combo_box.Items.clear();
    }
    if (settings_.color_on_focus_active) state_.colour = settings_.color_on_focus;
    state_.paint_alignment = NumberType() && settings_.number.right_alignment
                                 ? PaintAlignment::Right
                                 : PaintAlignment::Left;
    if (settings_.edit_type == TypeEdit::teString) {
        state_.filter_set = MakeCharSet(settings_.string_edit.filtr);
        if (state_.filter_set.none()) settings_.string_edit.filtr_use = false;
    }
    if (settings_.edit_type == TypeEdit::teMask) {
        RebuildMaskTypingSet(settings_.mask_edit, settings_.labeled);
    }
    if (NumberType()) {
        replace_text(
            CutSurplusDecimals(state_.text, state_.number_separator, settings_.number.decimal));
    }
    PlaceEntryCaret();
    if (env.far_east_locale) state_.read_only = false;
}

std::optional<std::string> EditBehavior::NumberExit(const EditEnvironment& env) {
    const TNumberEdit& number = settings_.number;
    bool integer = settings_.edit_type == TypeEdit::teInteger;
    char sep = env.decimal_separator;
    const std::string entered = state_.text;
    std::string s = entered;
    for (char& c : s) {
        if (c == ',') c = '.';
    }
    for (char& c : s) {
        if (c == '.') c = sep;
    }
    auto restore_undo = [&] {
        SetText(state_.undo_text, state_.saved_caret, 0);
        state_.value = state_.undo_value;
    };
    auto normalized = NormalizeNumberText(s, sep, integer ? 0 : number.decimal,
                                          integer ? 0 : number.decimal_show);
    if (!normalized) {
        // Text that came in by the clipboard or the program and is no number
        // at all: reported like a validation error instead of kept silently.
        std::string message = NotANumberMessage(state_.text);
        restore_undo();
        return message;
    }
    SetText(std::move(*normalized));
    if (number.number_text_to_value) {
        if (state_.text.empty()) {
            state_.value = 0;
        } else {
            auto parsed = ParseAmount(state_.text, sep);
            if (!parsed) {
                // Only an amount too large for the value gets here; turning
                // it silently into the minimum would lose the entry.
                std::string message = NotANumberMessage(entered);
                restore_undo();
                return message;
            }
            SetValue(*parsed, env);
        }
    }
    // An empty field holds no entry to check (Required is there to demand
    // one); checking it would report "" as no number and trap the user.
    if (number.valid && !state_.text.empty()) {
        auto message = ValidateNumberText(number, state_.text, state_.number_allowed, sep,
                                          env.thousands_separator);
        if (message) {
            restore_undo();
            return message;
        }
    }
    return std::nullopt;
}

ExitResult EditBehavior::Exit(const EditEnvironment& env) {
    ExitResult result;
    state_.focused = false;
    if (settings_.string_edit.exit_string != ExitString::esNormal &&
        settings_.cursor_end_field == CursorEndField::cfPosition) {
        state_.saved_caret = state_.sel_start;
    }
    if (NumberType()) {
        if (state_.text == "-") SetText({});
        if (settings_.number.number_none_do_zero && state_.text.empty()) SetText("0");
    } else if (settings_.edit_type == TypeEdit::teString) {
        SetText(PadWithAlignChar(state_.text, settings_.string_edit.align_left_char,
                                 settings_.max_length));
    } else if (settings_.edit_type == TypeEdit::teMask) {
        SetText(
            MaskTextOnExit(state_.text, settings_.mask_edit, env.now, &state_.date_time_formats));
    }
    SetCaret(state_.sel_start);
    if (settings_.color_on_focus_active) state_.colour = state_.normal_colour;
    if (settings_.required_monitoring && settings_.required && state_.text.empty()) {
        result.message = kRequiredMessage;
        result.refocus = true;
        result.fire_on_exit = false;
        return result;
    }
    if (NumberType()) {
        result.message = NumberExit(env);
        result.refocus = result.message.has_value();
    }
    return result;
}

bool EditBehavior::ButtonClickTakesFocus() const {
    return settings_.edit_type != TypeEdit::teComboBox || !settings_.combo_box.Items.empty();
}

ButtonClickStart EditBehavior::BeginButtonClick() {
    ButtonClickStart start;
    if (settings_.edit_type == TypeEdit::teComboBox) {
        if (!settings_.combo_box.Items.empty()) {
            start.open_pick_list = true;
            start.take_focus = true;
            state_.colour = settings_.combo_box.ColorEditOnFocus;
            start.drop_down_count = NormalizeDropDownCount(settings_.combo_box);
        }
        return start;
    }
    start.take_focus = true;
    if (settings_.color_edit_on_butt_active) state_.colour = settings_.color_edit_on_butt;
    return start;
}

void EditBehavior::PickListClosed(bool accepted, const std::string& value) {
    if (accepted) {
        SetText(value, 0, 0);
    }
    state_.colour = settings_.color_on_focus;
}

void EditBehavior::EndButtonClick() {
    if (settings_.edit_type != TypeEdit::teComboBox && settings_.color_edit_on_butt_active) {
        state_.colour = settings_.color_on_focus;
    }
}

PaintPlan EditBehavior::Paint(bool copy_mode) {
    if (!state_.enabled) {
        state_.colour = settings_.color_on_disabled;
    } else if (!state_.focused) {
        state_.colour = state_.normal_colour;
    }
    PaintPlan plan;
    plan.colour = state_.colour;
    plan.gray_text = !state_.enabled;
    plan.alignment = state_.paint_alignment;
    plan.custom = NumberType() && (!state_.focused || copy_mode);
    if (plan.custom) {
        plan.display = NumberDisplayText(settings_.edit_type, settings_.number, state_.text,
                                         state_.number_separator);
        if (settings_.password_char != 0) {
            plan.display.assign(plan.display.size(), settings_.password_char);
        }
    }
    return plan;
}

SideButtonLayout LayoutSideButton(int edit_width, int edit_height, int button_width,
                                  bool new_style) {
    SideButtonLayout layout;
    if (new_style) {
        int left = edit_width - button_width - 4;
        layout.button = {left, 0, left + button_width, edit_height - 4};
    } else {
        int left = edit_width - button_width;
        layout.button = {left, 0, left + button_width, edit_height};
    }
    layout.format = {0, 0, edit_width - button_width - 4, edit_height};
    return layout;
}

int ClampButtonWidth(int requested, int edit_width) {
    return std::min(std::max(requested, 15), edit_width);
}

}  // namespace zerkon::edit
