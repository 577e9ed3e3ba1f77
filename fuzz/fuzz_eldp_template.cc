// The XML export with any marker file and template: the values of a record
// full of characters that XML reserves never add markup to the template's
// lines, every output line stays one line, and the output grows with the
// template only.

#include <algorithm>
#include <optional>

#include "eldp/eldp_data_file.h"
#include "eldp/eldp_export.h"
#include "eldp/eldp_xml.h"
#include "files/data_file_lookup.h"
#include "fuzz_support.h"

using namespace zerkon;
using zerkon::fuzz::Check;

namespace {

std::string Shipped(const char* name) {
    return fuzz::Disk()
        .ReadWhole(std::string(ZERKON_SOURCE_DIR) + "/demo/RAL/SOURCERAL/" + name)
        .value_or("");
}

// Every field holds markup, quotes, the block separator and Czech letters.
EldpExportList Record() {
    EldpRecord record;
    std::string joined;
    for (const char* key :
         {"rok",      "typ",      "kodOSSZ",    "NazevOSSZ", "Prijmeni", "Jmeno", "Titul",
          "RC",       "Ulice",    "Cislo",      "PrijmeniR", "Obec",     "Posta", "PSC",
          "stat",     "MisNar",   "Kod1",       "MR1",       "Dny1",     "Kod3",  "VymZakl3",
          "VylDobaC", "VymZaklC", "DobyOdectC", "NazOrg",    "ICO",      "VS"}) {
        joined += std::string(" ") + key + "=\"<a b=''>&amp; \x87Ň</a> =''\""_cz;
    }
    joined += " x105=\"X\" DatNar=\"1.2.1980\" od1=\"01.02.\" datVyh=\"3.4.2009\"";
    ApplyEldpData(joined, record);
    record.year = "2009";
    return {MakeEldpExportRecord(record)};
}

struct Shape {
    long open = 0;
    long close = 0;
    long quotes = 0;
    bool operator==(const Shape&) const = default;
};

Shape ShapeOf(std::string_view line) {
    return {std::count(line.begin(), line.end(), '<'), std::count(line.begin(), line.end(), '>'),
            std::count(line.begin(), line.end(), '"')};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const EldpExportList list = Record();
    static const std::string shipped_markers = Shipped(kEldpMarkerFile);
    fuzz::Input in(data, size);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // "markers NUL template", or a template alone with the shipped markers.
    const bool own_markers = bytes.find('\0') != std::string_view::npos;
    const std::string_view marker_text = own_markers ? in.Field() : shipped_markers;
    const std::string_view template_text = in.Rest();
    const std::vector<std::string> template_lines = SplitTextLines(template_text);
    const EldpMarkers markers = ParseEldpMarkers(SplitTextLines(marker_text));

    std::vector<Shape> shapes{Shape{}};
    Shape widest;
    std::optional<Shape> row_line;  // the template's row line loses its empty attributes
    for (const std::string& line : template_lines) {
        shapes.push_back(ShapeOf(line));
        widest = {std::max(widest.open, shapes.back().open),
                  std::max(widest.close, shapes.back().close), 0};
        if (!row_line && !markers.data_items_t1.empty() &&
            line.find(markers.data_items_t1) != std::string::npos) {
            row_line = shapes.back();
        }
    }
    const std::vector<std::string> out = BuildEldpXml(list, markers, template_lines);
    std::size_t total = 0;
    for (const std::string& line : out) {
        Check(!fuzz::HasLineBreak(line), "every XML line is one line of the file", line);
        const Shape shape = ShapeOf(line);
        Check(shape.open <= widest.open && shape.close <= widest.close,
              "values add no markup to a template line", line);
        const bool row_shape = row_line && shape.open <= row_line->open &&
                               shape.close <= row_line->close && shape.quotes <= row_line->quotes;
        Check(std::find(shapes.begin(), shapes.end(), shape) != shapes.end() || row_shape,
              "a filled line keeps the markup and quotes of its template line", line);
        total += line.size();
    }
    Check(total <= 20 * (template_text.size() + 64) + 20000, "the XML grows with the template only",
          std::to_string(total));
    return 0;
}
