#include "eldp/eldp_print_data.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/date_helpers.h"
#include "eldp/eldp_data_file.h"
#include "eldp_test_support.h"

namespace zerkon {
namespace {

using testing::EldpData;
using testing::ReadBytes;

std::vector<std::string> PrintData(EldpRecord& record,
                                   const RegionalSettings& regional = RegionalSettings::Czech()) {
    std::vector<std::string> lines;
    AppendEldpPrintData(record, regional, lines);
    return lines;
}

// The first line that starts with `tag`.
std::string LineOf(const std::vector<std::string>& lines, const std::string& tag) {
    for (const std::string& line : lines) {
        if (line.rfind(tag, 0) == 0) return line;
    }
    return "(no " + tag + ")";
}

bool HasLineStarting(const std::vector<std::string>& lines, const std::string& tag) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.rfind(tag, 0) == 0; });
}

TEST(EldpPrintData, MatchesTheGoldenRecord) {
    EldpRecord record;
    IniEldp(testing::Disk(), TextFromPath(EldpData("novak.txt")), record);
    std::string text;
    for (const std::string& line : PrintData(record)) text += line + "\r\n";
    EXPECT_EQ(text, ReadBytes(EldpData("novak_print.txt")));
}

TEST(EldpPrintData, WritesEveryRowAndNoLineForUntouchedDatesOrBoxes) {
    EldpRecord record;
    const std::vector<std::string> lines = PrintData(record);
    const std::vector<std::string> expected = {
        "",
        "[Table]<eldp>",
        "<ID>0",
        "<rok>",
        "<Typ>01",
        "<KodOSSZ>",
        "<NazevOSSZ>",
        "<prijmeni>",
        "<jmeno>",
        "<titul>",
        "<RC>  ",
        "<ulice>",
        "<cislo>",
        "<prijmeniR>",
        "<obec>",
        "<posta>",
        "<psc>",
        "<stat>",
        "<misNar>",
        "<kod1>",
        "<MR1>",
        "<dny1>",
        "<vylDoba1>",
        "<vymZakl1>",
        "<DobyOdect1>",
        "<kod2>",
        "<MR2>",
        "<dny2>",
        "<vylDoba2>",
        "<vymZakl2>",
        "<DobyOdect2>",
        "<kod3>",
        "<MR3>",
        "<dny3>",
        "<vylDoba3>",
        "<vymZakl3>",
        "<DobyOdect3>",
        "<vylDobaC>",
        "<vymZaklC>",
        "<DobyOdectC>",
        "<NazOrg>",
        "<ICO>",
        "<VS>",
    };
    EXPECT_EQ(lines, expected);
}

TEST(EldpPrintData, GroupsTheBirthNumberWithExactlyTwoSpaces) {
    EXPECT_EQ(PrintedBirthNumber("7553051234"), "755 305 1234");
    EXPECT_EQ(PrintedBirthNumber("755305/1234"), "755 305 1234");
    EXPECT_EQ(PrintedBirthNumber("755305123"), "755 305 123");
    EXPECT_EQ(PrintedBirthNumber("75530"), "755 30 ");
    EXPECT_EQ(PrintedBirthNumber("7"), "7  ");
    EXPECT_EQ(PrintedBirthNumber(""), "  ");
}

TEST(EldpPrintData, PadsTheTypeAndSetsAnEmptyOneTo01) {
    EldpRecord record;
    record.type = "1";
    EXPECT_EQ(LineOf(PrintData(record), "<Typ>"), "<Typ>01");
    EXPECT_EQ(record.type, "1");
    record.type = "";
    EXPECT_EQ(LineOf(PrintData(record), "<Typ>"), "<Typ>01");
    EXPECT_EQ(record.type, "01");
    record.type = "123";
    EXPECT_EQ(LineOf(PrintData(record), "<Typ>"), "<Typ>123");
}

TEST(EldpPrintData, FormatsBasesAsGroupedWholeNumbers) {
    EldpRecord record;
    record.rows[0].base = "25000";
    record.rows[1].base = "1 234 567";
    record.rows[2].base = "1234,6";
    record.total_base = "";
    std::vector<std::string> lines = PrintData(record);
    EXPECT_EQ(LineOf(lines, "<vymZakl1>"), "<vymZakl1>25 000");
    EXPECT_EQ(LineOf(lines, "<vymZakl2>"), "<vymZakl2>1 234 567");
    EXPECT_EQ(LineOf(lines, "<vymZakl3>"), "<vymZakl3>1 235");
    EXPECT_EQ(LineOf(lines, "<vymZaklC>"), "<vymZaklC>");
    record.total_base =
        "12\xA0"
        "345";
    lines = PrintData(record, RegionalSettings::English());
    EXPECT_EQ(LineOf(lines, "<vymZakl1>"), "<vymZakl1>25,000");
    EXPECT_EQ(LineOf(lines, "<vymZaklC>"), "<vymZaklC>12,345");
}

TEST(EldpPrintData, WritesDatesWithoutLeadingZeros) {
    EldpRecord record;
    record.correction_date = "05.03.2009";
    record.birth_date = "";  // empty counts as filled: the tag alone
    record.activity_since = "01._1.2009";
    record.rows[0].from = "29.02.";
    record.rows[0].to = "";
    record.rows[1].from = "1_.__.";
    const std::vector<std::string> lines = PrintData(record);
    EXPECT_EQ(LineOf(lines, "<datOprava>"), "<datOprava>5.3.2009");
    EXPECT_EQ(LineOf(lines, "<datNar>"), "<datNar>");
    EXPECT_FALSE(HasLineStarting(lines, "<datVydCin>"));
    EXPECT_EQ(LineOf(lines, "<od1>"), "<od1>29.2.");
    EXPECT_EQ(LineOf(lines, "<do1>"), "<do1>");
    EXPECT_FALSE(HasLineStarting(lines, "<od2>"));
}

TEST(EldpPrintData, StopsAtAFilledDateThatIsNoRealDate) {
    EldpRecord record;
    record.made_out = "31.02.2010";
    std::vector<std::string> lines;
    EXPECT_EQ(AppendEldpPrintData(record, RegionalSettings::Czech(), lines).message(),
              "'31.02.2010' is not a valid date");
    record.made_out = "__.__.____";
    record.rows[2].to = "31.04.";
    EXPECT_FALSE(AppendEldpPrintData(record, RegionalSettings::Czech(), lines).ok());
}

TEST(EldpPrintData, AddsOneLinePerTickedBoxAfterTheRowsLastField) {
    EldpRecord record;
    record.rows[1].months[4] = true;
    record.rows[1].months[12] = true;
    record.rows[0].months[9] = true;
    const std::vector<std::string> lines = PrintData(record);
    auto at = std::find(lines.begin(), lines.end(), "<DobyOdect2>");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(*(at + 1), "<x25>X");
    EXPECT_EQ(*(at + 2), "<x213>X");
    EXPECT_EQ(*(at + 3), "<kod3>");
    EXPECT_EQ(*(std::find(lines.begin(), lines.end(), "<DobyOdect1>") + 1), "<x110>X");
}

}  // namespace
}  // namespace zerkon
