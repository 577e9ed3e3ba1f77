#include "bank/preview_text.h"

#include <algorithm>

namespace zerkon {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// A NUL byte of a file shows as a space: the memo's text would end at it and
// hide every later line.
void ShowNulAsSpace(std::string& text) {
    std::replace(text.begin(), text.end(), '\0', ' ');
}

// Calls emit(line) for every line of the entry.
template <typename Emit>
void ForEachLine(std::string_view entry, Emit&& emit) {
    for (;;) {
        size_t end = entry.find('\r');
        while (end != std::string_view::npos &&
               (end + 1 == entry.size() || entry[end + 1] != '\n')) {
            end = entry.find('\r', end + 1);
        }
        if (end == std::string_view::npos) {
            emit(entry);
            return;
        }
        emit(entry.substr(0, end));
        entry.remove_prefix(end + kCrLf.size());
    }
}

}  // namespace

std::vector<std::string> PreviewEntriesToLines(const PreviewLines& entries) {
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    for (const std::string& entry : entries) {
        ForEachLine(entry,
                    [&](std::string_view line) { ShowNulAsSpace(lines.emplace_back(line)); });
    }
    return lines;
}

std::string PreviewEntriesToText(const PreviewLines& entries, std::string_view line_end) {
    std::string text;
    if (line_end == kCrLf) {
        // Splitting at CR LF and joining with CR LF gives the entries back.
        size_t size = 0;
        for (const std::string& entry : entries) size += entry.size() + kCrLf.size();
        text.reserve(size);
        for (const std::string& entry : entries) {
            text.append(entry);
            text.append(kCrLf);
        }
        ShowNulAsSpace(text);
        return text;
    }
    size_t size = 0;
    for (const std::string& entry : entries) {
        ForEachLine(entry, [&](std::string_view line) { size += line.size() + line_end.size(); });
    }
    text.reserve(size);
    for (const std::string& entry : entries) {
        ForEachLine(entry, [&](std::string_view line) {
            text.append(line);
            text.append(line_end);
        });
    }
    ShowNulAsSpace(text);
    return text;
}

}  // namespace zerkon
