#pragma once
// Shared by the field-check tests: the environment (a fixed "now"), typing
// through the standard edit, and fields loaded from a layout text.

#include <string>
#include <string_view>
#include <utility>

#include "common/cp1250.h"
#include "controls/edit_behavior.h"
#include "standard_edit_fake.h"

namespace zerkon::edit::check {

inline EditEnvironment Env() {
    EditEnvironment env;
    env.upper = [](char c) { return UpperCase1250(c); };
    env.lower = [](char c) { return LowerCase1250(c); };
    env.now.now = {2026, 3, 15, 10, 20, 7};
    return env;
}

// The standard edit: inserts what the behaviour passes on.
inline void Type(EditBehavior& e, std::string_view chars) {
    edit::testing::TypeThroughStandardEdit(e, chars, Env());
}

inline void Caret(EditBehavior& e, int pos, int length = 0) {
    e.state().sel_start = pos;
    e.state().sel_length = length;
}

inline EditBehavior Field(TypeEdit type, std::string layout_text = "",
                          void (*tweak)(EditSettings&) = nullptr) {
    EditSettings s;
    s.edit_type = type;
    if (tweak) tweak(s);
    EditBehavior e(s);
    e.state().text = std::move(layout_text);
    e.Loaded(Env());
    if (type == TypeEdit::teMask) e.WriteVersion();
    return e;
}

// Enters the field and puts the caret at the end of its text.
inline void EnterAtEnd(EditBehavior& e) {
    e.Enter(false, Env());
    Caret(e, static_cast<int>(e.state().text.size()));
}

}  // namespace zerkon::edit::check
