#include "controls/combo_list.h"

#include <algorithm>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/dpi_scale.h"

namespace zerkon {

namespace {

// Collation weights: other characters below the letters, letters A-Z three
// apart so that the Czech letters Č, CH, Ř, Š, Ž sit right after their base.
constexpr int kLetterBase = 100;
constexpr int kLetterStep = 3;
constexpr int kOtherAbove = 400;

int LetterWeight(char upper_ascii, bool caron_letter) {
    return kLetterBase + (upper_ascii - 'A') * kLetterStep + (caron_letter ? 1 : 0);
}

// Upper-case Windows-1250 letters with accents and the letter they sort with.
// Letters with a caron that Czech sorts as separate letters are marked.
struct AccentedLetter {
    char letter;
    char base;
    bool separate;
};

constexpr AccentedLetter kAccented[] = {
    {"Á"_cz[0], 'A', false}, {"Ä"_cz[0], 'A', false}, {"Â"_cz[0], 'A', false},
    {"Ă"_cz[0], 'A', false}, {"Ą"_cz[0], 'A', false}, {"Č"_cz[0], 'C', true},
    {"Ć"_cz[0], 'C', false}, {"Ç"_cz[0], 'C', false}, {"Ď"_cz[0], 'D', false},
    {"Đ"_cz[0], 'D', false}, {"É"_cz[0], 'E', false}, {"Ě"_cz[0], 'E', false},
    {"Ë"_cz[0], 'E', false}, {"Ę"_cz[0], 'E', false}, {"Í"_cz[0], 'I', false},
    {"Î"_cz[0], 'I', false}, {"Ĺ"_cz[0], 'L', false}, {"Ľ"_cz[0], 'L', false},
    {"Ł"_cz[0], 'L', false}, {"Ň"_cz[0], 'N', false}, {"Ń"_cz[0], 'N', false},
    {"Ó"_cz[0], 'O', false}, {"Ô"_cz[0], 'O', false}, {"Ö"_cz[0], 'O', false},
    {"Ő"_cz[0], 'O', false}, {"Ř"_cz[0], 'R', true},  {"Ŕ"_cz[0], 'R', false},
    {"Š"_cz[0], 'S', true},  {"Ś"_cz[0], 'S', false}, {"Ş"_cz[0], 'S', false},
    {"Ť"_cz[0], 'T', false}, {"Ţ"_cz[0], 'T', false}, {"Ú"_cz[0], 'U', false},
    {"Ů"_cz[0], 'U', false}, {"Ü"_cz[0], 'U', false}, {"Ű"_cz[0], 'U', false},
    {"Ý"_cz[0], 'Y', false}, {"Ž"_cz[0], 'Z', true},  {"Ź"_cz[0], 'Z', false},
    {"Ż"_cz[0], 'Z', false},
};

struct SortKey {
    std::vector<int> primary;    // letters (accents ignored unless a separate letter)
    std::vector<int> secondary;  // accents
};

SortKey MakeSortKey(std::string_view text) {
    SortKey key;
    std::string upper = UpperCase1250(text);
    for (size_t i = 0; i < upper.size(); ++i) {
        char c = upper[i];
        int accent = 0;
        int weight = 0;
        if (c >= 'A' && c <= 'Z') {
            bool ch = c == 'C' && i + 1 < upper.size() && upper[i + 1] == 'H';
            weight = ch ? LetterWeight('H', true) : LetterWeight(c, false);
            if (ch) ++i;
        } else {
            auto it = std::find_if(std::begin(kAccented), std::end(kAccented),
                                   [c](const AccentedLetter& a) { return a.letter == c; });
            if (it != std::end(kAccented)) {
                weight = LetterWeight(it->base, it->separate);
                accent = it->separate ? 0 : 1 + static_cast<int>(it - std::begin(kAccented));
            } else {
                unsigned char byte = static_cast<unsigned char>(c);
                weight = byte < 'A' ? byte : kOtherAbove + byte;
            }
        }
        key.primary.push_back(weight);
        key.secondary.push_back(accent);
    }
    return key;
}

}  // namespace

bool PickListTextLess(std::string_view a, std::string_view b) {
    SortKey ka = MakeSortKey(a);
    SortKey kb = MakeSortKey(b);
    if (ka.primary != kb.primary) return ka.primary < kb.primary;
    if (ka.secondary != kb.secondary) return ka.secondary < kb.secondary;
    return a < b;
}

PickListRows BuildPickListRows(std::string_view items, bool sorted, std::string_view field_text) {
    PickListRows result;
    result.rows = ParseComboItems(items);
    if (sorted) {
        std::stable_sort(result.rows.begin(), result.rows.end(),
                         [](const ComboItem& a, const ComboItem& b) {
                             return PickListTextLess(a.shown, b.shown);
                         });
    }
    if (result.rows.empty()) return result;
    result.preselected = 0;
    for (size_t i = 0; i < result.rows.size(); ++i) {
        if (result.rows[i].shown == field_text || result.rows[i].value == field_text) {
            result.preselected = static_cast<int>(i);
            break;
        }
    }
    return result;
}

int PickListRowHeight(int font_points, int dpi) {
    return ScaleToDpi(font_points + 5, dpi);
}

PickListRect PickListGeometry(const PickListGeometryInput& in) {
    const auto scaled = [&in](int pixels) { return ScaleToDpi(pixels, in.dpi); };
    PickListRect rect;
    rect.left = in.field_client_left - scaled(2);
    rect.top = in.field_client_top + in.field_height - scaled(3);
    rect.width = in.field_width;
    if (in.widest_text > rect.width) {
        rect.left -= in.widest_text - rect.width + scaled(11);
        rect.width = in.widest_text + scaled(16);
    }
    if (rect.left < 0) rect.left = scaled(2);
    int rows = std::min(in.drop_down_count, in.row_count);
    rect.height = rows * PickListRowHeight(in.font_points, in.dpi) + scaled(10);
    if (rect.top + rect.height > in.work_area_bottom) {
        rect.top = rect.top - rect.height - in.field_height;
    }
    return rect;
}

PickListClose PickListState::OnEvent(PickListEvent event) {
    switch (event) {
        case PickListEvent::kDoubleClick:
        case PickListEvent::kEnterKey:
            return PickListClose::kAccepted;
        case PickListEvent::kEscapeKey:
        case PickListEvent::kRightButtonDown:
            return PickListClose::kCancelled;
        case PickListEvent::kMouseEnter:
            entered_ = true;
            return PickListClose::kStayOpen;
        case PickListEvent::kMouseLeave:
            return close_if_mouse_leave_ && entered_ ? PickListClose::kCancelled
                                                     : PickListClose::kStayOpen;
    }
    return PickListClose::kStayOpen;
}

std::string PickListResultText(const PickListRows& rows, PickListClose how, int selected_row,
                               std::string_view field_text) {
    if (how == PickListClose::kAccepted && selected_row >= 0 &&
        selected_row < static_cast<int>(rows.rows.size())) {
        return rows.rows[static_cast<size_t>(selected_row)].value;
    }
    return std::string(field_text);
}

}  // namespace zerkon
