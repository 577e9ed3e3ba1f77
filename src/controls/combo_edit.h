#pragma once
// Pick-list editing of the edit control (EditType teComboBox): a read-only
// field whose value is chosen from an item list, by the pop-up list of the
// side button, by typing an item's first letter, or cleared with Backspace or
// Delete. Pure functions; the edit control (TMEdit) calls them at the points
// named on each function. The pop-up's own rules are in combo_list.h.
//
// Item list: one string, items separated by '|'. An item may hold the
// character 0x87: the part before it is the item's value (what the field
// receives), the pop-up shows the whole item without that one character. An
// item without 0x87 is its own value. Empty items are ignored and not counted.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zerkon {

// The pick-list settings of an edit control (its ComboBox sub-object).
struct TComboBoxEdit {
    // Background of the field while the pop-up is open: COLOR_INFOBK, as a
    // system colour index with the top byte set (see ControlColour).
    std::uint32_t ColorEditOnFocus = 0xFF000000u | 24u;
    bool CloseIfMouseLeave = false;
    int DropDownCount = 8;  // rows shown; outside 1-20 it becomes 6 when the list opens
    bool ItemActionKey = true;
    int ItemIndex = -1;
    std::string Items;
    bool OffDelKey = false;
    bool Sorted = false;
};

inline constexpr char kComboItemSeparator = '|';
inline constexpr char kComboValueSeparator = '\x87';

struct ComboItem {
    std::string value;  // what the field receives
    std::string shown;  // what the pop-up shows
    bool operator==(const ComboItem&) const = default;
};

// The non-empty items of an item list, in list order.
std::vector<ComboItem> ParseComboItems(std::string_view items);

// The value of the index-th non-empty item (from 0); empty for a negative
// index or a missing item.
std::string ComboItemByIndex(std::string_view items, int index);

// Type-ahead: the new field text after typing `ch`. Among the items whose
// value starts with `ch` (compared in upper case by the ANSI mapping), the
// first one after the item whose value equals `current_text`; when there is
// none after it, or the text is no such item, the first matching item. No
// match: the text stays.
std::string ComboTypeAhead(std::string_view items, std::string_view current_text, char ch);

// When the edit is made (EditBehavior::Loaded): it shows its side button,
// becomes read-only and sets its text to this result (empty unless
// ItemIndex >= 0).
std::string ComboTextOnLoad(const TComboBoxEdit& combo);

struct ComboKeyDownResult {
    // True: key-down processing ends here and the key is discarded.
    bool handled = false;
    // True: the field's text becomes empty (Backspace or Delete without
    // OffDelKey).
    bool clear_text = false;
};

// Key-down, at the type-specific step (after the focus-movement decision):
// Shift+Insert is discarded; Backspace or Delete, unless OffDelKey, clears the
// text and is discarded. Handled keys end key-down processing (no focus move,
// no short-cut check).
ComboKeyDownResult ComboKeyDown(const TComboBoxEdit& combo, int virtual_key, bool shift);

// Key-press, after the Enter handling of the control: the text to set when
// ItemActionKey is on (ComboTypeAhead), or the current text unchanged. The
// character then goes on to the case conversion and the standard processing,
// which inserts nothing into the read-only edit.
std::string ComboKeyPress(const TComboBoxEdit& combo, std::string_view current_text, char ch);

// Side-button click, before opening the pop-up: the visible rows; a value
// outside 1-20 is replaced by 6 in the settings themselves (it stays 6).
int NormalizeDropDownCount(TComboBoxEdit& combo);
// The same rule for a count handed over by value: outside 1-20 gives 6.
int NormalizedDropDownCount(int count);

}  // namespace zerkon
