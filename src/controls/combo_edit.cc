#include "controls/combo_edit.h"

#include "common/cp1250.h"
#include "controls/mask_edit.h"

namespace zerkon {

std::vector<ComboItem> ParseComboItems(std::string_view items) {
    std::vector<ComboItem> parsed;
    size_t start = 0;
    while (start <= items.size()) {
        size_t end = items.find(kComboItemSeparator, start);
        if (end == std::string_view::npos) end = items.size();
        std::string_view item = items.substr(start, end - start);
        if (!item.empty()) {
            ComboItem entry;
            size_t split = item.find(kComboValueSeparator);
            if (split == std::string_view::npos) {
                entry.value = std::string(item);
                entry.shown = entry.value;
            } else {
                entry.value = std::string(item.substr(0, split));
                entry.shown = entry.value + std::string(item.substr(split + 1));
            }
            parsed.push_back(std::move(entry));
        }
        start = end + 1;
    }
    return parsed;
}

std::string ComboItemByIndex(std::string_view items, int index) {
    if (index < 0) return {};
    std::vector<ComboItem> parsed = ParseComboItems(items);
    if (index >= static_cast<int>(parsed.size())) return {};
    return parsed[static_cast<size_t>(index)].value;
}

std::string ComboTypeAhead(std::string_view items, std::string_view current_text, char ch) {
    char wanted = UpperCase1250(ch);
    std::vector<const ComboItem*> matching;
    std::vector<ComboItem> parsed = ParseComboItems(items);
    for (const ComboItem& item : parsed) {
        if (!item.value.empty() && UpperCase1250(item.value.front()) == wanted) {
            matching.push_back(&item);
        }
    }
    if (matching.empty()) return std::string(current_text);
    for (size_t i = 0; i < matching.size(); ++i) {
        if (matching[i]->value == current_text) {
            return i + 1 < matching.size() ? matching[i + 1]->value : matching.front()->value;
        }
    }
    return matching.front()->value;
}

std::string ComboTextOnLoad(const TComboBoxEdit& combo) {
    return combo.ItemIndex >= 0 ? ComboItemByIndex(combo.Items, combo.ItemIndex) : std::string();
}

ComboKeyDownResult ComboKeyDown(const TComboBoxEdit& combo, int virtual_key, bool shift) {
    if (virtual_key == vk::kInsert && shift) return {true, false};
    bool erase = virtual_key == vk::kBack || virtual_key == vk::kDelete;
    if (erase && !combo.OffDelKey) return {true, true};
    return {false, false};
}

std::string ComboKeyPress(const TComboBoxEdit& combo, std::string_view current_text, char ch) {
    if (!combo.ItemActionKey) return std::string(current_text);
    return ComboTypeAhead(combo.Items, current_text, ch);
}

int NormalizedDropDownCount(int count) {
    return count < 1 || count > 20 ? 6 : count;
}

int NormalizeDropDownCount(TComboBoxEdit& combo) {
    combo.DropDownCount = NormalizedDropDownCount(combo.DropDownCount);
    return combo.DropDownCount;
}

}  // namespace zerkon
