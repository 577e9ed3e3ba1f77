// The payroll program's ELDP data file, loaded into the record and written
// out: the XML from the shipped templates is well-formed and carries every
// value as loaded, the print data is made of whole tag lines, and the check
// before filing names fields of the form.

#include <algorithm>

#include "common/cp1250.h"
#include "common/date_helpers.h"
#include "common/text_helpers.h"
#include "eldp/eldp_check.h"
#include "eldp/eldp_data_file.h"
#include "eldp/eldp_form_layout.h"
#include "eldp/eldp_print_data.h"
#include "eldp/eldp_xml.h"
#include "files/data_file_lookup.h"
#include "fuzz_support.h"
#include "xml_check.h"

using namespace zerkon;
using zerkon::fuzz::Check;

namespace {

std::vector<std::string> ShippedTemplate(const char* name) {
    return SplitTextLines(
        fuzz::Disk()
            .ReadWhole(std::string(ZERKON_SOURCE_DIR) + "/demo/RAL/SOURCERAL/" + name)
            .value_or(""));
}

// What a parser reads back from an attribute that carries `value`.
std::string ReadBack(std::string_view value) {
    std::string expected;
    for (char c : TrimLeftSpaces(TrimRightSpaces(Cp1250ToUtf8(value)))) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 || c == '\t' || c == '\n' || c == '\r') expected += c;
    }
    return expected;
}

class Attributes {
  public:
    explicit Attributes(std::vector<fuzz::XmlAttribute> all) : all_(std::move(all)) {}

    // The first attribute `name` of an element `element` carries `value`.
    void Expect(std::string_view element, std::string_view name, std::string_view value) {
        for (const fuzz::XmlAttribute& a : all_) {
            if (a.element != element || a.name != name) continue;
            Check(a.value == ReadBack(value), "the XML carries every value as loaded",
                  std::string(element) + " " + std::string(name) + "=" + a.value);
            return;
        }
        Fail(std::string(element) + " " + std::string(name) + " is written");
    }
    // The attribute `name` of the element `element` whose attribute row is `row` carries
    // `value`; a value that reads back empty may be left out.
    void ExpectInRow(std::string_view element, int row, std::string_view name,
                     std::string_view value) {
        bool in_row = false;
        for (const fuzz::XmlAttribute& a : all_) {
            if (a.element != element) continue;
            if (a.name == "row") {
                if (in_row) break;
                in_row = a.value == std::to_string(row);
            } else if (in_row && a.name == name) {
                Check(a.value == ReadBack(value), "the XML carries every value as loaded",
                      std::string(element) + " " + std::string(name) + "=" + a.value);
                return;
            }
        }
        if (!ReadBack(value).empty()) {
            Fail(std::string(element) + " " + std::to_string(row) + " " + std::string(name) +
                 " is written");
        }
    }
    int CountOf(std::string_view element) const {
        int n = 0;
        for (const fuzz::XmlAttribute& a : all_) n += a.element == element && a.name == "row";
        return n;
    }

  private:
    [[noreturn]] static void Fail(const std::string& what) { fuzz::Fail(what); }
    std::vector<fuzz::XmlAttribute> all_;
};

void CheckXml(EldpRecord record) {
    static const EldpMarkers markers = ParseEldpMarkers(ShippedTemplate(kEldpMarkerFile));
    static const std::vector<std::string> template_lines = ShippedTemplate(kEldpTemplateFile);
    const EldpExportRecord out = MakeEldpExportRecord(record);
    std::string doc;
    for (const std::string& line : BuildEldpXml({out}, markers, template_lines)) {
        Check(!fuzz::HasLineBreak(line), "every XML line is one line of the file", line);
        doc += line + "\r\n";
    }
    std::vector<fuzz::XmlAttribute> all;
    const std::string error = fuzz::XmlChecker().Check(doc, &all);
    Check(error.empty(), "the XML export is well-formed", error + "\n" + doc);
    Attributes xml(std::move(all));
    xml.Expect("eldp09", "yer", record.year);
    xml.Expect("eldp09", "typ", record.type);
    xml.Expect("eldp09", "dep", record.office_code);
    xml.Expect("eldp09", "nam", out.office_name);
    xml.Expect("client", "bno", record.birth_number);
    xml.Expect("name", "sur", record.surname);
    xml.Expect("name", "fir", record.first_name);
    xml.Expect("name", "tit", record.title);
    xml.Expect("adr", "cit", record.municipality);
    xml.Expect("adr", "str", record.street);
    xml.Expect("adr", "num", record.house_number);
    xml.Expect("adr", "pos", record.post_office);
    xml.Expect("adr", "pnu", out.postcode);
    xml.Expect("adr", "cnt", record.country);
    xml.Expect("birth", "nam", record.birth_surname);
    xml.Expect("birth", "cit", record.birth_place);
    xml.Expect("items", "sinc", RemoveBlanks(record.total_base));
    xml.Expect("comp", "nam", record.employer_name);
    xml.Expect("comp", "id", record.employer_id);
    xml.Expect("comp", "vs", record.variable_symbol);
    int used = 0;
    for (const EldpRow& row : record.rows) {
        if (!row.IsUsed()) continue;
        ++used;
        xml.ExpectInRow("t1", used, "cod", row.code);
    }
    xml.Expect("items", "coun", std::to_string(used));
    Check(xml.CountOf("t1") == used, "one row line per used row");
}

bool FilledDate(const std::string& text) {
    return !text.empty() && IsDateFilled(text);
}

void CheckPrintData(EldpRecord record) {
    std::vector<std::string> job{"[DataArea]"};
    if (!AppendEldpPrintData(record, RegionalSettings::Czech(), job).ok()) {
        bool any_date = FilledDate(record.correction_date) || FilledDate(record.birth_date) ||
                        FilledDate(record.activity_since) || FilledDate(record.made_out);
        for (const EldpRow& row : record.rows)
            any_date |= FilledDate(row.from) || FilledDate(row.to);
        Check(any_date, "only a filled date stops the print");
        return;
    }
    Check(job.size() > 4 && job[1].empty() && job[2] == "[Table]<eldp>" && job[3] == "<ID>0",
          "the ELDP data record follows the data area's head");
    for (std::size_t i = 3; i < job.size(); ++i) {
        Check(fuzz::StartsWith(job[i], "<") && !fuzz::HasLineBreak(job[i]),
              "every line of the print data is one tag line", job[i]);
        if (fuzz::StartsWith(job[i], "<RC>")) {
            Check(job[i].size() == 4 + ReplaceCharCopy(record.birth_number, '/', "").size() + 2,
                  "the birth number gains exactly two spaces", job[i]);
        }
    }
}

}  // namespace

// The checker refuses what a parser refuses, so that its "well-formed" means something.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (const char* broken :
         {"<a b=\"<\"/>", "<a b=\"1\" b=\"2\"/>", "<a>&nbsp;</a>", "<a><b></a></b>", "<a/><a/>",
          "<a b=\"\xC5\"/>", "<a>\x01</a>", "<a b=1/>"}) {
        Check(!fuzz::XmlChecker().Check(broken).empty(), "the XML checker refuses", broken);
    }
    Check(fuzz::XmlChecker()
              .Check("<?xml version=\"1.0\"?>\r\n<a b=\"&#9;&lt;\"><c/></a>\r\n")
              .empty(),
          "the XML checker takes a well-formed document");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    EldpRecord record;
    record.tech_code = "T";
    IniEldp(fuzz::Disk(), fuzz::WriteScratch("data.txt", bytes), record);
    Check(record.tech_code == "T" && record.correction_date == kEmptyFullDate,
          "loading leaves the technical code and the correction date alone");
    const std::string joined = ReplaceCharCopy(ReplaceCharCopy(bytes, '\r', ""), '\n', "");
    Check(record.surname == GetAttrValue(joined, "Prijmeni") &&
              record.surname.find('"') == std::string::npos,
          "a value runs to the next double quote", record.surname);
    CheckXml(record);
    CheckPrintData(record);
    for (const EldpProblem& problem : CheckEldpRecord(record)) {
        Check(std::any_of(EldpFormFields().begin(), EldpFormFields().end(),
                          [&](const EldpField& f) { return f.name == problem.field; }) &&
                  !problem.label.empty() && !problem.message.empty(),
              "every problem names a field of the form and says what is wrong", problem.field);
    }
    return 0;
}
