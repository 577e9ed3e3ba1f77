#pragma once
// Shared by the edit-behaviour tests: a Czech environment, typing through the
// standard edit, and fields loaded as the window loads them.

#include <string>
#include <string_view>
#include <utility>

#include "common/cp1250.h"
#include "controls/edit_behavior.h"
#include "standard_edit_fake.h"

namespace zerkon::edit::fixture {

inline char Upper(char c) {
    return UpperCase1250(c);
}
inline char Lower(char c) {
    return LowerCase1250(c);
}

inline EditEnvironment Czech() {
    EditEnvironment env;
    env.upper = Upper;
    env.lower = Lower;
    env.now.now = {2026, 3, 15, 10, 20, 0};
    return env;
}

inline void Type(EditBehavior& e, std::string_view chars, const EditEnvironment& env) {
    edit::testing::TypeThroughStandardEdit(e, chars, env);
}

inline EditBehavior Loaded(const EditSettings& settings, std::string text = "",
                           bool enabled = true) {
    EditBehavior e(settings);
    e.state().text = std::move(text);
    e.state().enabled = enabled;
    e.Loaded(Czech());
    return e;
}

inline EditSettings OfType(TypeEdit t) {
    EditSettings s;
    s.edit_type = t;
    return s;
}

}  // namespace zerkon::edit::fixture
