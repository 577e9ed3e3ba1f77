#pragma once
// Filtered string editing of the edit control (EditType teString).

#include <string>
#include <string_view>

#include "controls/edit_types.h"

namespace zerkon::edit {

struct TStringEdit {
    ExitString exit_string = ExitString::esNormal;
    std::string filtr;
    std::string align_left_char;  // at most one character
    bool filtr_use = false;
};

// Key-press filter: with `filtr_use`, a printable character (code 32 and
// above) outside `filter` becomes the null character; control characters such
// as Backspace and the clipboard short cuts always pass.
char FilterStringChar(const CharSet& filter, bool filtr_use, char ch);

// Exit: a non-empty text shorter than `max_length` is padded on the left with
// `align_left_char` up to `max_length` (nothing without a fill character or
// with max_length 0).
std::string PadWithAlignChar(std::string_view text, std::string_view align_left_char,
                             int max_length);

}  // namespace zerkon::edit
