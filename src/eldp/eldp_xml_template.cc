#include "eldp/eldp_xml_template.h"

#include <algorithm>

#include "common/cp1250.h"
#include "common/text_helpers.h"

namespace zerkon {
namespace {

bool Contains(std::string_view line, std::string_view marker) {
    return !marker.empty() && line.find(marker) != std::string_view::npos;
}

struct Selection {
    std::vector<std::string> lines;
    bool separated = false;  // every line is followed by a separator
};

Selection SelectTemplateLines(const std::vector<std::string>& template_lines,
                              std::string_view start_marker, std::string_view end_marker) {
    Selection result;
    bool open = false;
    for (const std::string& line : template_lines) {
        if (open && Contains(line, end_marker)) {
            result.lines.push_back(line);
            return result;
        }
        if (open) result.lines.push_back(line);
        if (Contains(line, start_marker)) {
            result.lines.assign(1, line);
            if (end_marker.empty()) return result;
            result.separated = true;
            open = true;
        }
    }
    return result;
}

void EscapeInto(std::string& out, char c) {
    switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        // A parser reads a tab or line break written as such in an attribute
        // as a space; a character reference keeps it.
        case '\t':
            out += "&#9;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            // XML 1.0 holds no other C0 control character.
            if (static_cast<unsigned char>(c) < 0x20) return;
            out += c;
    }
}

}  // namespace

EldpMarkers ParseEldpMarkers(const std::vector<std::string>& marker_lines) {
    EldpMarkers markers;
    const std::pair<const char*, std::string EldpMarkers::*> names[] = {
        {"xml", &EldpMarkers::xml},
        {"reldp", &EldpMarkers::reldp},
        {"data_eldp09", &EldpMarkers::data_eldp09},
        {"data_client", &EldpMarkers::data_client},
        {"data_client_end", &EldpMarkers::data_client_end},
        {"data_items", &EldpMarkers::data_items},
        {"data_items_t1", &EldpMarkers::data_items_t1},
        {"data_items_end", &EldpMarkers::data_items_end},
        {"data_comp", &EldpMarkers::data_comp},
        {"data_eldp09_end", &EldpMarkers::data_eldp09_end},
        {"reldp_end", &EldpMarkers::reldp_end},
    };
    for (const std::string& line : marker_lines) {
        std::string rest = line;
        const std::string name = ExtractDelimited(rest, '#', '#', false);
        for (const auto& [known, field] : names) {
            if (name == known) markers.*field = ReplaceCharCopy(rest, '"', "");
        }
    }
    return markers;
}

std::string TemplateBlock(const std::vector<std::string>& template_lines,
                          std::string_view start_marker, std::string_view end_marker) {
    const Selection selection = SelectTemplateLines(template_lines, start_marker, end_marker);
    std::string block;
    for (const std::string& line : selection.lines) {
        block += line;
        if (selection.separated) block += kTemplateLineSeparator;
    }
    return block;
}

std::vector<std::string> TemplateBlockLines(const std::vector<std::string>& template_lines,
                                            std::string_view start_marker,
                                            std::string_view end_marker) {
    Selection selection = SelectTemplateLines(template_lines, start_marker, end_marker);
    if (!selection.separated) return {};
    return std::move(selection.lines);
}

std::string AttributeText(std::string_view value) {
    const std::string trimmed = TrimLeftSpaces(TrimRightSpaces(Cp1250ToUtf8(value)));
    std::string out;
    out.reserve(trimmed.size());
    for (char c : trimmed) EscapeInto(out, c);
    return out;
}

std::string FillAttributes(std::string text, const AttributeValues& values) {
    std::vector<std::string> lines;
    lines.push_back(std::move(text));
    return std::move(FillAttributes(std::move(lines), values).front());
}

std::vector<std::string> FillAttributes(std::vector<std::string> lines,
                                        const AttributeValues& values) {
    for (const auto& [name, value] : values) {
        std::string text = AttributeText(value);
        // An empty value is held as one space so that it still takes up its
        // attribute: a later pair of the same name then fills the next one.
        if (text.empty()) text.assign(1, ' ');
        const std::string opening = name + "=\"";
        const std::string empty_attribute = opening + "\"";
        for (std::string& line : lines) {
            if (line.find(empty_attribute) != std::string::npos) {
                ReplaceFirst(line, empty_attribute, opening + text + "\"");
                break;
            }
        }
    }
    for (std::string& line : lines) ReplaceAll(line, "\" \"", "\"\"");
    return lines;
}

std::string RemoveEmptyAttributes(std::string text, std::span<const std::string_view> keep) {
    std::size_t from = 0;
    for (;;) {
        const std::size_t equals = text.find("=\"\"", from);
        if (equals == std::string::npos) break;
        const std::size_t space = text.rfind(' ', equals);
        if (space == std::string::npos) break;
        const std::string_view name(text.data() + space + 1, equals - space - 1);
        if (std::find(keep.begin(), keep.end(), name) != keep.end()) {
            from = equals + 3;
            continue;
        }
        text.erase(space, equals + 3 - space);
        from = space;
    }
    return text;
}

}  // namespace zerkon
