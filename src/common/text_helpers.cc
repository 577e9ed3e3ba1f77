#include "common/text_helpers.h"

#include <algorithm>

namespace zerkon {

namespace {
constexpr char kNoBreakSpace = '\xA0';
}

void ReplaceChar(std::string& text, char c, std::string_view r) {
    if (r.empty()) {
        std::erase(text, c);
    } else {
        std::replace(text.begin(), text.end(), c, r.front());
    }
}

std::string ReplaceCharCopy(std::string_view text, char c, std::string_view r) {
    std::string copy(text);
    ReplaceChar(copy, c, r);
    return copy;
}

void ReplaceAll(std::string& text, std::string_view old_text, std::string_view new_text) {
    if (old_text == new_text || old_text.empty()) return;
    if (old_text.size() == 1 && new_text.size() == 1) {
        std::replace(text.begin(), text.end(), old_text.front(), new_text.front());
        return;
    }
    // Each search conceptually starts at the beginning of the text. Text before
    // the previous match held no match, except one that reaches into what was
    // inserted there, so the search may start old_text.size() - 1 earlier.
    size_t search_from = 0;
    size_t inserted_end = 0;
    for (;;) {
        const size_t pos = text.find(old_text, search_from);
        if (pos == std::string::npos || pos < inserted_end) return;
        text.replace(pos, old_text.size(), new_text);
        inserted_end = pos + new_text.size();
        search_from = pos >= old_text.size() - 1 ? pos - (old_text.size() - 1) : 0;
    }
}

void ReplaceFirst(std::string& text, std::string_view old_text, std::string_view new_text) {
    if (old_text == new_text || old_text.empty()) return;
    const size_t pos = text.find(old_text);
    if (pos != std::string::npos) text.replace(pos, old_text.size(), new_text);
}

std::string PadLeft(std::string_view text, int width, char fill) {
    const size_t wanted = static_cast<size_t>(std::clamp(width, 0, 255));
    if (text.size() >= wanted) return std::string(text);
    std::string result(wanted - text.size(), fill);
    result.append(text);
    return result;
}

std::string ExtractDelimited(std::string& text, char open, char close, bool include_delimiters) {
    const size_t open_pos = text.find(open);
    if (open_pos == std::string::npos) return {};
    size_t close_pos;
    if (open == close) {
        close_pos = text.find(close, open_pos + 1);
    } else {
        close_pos = text.find(close);
        if (close_pos == std::string::npos || close_pos < open_pos) return {};
    }
    // An unclosed segment with equal delimiters runs to the end of the text.
    const size_t end = close_pos == std::string::npos ? text.size() : close_pos + 1;
    std::string segment;
    if (include_delimiters) {
        segment = text.substr(open_pos, end - open_pos);
    } else {
        const size_t inner_end = close_pos == std::string::npos ? text.size() : close_pos;
        segment = text.substr(open_pos + 1, inner_end - open_pos - 1);
    }
    text.erase(open_pos, end - open_pos);
    return segment;
}

std::string SplitAt(std::string& text, std::string_view separator) {
    const size_t pos = separator.empty() ? std::string::npos : text.find(separator);
    if (pos == std::string::npos) {
        std::string head = std::move(text);
        text.clear();
        return head;
    }
    std::string head = text.substr(0, pos);
    text.erase(0, pos + separator.size());
    return head;
}

bool IsAllZeros(std::string_view text) {
    return text.find_first_not_of('0') == std::string_view::npos;
}

std::string RepeatString(std::string_view text, int n) {
    std::string result;
    if (n <= 0) return result;
    result.reserve(text.size() * static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) result.append(text);
    return result;
}

std::string TrimRightSpaces(std::string_view text) {
    const size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string TrimLeftSpaces(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string NoBreakToSpace(std::string_view text) {
    std::string result(text);
    std::replace(result.begin(), result.end(), kNoBreakSpace, ' ');
    return result;
}

std::string RemoveBlanks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != kNoBreakSpace) result += c;
    }
    return result;
}

}  // namespace zerkon
