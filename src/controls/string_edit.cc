#include "controls/string_edit.h"

namespace zerkon::edit {

char FilterStringChar(const CharSet& filter, bool filtr_use, char ch) {
    if (!filtr_use || static_cast<unsigned char>(ch) < 32) return ch;
    return Contains(filter, ch) ? ch : '\0';
}

std::string PadWithAlignChar(std::string_view text, std::string_view align_left_char,
                             int max_length) {
    std::string s(text);
    if (align_left_char.empty() || s.empty() || max_length <= 0) return s;
    if (s.size() < static_cast<size_t>(max_length)) {
        s.insert(0, static_cast<size_t>(max_length) - s.size(), align_left_char[0]);
    }
    return s;
}

}  // namespace zerkon::edit
