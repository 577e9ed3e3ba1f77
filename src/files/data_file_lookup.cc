#include "files/data_file_lookup.h"

#include <charconv>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/file_helpers.h"
#include "common/file_system.h"
#include "common/text_helpers.h"

namespace zerkon {
namespace {

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

Status MissingFile(std::string_view file_path, const Status& read) {
    return read.Reworded("\"Form_Menu\" nemohu najít datový soubor: "_cz + std::string(file_path));
}

// Calls `visit` with (key, value) for the keyed lines of the first section
// named `section` until it returns true; a failed visit ends the lookup with
// its failure. The missing-file failure when the file cannot be read.
template <typename Visit>
Status VisitKeyedLines(FileSystem& files, std::string_view section, std::string_view file_path,
                       Visit visit) {
    const Result<std::string> contents = files.ReadWhole(PathFromText(file_path));
    if (!contents.ok()) return MissingFile(file_path, contents.status());
    bool inside = false;
    for (const std::string& line : SplitTextLines(*contents)) {
        if (line.empty()) continue;
        if (!inside) {
            inside = OpensSection(line) && SameName(SectionName(line), section);
            continue;
        }
        if (OpensSection(line)) break;
        std::string value = line;
        const std::string key = ExtractDelimited(value, '{', '}', false);
        const Result<bool> done = visit(key, value);
        if (!done.ok()) return done.status();
        if (*done) break;
    }
    return Status::Ok();
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

bool ReadIniSection(FileSystem& files, std::string_view section, std::string_view file_path,
                    std::vector<std::string>& lines, std::string& header_remainder) {
    const Result<std::string> contents = files.ReadWhole(PathFromText(file_path));
    if (!contents.ok()) return false;
    std::vector<std::string> found;
    bool inside = false;
    std::string remainder;
    for (const std::string& line : SplitTextLines(*contents)) {
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

Result<std::string> FindKeyedLine(FileSystem& files, std::string_view section, std::string_view key,
                                  std::string_view file_path) {
    std::string result;
    const Status visited = VisitKeyedLines(
        files, section, file_path, [&](const std::string& k, const std::string& v) -> Result<bool> {
            if (!SameName(k, key)) return false;
            result = v;
            return true;
        });
    if (!visited.ok()) return visited;
    return result;
}

Result<std::string> FindNumberedLine(FileSystem& files, std::string_view section, int number,
                                     std::string_view file_path) {
    std::string result;
    bool matched = false;
    const Status visited = VisitKeyedLines(
        files, section, file_path, [&](const std::string& k, const std::string& v) -> Result<bool> {
            int key_number = 0;
            if (!ParseIntegerKey(k, key_number)) {
                return Status::Failed(StatusCode::kNotValid,
                                      "'" + k + "' is not a valid integer value");
            }
            if (key_number != number) return false;
            result = v;
            matched = true;
            return true;
        });
    if (!visited.ok()) return visited;
    if (!matched) {
        return Status::Failed(StatusCode::kNotFound,
                              "\"Form_Menu\" v souboru:  " + std::string(file_path) + "\r\r" +
                                  "v sekci:  [" + UpperCase1250(section) + "]\r" +
                                  "nelze najít návratovou hodnotu:  "_cz + std::to_string(number));
    }
    return result;
}

}  // namespace zerkon
