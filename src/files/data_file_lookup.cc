#include "files/data_file_lookup.h"

#include <charconv>
#include <optional>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/file_helpers.h"
#include "common/file_system.h"
#include "common/text_helpers.h"

namespace zerkon {
namespace {

constexpr std::string_view kErrorCaption = "Chyba";

bool OpensSection(std::string_view line) {
    return !line.empty() && line.front() == '[';
}

// The section name of a header line: the text between its first "[" and "]".
std::string SectionName(std::string_view line) {
    std::string copy(line);
    return ExtractDelimited(copy, '[', ']', false);
}

bool SameName(std::string_view a, std::string_view b) {
    return UpperCase1250(a) == UpperCase1250(b);
}

void ShowMissingFile(std::string_view file_path, MessageBoxes& boxes) {
    boxes.Show("\"Form_Menu\" nemohu najít datový soubor: "_cz + std::string(file_path),
               kErrorCaption, MessageIcon::Warning, MessageButtons::Ok);
}

// Calls `visit` with (key, value) for the keyed lines of the first section
// named `section` until it returns true. False when the file is missing.
template <typename Visit>
bool VisitKeyedLines(std::string_view section, std::string_view file_path, Visit visit) {
    std::string contents;
    if (!ReadWholeFile(file_path, contents)) return false;
    bool inside = false;
    for (const std::string& line : SplitTextLines(contents)) {
        if (line.empty()) continue;
        if (!inside) {
            inside = OpensSection(line) && SameName(SectionName(line), section);
            continue;
        }
        if (OpensSection(line)) break;
        std::string value = line;
        const std::string key = ExtractDelimited(value, '{', '}', false);
        if (visit(key, value)) break;
    }
    return true;
}

// A whole-number key as the platform's integer conversion reads it: optional
// sign, decimal digits, surrounding blanks allowed.
bool ParseIntegerKey(std::string_view key, int& number) {
    while (!key.empty() && key.front() == ' ') key.remove_prefix(1);
    while (!key.empty() && key.back() == ' ') key.remove_suffix(1);
    if (!key.empty() && key.front() == '+') key.remove_prefix(1);
    if (key.empty()) return false;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), number);
    return error == std::errc() && end == key.data() + key.size();
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty()) lines.push_back(std::move(current));
    return lines;
}

bool ReadWholeFile(std::string_view file_path, std::string& contents) {
    std::optional<std::string> read = RealFileSystem().ReadWhole(PathFromText(file_path));
    if (!read) return false;
    contents = std::move(*read);
    return true;
}

bool ReadIniSection(std::string_view section, std::string_view file_path,
                    std::vector<std::string>& lines, std::string& header_remainder) {
    std::string contents;
    if (!ReadWholeFile(file_path, contents)) return false;
    std::vector<std::string> found;
    bool inside = false;
    std::string remainder;
    for (const std::string& line : SplitTextLines(contents)) {
        if (line.empty()) continue;
        if (!inside) {
            if (OpensSection(line)) {
                std::string rest = line;
                const std::string name = ExtractDelimited(rest, '[', ']', false);
                if (SameName(name, section)) {
                    inside = true;
                    remainder = rest;
                }
            }
            continue;
        }
        if (OpensSection(line)) break;
        found.push_back(line);
    }
    if (found.empty()) return false;
    header_remainder = remainder;
    lines.insert(lines.end(), found.begin(), found.end());
    return true;
}

std::string FindKeyedLine(std::string_view section, std::string_view key,
                          std::string_view file_path, MessageBoxes& boxes) {
    std::string result;
    const bool file_found =
        VisitKeyedLines(section, file_path, [&](const std::string& k, const std::string& v) {
            if (!SameName(k, key)) return false;
            result = v;
            return true;
        });
    if (!file_found) ShowMissingFile(file_path, boxes);
    return result;
}

std::string FindNumberedLine(std::string_view section, int number, bool show_errors,
                             std::string_view file_path, MessageBoxes& boxes) {
    std::string result;
    bool matched = false;
    const bool file_found =
        VisitKeyedLines(section, file_path, [&](const std::string& k, const std::string& v) {
            int key_number = 0;
            if (!ParseIntegerKey(k, key_number)) throw KeyConversionError(k);
            if (key_number != number) return false;
            result = v;
            matched = true;
            return true;
        });
    if (!file_found) {
        if (show_errors) ShowMissingFile(file_path, boxes);
        return {};
    }
    if (!matched && show_errors) {
        boxes.Show("\"Form_Menu\" v souboru:  " + std::string(file_path) + "\r\r" + "v sekci:  [" +
                       UpperCase1250(section) + "]\r" + "nelze najít návratovou hodnotu:  "_cz +
                       std::to_string(number),
                   kErrorCaption, MessageIcon::Warning, MessageButtons::Ok);
    }
    return result;
}

}  // namespace zerkon
