#pragma once
// Plays the standard edit's part for the behaviour under test: a typed character goes through
// the behaviour, and what it lets through is inserted (or, for Backspace, deleted) as the
// standard edit would.

#include <string_view>

#include "controls/edit_behavior.h"

namespace zerkon::edit::testing {

inline void TypeThroughStandardEdit(EditBehavior& e, std::string_view chars,
                                    const EditEnvironment& env) {
    for (char c : chars) {
        EditState& s = e.state();
        const CharResult r = e.Char(c, env);
        if (r.ch == '\b') {
            if (s.sel_length > 0) {
                s.text.erase(s.sel_start, s.sel_length);
            } else if (s.sel_start > 0) {
                s.text.erase(--s.sel_start, 1);
            }
            s.sel_length = 0;
        } else if (static_cast<unsigned char>(r.ch) >= 32) {
            s.text.replace(s.sel_start, s.sel_length, 1, r.ch);
            ++s.sel_start;
            s.sel_length = 0;
        }
    }
}

}  // namespace zerkon::edit::testing
