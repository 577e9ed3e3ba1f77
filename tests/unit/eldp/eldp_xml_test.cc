#include "eldp/eldp_xml.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "common/cp1250_literal.h"
#include "eldp/eldp_data_file.h"
#include "eldp/eldp_export.h"
#include "eldp_test_support.h"

namespace zerkon {
namespace {

using testing::EldpData;
using testing::PayrollInstallation;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

const std::vector<std::string> kTemplate = {
    "<a x=\"\">", "<b>", "<c>", "</b>", "<b>", "<d>", "</b>", "</a>",
};

TEST(TemplateBlock, TakesTheFirstLineThatHoldsTheMarker) {
    EXPECT_EQ(TemplateBlock(kTemplate, "<b"), "<b>");
    EXPECT_EQ(TemplateBlock(kTemplate, "</a"), "</a>");
    EXPECT_EQ(TemplateBlock(kTemplate, "<B"), "");  // letter case counts
    EXPECT_EQ(TemplateBlock(kTemplate, ""), "");
    EXPECT_EQ(TemplateBlock(kTemplate, "<b", ""), "<b>");
}

TEST(TemplateBlock, GathersABlockWithASeparatorAfterEachLine) {
    EXPECT_EQ(TemplateBlock(kTemplate, "<a", "</b"), "<a x=\"\">\x87<b>\x87<c>\x87</b>\x87");
    // A later start line restarts the block there.
    EXPECT_EQ(TemplateBlock(kTemplate, "<b", "</a"), "<b>\x87<d>\x87</b>\x87</a>\x87");
    // Without an end line the block runs to the end of the template.
    EXPECT_EQ(TemplateBlock(kTemplate, "<d", "<zz"), "<d>\x87</b>\x87</a>\x87");
    EXPECT_EQ(TemplateBlockLines(kTemplate, "<d", "<zz"),
              (std::vector<std::string>{"<d>", "</b>", "</a>"}));
}

TEST(TemplateBlock, ABlockWithoutStartOrEndMarkerHasNoLines) {
    EXPECT_TRUE(TemplateBlockLines(kTemplate, "<zz", "</b").empty());
    EXPECT_TRUE(TemplateBlockLines(kTemplate, "<a", "").empty());
    EXPECT_TRUE(TemplateBlockLines(kTemplate, "", "</b").empty());
}

TEST(ParseEldpMarkers, ReadsNameAndMarkerOfEachLine) {
    const EldpMarkers markers = ParseEldpMarkers({
        "#xml#\"<?xml\"",
        "<t1 #data_items_t1# row=",  // text before the first # belongs to the marker
        "#reldp#first",
        "#reldp#second",       // the later line counts
        "#Data_comp#ignored",  // names are compared exactly
        "no hashes here",
        "#data_comp",  // no second #: the name runs to the end
    });
    EXPECT_EQ(markers.xml, "<?xml");
    EXPECT_EQ(markers.data_items_t1, "<t1  row=");
    EXPECT_EQ(markers.reldp, "second");
    EXPECT_EQ(markers.data_comp, "");
    EXPECT_EQ(markers.data_client, "");
}

TEST(FillAttributes, FillsEachNameOnceInTheGivenOrder) {
    EXPECT_EQ(FillAttributes("<x a=\"\" b=\"\" c=\"\"/>", {{"b", "2"}, {"a", "1"}, {"zz", "9"}}),
              "<x a=\"1\" b=\"2\" c=\"\"/>");
    // An empty value still uses up its attribute: the second "cit" fills the
    // attribute after the first even when the first stays empty.
    EXPECT_EQ(FillAttributes("<adr cit=\"\"/><birth cit=\"\"/>", {{"cit", ""}, {"cit", "Brno"}}),
              "<adr cit=\"\"/><birth cit=\"Brno\"/>");
    EXPECT_EQ(FillAttributes("<x a=\"\"/>", {{"a", "   "}}), "<x a=\"\"/>");
}

TEST(FillAttributes, WritesValuesTrimmedAsUtf8WithXmlEntities) {
    EXPECT_EQ(FillAttributes("<x a=\"\"/>", {{"a", "  Kůň  "_cz}}), "<x a=\"K\xC5\xAF\xC5\x88\"/>");
    EXPECT_EQ(FillAttributes("<x a=\"\"/>", {{"a", "\"A\" & <B>"}}),
              "<x a=\"&quot;A&quot; &amp; &lt;B&gt;\"/>");
    // A value that looks like an attribute cannot fill a later one.
    EXPECT_EQ(FillAttributes("<x a=\"\" b=\"\"/>", {{"a", "b=\"\""}, {"b", "2"}}),
              "<x a=\"b=&quot;&quot;\" b=\"2\"/>");
    // Only spaces are trimmed; a no-break space stays (as UTF-8).
    EXPECT_EQ(FillAttributes("<x a=\"\"/>", {{"a",
                                              "\xA0"
                                              "1"}}),
              "<x a=\"\xC2\xA0"
              "1\"/>");
    // A tab is kept as a reference: written as such, a parser reads a space.
    EXPECT_EQ(FillAttributes("<x a=\"\"/>", {{"a", "A\tB"}}), "<x a=\"A&#9;B\"/>");
    // Control characters that XML cannot carry are dropped.
    EXPECT_EQ(FillAttributes("<x a=\"\"/>", {{"a",
                                              "A\x01\x1F"
                                              "B"}}),
              "<x a=\"AB\"/>");
}

TEST(RemoveEmptyAttributes, DropsEmptyAttributesWithTheSpaceBeforeThem) {
    EXPECT_EQ(RemoveEmptyAttributes("<t1 row=\"1\" a=\"\" m1=\"X\" m2=\"\"/>"),
              "<t1 row=\"1\" m1=\"X\"/>");
    // No space before the first empty attribute: it stops there, the later
    // one stays too.
    EXPECT_EQ(RemoveEmptyAttributes("a=\"\" b=\"\""), "a=\"\" b=\"\"");
    // Named attributes stay, empty or not.
    const std::string_view keep[] = {"m2", "row"};
    EXPECT_EQ(RemoveEmptyAttributes("<t1 row=\"\" a=\"\" m2=\"\" b=\"\"/>", keep),
              "<t1 row=\"\" m2=\"\"/>");
}

// A row line of the demo template: every attribute the schema requires, in the template's
// order, the given ones filled.
std::string RowLine(const std::map<std::string, std::string>& values) {
    std::string line = "      <t1";
    std::vector<std::string> names = {"row", "cod", "sre", "fro", "to", "din"};
    for (int m = 1; m <= 13; ++m) names.push_back("m" + std::to_string(m));
    for (const char* name : {"inc", "dex", "dar"}) names.push_back(name);
    for (const std::string& name : names) {
        const auto value = values.find(name);
        line += " " + name + "=\"" + (value == values.end() ? "" : value->second) + "\"";
    }
    return line + "/>";
}

// Loads a data file and exports it as the XML button does.
class EldpXmlExport : public ::testing::Test {
  protected:
    Result<std::string> Export(EldpRecord& record) {
        list_.assign(1, MakeEldpExportRecord(record));
        return WriteEldpXml(testing::Disk(), list_, payroll_.base_text() + "\\SOURCERAL\\",
                            payroll_.base_text() + "\\xml-manualne\\");
    }
    std::string ExportFile(const std::string& data_file) {
        EldpRecord record;
        IniEldp(testing::Disk(), TextFromPath(EldpData(data_file)), record);
        EXPECT_TRUE(Export(record).ok());
        return ReadBytes(payroll_.xml_file());
    }
    // The output lines (without their CR LF).
    std::vector<std::string> ExportLines(EldpRecord& record) {
        EXPECT_TRUE(Export(record).ok());
        std::vector<std::string> lines;
        std::string text = ReadBytes(payroll_.xml_file());
        for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) {
            lines.push_back(text.substr(0, at));
            text.erase(0, at + 2);
        }
        EXPECT_EQ(text, "");  // every line, the last one included, ends with CR LF
        return lines;
    }
    static bool HasXmlLint() { return std::system("xmllint --version >/dev/null 2>&1") == 0; }
    // xmllint's verdict on the last export; with a schema it is validated.
    bool XmlLintAccepts(const std::filesystem::path& schema = {}) {
        std::string command = "xmllint --noout ";
        if (!schema.empty()) command += "--schema '" + schema.string() + "' ";
        command += "'" + payroll_.xml_file().string() + "' >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }

    PayrollInstallation payroll_;
    EldpExportList list_;
};

TEST_F(EldpXmlExport, MatchesTheGoldenFiles) {
    EXPECT_EQ(ExportFile("novak.txt"), ReadBytes(EldpData("novak.xml")));
    EXPECT_EQ(ExportFile("quirks.txt"), ReadBytes(EldpData("quirks.xml")));
    EldpRecord record;
    // The file's name as the user is told it.
    EXPECT_EQ(Export(record),
              TextFromPath(PathFromText(payroll_.base_text() + "\\xml-manualne\\eldp09.xml")));
}

TEST_F(EldpXmlExport, NumbersOnlyTheUsedRows) {
    EldpRecord record;
    record.year = "2009";
    record.rows[1].code = "7";
    record.rows[1].days = "5";
    std::vector<std::string> lines = ExportLines(record);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[8], "    <items coun=\"1\" sdex=\"\" sinc=\"\" sdar=\"\">");
    EXPECT_EQ(lines[9], RowLine({{"row", "1"}, {"cod", "7"}, {"din", "5"}}));

    record.rows[1].code = "";
    lines = ExportLines(record);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[8], "    <items coun=\"0\" sdex=\"\" sinc=\"\" sdar=\"\">");
    EXPECT_EQ(lines[9], "    </items>");
}

TEST_F(EldpXmlExport, GivesPeriodDatesOnlyForAYearAbove2000) {
    EldpRecord record;
    record.rows[0].code = "1";
    record.rows[0].from = "05.03.";
    record.rows[0].to = "__.__.";
    for (const std::string year : {"2000", "", "abc", "2001"}) {
        record.year = year;
        const std::string row = ExportLines(record)[9];
        if (year == "2001") {
            EXPECT_EQ(row, RowLine({{"row", "1"}, {"cod", "1"}, {"fro", "2001-03-05"}}));
        } else {
            EXPECT_EQ(row, RowLine({{"row", "1"}, {"cod", "1"}})) << year;
        }
    }
}

TEST_F(EldpXmlExport, WritesAnImpossibleOrUnfinishedDateAsAnEmptyValue) {
    EldpRecord record;
    record.year = "2009";
    record.birth_date = "31.02.1980";
    record.made_out = "1_.01.2010";
    record.activity_since = "";
    record.correction_date = "29.02.2008";
    record.rows[0].code = "1";
    record.rows[0].from = "30.02.";
    const std::vector<std::string> lines = ExportLines(record);
    EXPECT_NE(lines[2].find(" dre=\"2008-02-29\" "), std::string::npos);
    EXPECT_EQ(lines[6], "      <birth dat=\"\" nam=\"\" cit=\"\"/>");
    EXPECT_EQ(lines[9], RowLine({{"row", "1"}, {"cod", "1"}}));
    EXPECT_EQ(lines[11], "    <comp nam=\"\" id=\"\" vs=\"\" cre=\"\" fro=\"\"/>");
}

TEST_F(EldpXmlExport, KeepsAClientValueWithASeparatorByteOnItsLine) {
    // Ň, ć and Ç end in the byte 0x87 in UTF-8.
    EldpRecord record;
    record.surname = "ŇOVÁK"_cz;
    record.street = "Sećanje Çelik"_cz;
    record.birth_place = "TŘEBOŇ"_cz;
    const std::vector<std::string> lines = ExportLines(record);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[4], "      <name sur=\"\xC5\x87OV\xC3\x81K\" fir=\"\" tit=\"\"/>");
    EXPECT_EQ(lines[5],
              "      <adr cit=\"\" str=\"Se\xC4\x87"
              "anje \xC3\x87"
              "elik\" num=\"\" pos=\"\" "
              "pnu=\"\" cnt=\"\"/>");
    EXPECT_EQ(lines[7], "    </client>");
}

TEST_F(EldpXmlExport, CutsTheOfficeNameAndCleansTheNumbers) {
    EldpRecord record;
    record.office_name = "123456789012345678901234567890";
    record.postcode = " 110 00 ";
    record.total_base = "12 345";
    record.total_excluded =
        "1\xA0"
        "2";
    record.rows[0].code = " 1 ";
    record.rows[0].base = "1 000";
    record.rows[0].days = " 3 ";
    const std::vector<std::string> lines = ExportLines(record);
    EXPECT_NE(lines[2].find(" nam=\"123456789012345678901234567\">"), std::string::npos);
    EXPECT_NE(lines[5].find(" pnu=\"11000\" "), std::string::npos);
    EXPECT_EQ(lines[8], "    <items coun=\"1\" sdex=\"12\" sinc=\"12345\" sdar=\"\">");
    EXPECT_EQ(lines[9], RowLine({{"row", "1"}, {"cod", "1"}, {"din", "3"}, {"inc", "1000"}}));
}

TEST_F(EldpXmlExport, SetsAnEmptyTypeTo01InTheRecordToo) {
    EldpRecord record;
    EXPECT_NE(ExportLines(record)[2].find(" typ=\"01\" "), std::string::npos);
    EXPECT_EQ(record.type, "01");
}

TEST_F(EldpXmlExport, AFullRecordIsValidAgainstThePublishedSchema) {
    if (!HasXmlLint()) GTEST_SKIP() << "xmllint is not installed";
    EldpRecord record;
    IniEldp(testing::Disk(), TextFromPath(EldpData("full.txt")), record);
    record.correction_date = "15.06.2010";
    for (const EldpRow& row : record.rows) {
        for (bool mark : row.months) ASSERT_TRUE(mark);
    }
    EXPECT_TRUE(Export(record).ok());
    EXPECT_TRUE(XmlLintAccepts(EldpData("ELDP09.xsd")));

    // Well-formed whatever the values hold.
    for (const char* data : {"novak.txt", "quirks.txt"}) {
        ExportFile(data);
        EXPECT_TRUE(XmlLintAccepts()) << data;
    }
    record.employer_name = "\"<&>'\x01]]>";
    record.surname = "a=\"\" b=\"";
    EXPECT_TRUE(Export(record).ok());
    EXPECT_TRUE(XmlLintAccepts());
    EldpRecord empty;
    EXPECT_TRUE(Export(empty).ok());
    EXPECT_TRUE(XmlLintAccepts());
}

TEST_F(EldpXmlExport, TellsAndWritesNothingWithoutTheMarkerFile) {
    std::filesystem::remove(payroll_.source() / "ELDP09.src");
    EldpRecord record;
    const Status missing = Export(record).status();
    EXPECT_EQ(missing.code(), StatusCode::kNotFound);
    EXPECT_EQ(missing.message(), "Program ZERKON nemůže najít data eldp09.xml"_cz);
    EXPECT_FALSE(std::filesystem::exists(payroll_.base() / "xml-manualne"));
}

TEST_F(EldpXmlExport, StopsWithAFileErrorWithoutTheTemplate) {
    std::filesystem::remove(payroll_.source() / "ELDP09xml.src");
    EldpRecord record;
    const Status missing = Export(record).status();
    EXPECT_EQ(missing.message().rfind("Cannot open file ", 0), 0u);
    EXPECT_NE(missing.message().find("ELDP09xml.src"), std::string::npos);
    EXPECT_FALSE(missing.reason().empty());
    EXPECT_FALSE(std::filesystem::exists(payroll_.xml_file()));
}

TEST_F(EldpXmlExport, WritesAnEmptyLineForAPartWithoutMarker) {
    WriteBytes(payroll_.source() / "ELDP09.src",
               "#xml#<?xml\r\n#data_items_t1#<t1 \r\n#data_client#<client\r\n");
    EldpRecord record;
    record.rows[0].code = "1";
    record.rows[2].code = "3";
    const std::vector<std::string> lines = ExportLines(record);
    // xml, reldp, sheet, (no client block: no end marker), items, 2 rows,
    // items end, employer, sheet end, root end.
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    EXPECT_EQ(lines[4], RowLine({{"row", "1"}, {"cod", "1"}}));
    EXPECT_EQ(lines[5], RowLine({{"row", "2"}, {"cod", "3"}}));
    for (int i : {1, 2, 3, 6, 7, 8, 9}) EXPECT_EQ(lines[i], "") << i;
}

TEST_F(EldpXmlExport, LeavesTheLastExportWholeWhenTheNewOneCannotBeWritten) {
    EldpRecord record;
    record.surname = "First";
    EXPECT_TRUE(Export(record).ok());
    const std::string first = ReadBytes(payroll_.xml_file());
    ASSERT_NE(first.find("First"), std::string::npos);

    // The temporary file cannot be made: a folder stands in its place.
    std::filesystem::create_directory(payroll_.base() / "xml-manualne" / "eldp09.xml.tmp");
    std::filesystem::create_directory(payroll_.base() / "xml-manualne" / "eldp09.xml.tmp" / "x");
    record.surname = "Second";
    EXPECT_EQ(Export(record).status().message().rfind("Cannot create file ", 0), 0u);
    EXPECT_EQ(ReadBytes(payroll_.xml_file()), first);

    std::filesystem::remove_all(payroll_.base() / "xml-manualne" / "eldp09.xml.tmp");
    EXPECT_TRUE(Export(record).ok());
    EXPECT_NE(ReadBytes(payroll_.xml_file()).find("Second"), std::string::npos);
}

TEST_F(EldpXmlExport, StopsWhenTheOutputFolderCannotBeMade) {
    WriteBytes(payroll_.base() / "xml-manualne", "a file, not a folder");
    EldpRecord record;
    EXPECT_EQ(Export(record).status().code(), StatusCode::kCannotCreateFolder);
}

}  // namespace
}  // namespace zerkon
