#pragma once
// The pieces of the ELDP XML export that work on the payroll program's
// template text: the marker file, the selection of template lines by marker,
// and the filling of attributes written as name="" in the template.

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zerkon {

// The marker of each part of the XML, read from the marker file "ELDP09.src".
// A part whose name the file does not hold has an empty marker.
struct EldpMarkers {
    std::string xml;
    std::string reldp;
    std::string data_eldp09;
    std::string data_client;
    std::string data_client_end;
    std::string data_items;
    std::string data_items_t1;
    std::string data_items_end;
    std::string data_comp;
    std::string data_eldp09_end;
    std::string reldp_end;
};

// Each line names its part between its first two "#"; the rest of the line
// without double quotes is the marker. Unknown names are ignored; the later
// of two lines with the same name counts; names are compared exactly.
EldpMarkers ParseEldpMarkers(const std::vector<std::string>& marker_lines);

// Separator that follows each line of a block of template lines.
inline constexpr char kTemplateLineSeparator = '\x87';

// One template line (the first that contains start_marker), or with an end
// marker the block from that line to the next line that contains end_marker,
// each line followed by the separator. A later line with the start marker
// restarts the block; without an end line the block runs to the end of the
// template. Markers are plain, case-sensitive substrings; an empty start
// marker matches nothing.
std::string TemplateBlock(const std::vector<std::string>& template_lines,
                          std::string_view start_marker, std::string_view end_marker = {});

// The lines that TemplateBlock separates, as a list: the block's lines, or
// nothing when there is no block (no start line, or no end marker). A block
// cut back into lines this way never splits a line at a separator byte that
// belongs to its text.
std::vector<std::string> TemplateBlockLines(const std::vector<std::string>& template_lines,
                                            std::string_view start_marker,
                                            std::string_view end_marker);

using AttributeValues = std::vector<std::pair<std::string, std::string>>;

// The value as it goes into an attribute: Windows-1250 converted to UTF-8,
// spaces trimmed at both ends, the characters that XML reserves written as
// entities, tabs and line breaks as character references, the other control
// characters, which XML cannot hold, dropped.
std::string AttributeText(std::string_view value);

// Fills name="" attributes pair by pair in the given order: each pair fills
// the first still empty attribute of its name, so two pairs with the same name
// fill two attributes. An empty value leaves name="". A pair whose name does
// not occur changes nothing.
std::string FillAttributes(std::string text, const AttributeValues& values);
// The same over a block of lines, as if they were one text.
std::vector<std::string> FillAttributes(std::vector<std::string> lines,
                                        const AttributeValues& values);

// Removes every attribute whose value is empty (name="", with the space in
// front of it), except those named in `keep`.
std::string RemoveEmptyAttributes(std::string text, std::span<const std::string_view> keep = {});

}  // namespace zerkon
