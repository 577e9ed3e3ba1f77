#include "eldp/eldp_xml.h"

#include "common/cp1250_literal.h"
#include "common/file_helpers.h"
#include "common/file_system.h"
#include "common/text_helpers.h"
#include "files/data_file_lookup.h"

namespace zerkon {
namespace {

// The office's schema requires every attribute of a row line, empty or not; only attributes a
// payroll program's template adds beyond these go when they are empty.
constexpr std::string_view kRequiredRowAttributes[] = {
    "row", "cod", "sre", "fro", "to",  "din", "m1",  "m2",  "m3",  "m4",  "m5",
    "m6",  "m7",  "m8",  "m9",  "m10", "m11", "m12", "m13", "inc", "dex", "dar",
};

void AddLine(std::vector<std::string>& out, const std::vector<std::string>& template_lines,
             const std::string& marker) {
    out.push_back(TemplateBlock(template_lines, marker));
}

std::string Line(const std::vector<std::string>& template_lines, const std::string& marker,
                 const AttributeValues& values) {
    return FillAttributes(TemplateBlock(template_lines, marker), values);
}

AttributeValues RowValues(const EldpExportRow& row, int row_number) {
    AttributeValues values = {
        {"row", std::to_string(row_number)},
        {"cod", row.code},
        {"sre", row.mr},
        {"fro", row.from},
        {"to", row.to},
        {"din", row.days},
    };
    for (int m = 0; m < kEldpMonthMarks; ++m) {
        values.emplace_back("m" + std::to_string(m + 1), row.months[m]);
    }
    values.emplace_back("inc", RemoveBlanks(row.base));
    values.emplace_back("dex", RemoveBlanks(row.excluded));
    values.emplace_back("dar", RemoveBlanks(row.deducted));
    return values;
}

void AddRecord(std::vector<std::string>& out, const EldpExportRecord& record, int sequence,
               const EldpMarkers& markers, const std::vector<std::string>& template_lines) {
    out.push_back(Line(template_lines, markers.data_eldp09,
                       {
                           {"sqnr", std::to_string(sequence)},
                           {"yer", record.year},
                           {"typ", record.type},
                           {"dre", record.correction_date},
                           {"tco", ""},
                           {"dep", record.office_code},
                           {"nam", record.office_name},
                       }));

    // The second "cit" (place of birth) fills the attribute after the first.
    const std::vector<std::string> client = FillAttributes(
        TemplateBlockLines(template_lines, markers.data_client, markers.data_client_end),
        {
            {"bno", record.birth_number},
            {"sur", record.surname},
            {"fir", record.first_name},
            {"tit", record.title},
            {"cit", record.municipality},
            {"str", record.street},
            {"num", record.house_number},
            {"pos", record.post_office},
            {"pnu", record.postcode},
            {"cnt", record.country},
            {"dat", record.birth_date},
            {"nam", record.birth_surname},
            {"cit", record.birth_place},
        });
    out.insert(out.end(), client.begin(), client.end());

    int used_rows = 0;
    for (const EldpExportRow& row : record.rows) used_rows += row.used ? 1 : 0;
    out.push_back(Line(template_lines, markers.data_items,
                       {
                           {"coun", std::to_string(used_rows)},
                           {"sdex", RemoveBlanks(record.total_excluded)},
                           {"sinc", RemoveBlanks(record.total_base)},
                           {"sdar", RemoveBlanks(record.total_deducted)},
                       }));
    int row_number = 0;
    for (const EldpExportRow& row : record.rows) {
        if (!row.used) continue;
        out.push_back(RemoveEmptyAttributes(
            Line(template_lines, markers.data_items_t1, RowValues(row, ++row_number)),
            kRequiredRowAttributes));
    }
    AddLine(out, template_lines, markers.data_items_end);

    out.push_back(Line(template_lines, markers.data_comp,
                       {
                           {"nam", record.employer_name},
                           {"id", record.employer_id},
                           {"vs", record.variable_symbol},
                           {"cre", record.made_out},
                           {"fro", record.activity_since},
                       }));
    AddLine(out, template_lines, markers.data_eldp09_end);
}

// A path as the user sees it on this system (on Windows the text itself).
std::string ShownPath(const std::string& path_text) {
    return TextFromPath(PathFromText(path_text));
}

Result<std::vector<std::string>> ReadLines(FileSystem& files, const std::string& path_text) {
    const Result<std::string> contents = files.ReadWhole(PathFromText(path_text));
    if (!contents.ok()) return contents.status();
    return SplitTextLines(*contents);
}

std::string XmlText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace

std::vector<std::string> BuildEldpXml(const EldpExportList& list, const EldpMarkers& markers,
                                      const std::vector<std::string>& template_lines) {
    std::vector<std::string> out;
    AddLine(out, template_lines, markers.xml);
    AddLine(out, template_lines, markers.reldp);
    int sequence = 0;
    for (const EldpExportRecord& record : list) {
        AddRecord(out, record, ++sequence, markers, template_lines);
    }
    AddLine(out, template_lines, markers.reldp_end);
    return out;
}

Result<std::string> WriteEldpXml(FileSystem& files, const EldpExportList& list,
                                 const std::string& source_folder,
                                 const std::string& xml_output_folder) {
    const std::string marker_file = source_folder + kEldpMarkerFile;
    if (files.Kind(PathFromText(marker_file)) == PathKind::kNone) {
        return Status::Failed(StatusCode::kNotFound,
                              "Program ZERKON nemůže najít data eldp09.xml"_cz);
    }
    const EldpMarkers markers = ParseEldpMarkers(ReadLines(files, marker_file).value_or({}));

    const std::string template_text = source_folder + kEldpTemplateFile;
    const Result<std::vector<std::string>> template_lines = ReadLines(files, template_text);
    if (!template_lines.ok()) {
        return template_lines.status().Reworded("Cannot open file " + ShownPath(template_text));
    }
    const std::vector<std::string> lines = BuildEldpXml(list, markers, *template_lines);

    if (Status made = files.CreateFolders(PathFromText(xml_output_folder)); !made.ok()) {
        return made.Reworded("Složku \""_cz + xml_output_folder +
                             "\" nelze vytvořit.\nSoubor eldp09.xml nebyl uložen."_cz);
    }
    const std::string output_file = ShownPath(xml_output_folder + kEldpXmlFile);
    const Status written =
        WriteReplacing(files, PathFromText(xml_output_folder + kEldpXmlFile), XmlText(lines));
    if (!written.ok()) return written.Reworded("Cannot create file " + output_file);
    return output_file;
}

}  // namespace zerkon
