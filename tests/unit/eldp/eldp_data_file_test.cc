#include "eldp/eldp_data_file.h"

#include <gtest/gtest.h>

#include "common/cp1250_literal.h"
#include "eldp_test_support.h"

namespace zerkon {
namespace {

using testing::EldpData;
using testing::ScratchFolder;
using testing::WriteBytes;

TEST(GetAttrValue, FindsAKeyOnlyWithASpaceInFrontOfIt) {
    // "od1" must not be read out of "Kod1".
    EXPECT_EQ(GetAttrValue(" Kod1=\"1\" od1=\"05.03.\"", "od1"), "05.03.");
    EXPECT_EQ(GetAttrValue(" Kod1=\"1\"", "od1"), "");
    EXPECT_EQ(GetAttrValue("xrok=\"2009\"", "rok"), "");
    // The key that opens the text counts as having a space in front of it.
    EXPECT_EQ(GetAttrValue("rok=\"2009\"", "rok"), "2009");
}

TEST(GetAttrValue, MatchesKeysInAnyCaseAndKeepsTheValuesCase) {
    EXPECT_EQ(GetAttrValue("<e ROK=\"2009\"", "rok"), "2009");
    EXPECT_EQ(GetAttrValue("<e prijmeni=\"van Dyk\"", "Prijmeni"), "van Dyk");
    // Czech letters before the key are upper-cased too; the value comes
    // from the original text at the same place.
    EXPECT_EQ(GetAttrValue("<e Jmeno=\"šárka\" Prijmeni=\"Čížková\""_cz, "prijmeni"), "Čížková"_cz);
}

TEST(GetAttrValue, TakesTheFirstOccurrenceAndTheTextUpToTheNextQuote) {
    EXPECT_EQ(GetAttrValue(" rok=\"2009\" rok=\"2010\"", "rok"), "2009");
    EXPECT_EQ(GetAttrValue(" Ulice=\"  Dlouhá  \""_cz, "Ulice"), "  Dlouhá  "_cz);
    EXPECT_EQ(GetAttrValue(" NazOrg=\"A &amp; B\"", "NazOrg"), "A &amp; B");
}

TEST(GetAttrValue, GivesNothingForAMissingKeyOrClosingQuote) {
    EXPECT_EQ(GetAttrValue(" rok=\"2009", "rok"), "");
    EXPECT_EQ(GetAttrValue(" rok=2009", "rok"), "");
    EXPECT_EQ(GetAttrValue("", "rok"), "");
}

TEST(ApplyEldpData, FillsEveryFieldFromItsKey) {
    EldpRecord record;
    ApplyEldpData(
        " rok=\"2009\" typ=\"1\" kodOSSZ=\"105\" NazevOSSZ=\"OSSZ\" Prijmeni=\"P\" Jmeno=\"J\""
        " Titul=\"T\" DatNar=\"01.02.1970\" RC=\"123\" Ulice=\"U\" Cislo=\"C\" PrijmeniR=\"R\""
        " Obec=\"O\" Posta=\"Po\" PSC=\"111 22\" stat=\"CZ\" MisNar=\"M\""
        " Kod3=\"K\" MR3=\"A\" od3=\"01.01.\" do3=\"02.02.\" Dny3=\"3\" VylDoba3=\"4\""
        " VymZakl3=\"5\" DobyOdect3=\"6\" VylDobaC=\"7\" VymZaklC=\"8\" DobyOdectC=\"9\""
        " NazOrg=\"N\" ICO=\"I\" VS=\"V\" DatVydCin=\"03.04.2005\" datVyh=\"06.07.2010\"",
        record);
    EXPECT_EQ(record.year, "2009");
    EXPECT_EQ(record.type, "1");
    EXPECT_EQ(record.office_code, "105");
    EXPECT_EQ(record.office_name, "OSSZ");
    EXPECT_EQ(record.surname, "P");
    EXPECT_EQ(record.first_name, "J");
    EXPECT_EQ(record.title, "T");
    EXPECT_EQ(record.birth_date, "01.02.1970");
    EXPECT_EQ(record.birth_number, "123");
    EXPECT_EQ(record.street, "U");
    EXPECT_EQ(record.house_number, "C");
    EXPECT_EQ(record.birth_surname, "R");
    EXPECT_EQ(record.municipality, "O");
    EXPECT_EQ(record.post_office, "Po");
    EXPECT_EQ(record.postcode, "111 22");
    EXPECT_EQ(record.country, "CZ");
    EXPECT_EQ(record.birth_place, "M");
    const EldpRow& row = record.rows[2];
    EXPECT_EQ(row.code, "K");
    EXPECT_EQ(row.mr, "A");
    EXPECT_EQ(row.from, "01.01.");
    EXPECT_EQ(row.to, "02.02.");
    EXPECT_EQ(row.days, "3");
    EXPECT_EQ(row.excluded, "4");
    EXPECT_EQ(row.base, "5");
    EXPECT_EQ(row.deducted, "6");
    EXPECT_EQ(record.total_excluded, "7");
    EXPECT_EQ(record.total_base, "8");
    EXPECT_EQ(record.total_deducted, "9");
    EXPECT_EQ(record.employer_name, "N");
    EXPECT_EQ(record.employer_id, "I");
    EXPECT_EQ(record.variable_symbol, "V");
    EXPECT_EQ(record.activity_since, "03.04.2005");
    EXPECT_EQ(record.made_out, "06.07.2010");
}

TEST(ApplyEldpData, EmptiesFieldsWithoutKeysAndKeepsTheUnloadedOnes) {
    EldpRecord record;
    record.tech_code = "TK";
    record.correction_date = "01.01.2010";
    record.surname = "typed by hand";
    record.rows[0].from = "05.05.";
    ApplyEldpData(" rok=\"2009\"", record);
    EXPECT_EQ(record.surname, "");
    EXPECT_EQ(record.rows[0].from, "");  // untouched mask text replaced too
    EXPECT_EQ(record.birth_date, "");
    EXPECT_EQ(record.tech_code, "TK");
    EXPECT_EQ(record.correction_date, "01.01.2010");
}

TEST(ApplyEldpData, ChecksMonthBoxesOnlyByACapitalXAndNeverUnchecksThem) {
    EldpRecord record;
    record.rows[1].months[0] = true;  // ticked by the user before the load
    ApplyEldpData(" x101=\"X\" x105=\"x\" x113=\"X\" x201=\"\" x213=\"X \" x312=\"X\"", record);
    EXPECT_TRUE(record.rows[0].months[0]);
    EXPECT_FALSE(record.rows[0].months[4]);
    EXPECT_TRUE(record.rows[0].months[12]);
    EXPECT_TRUE(record.rows[1].months[0]);
    EXPECT_FALSE(record.rows[1].months[12]);
    EXPECT_TRUE(record.rows[2].months[11]);
    int ticked = 0;
    for (const EldpRow& row : record.rows) {
        for (bool mark : row.months) ticked += mark ? 1 : 0;
    }
    EXPECT_EQ(ticked, 4);
}

TEST(IniEldp, JoinsTheLinesWithNothingBetweenThem) {
    ScratchFolder folder;
    // "Jmeno" opens a line after one that ends without a space: once joined
    // it has no space in front and is not found; "rok" opens the file.
    WriteBytes(folder.path() / "data.txt",
               "rok=\"2009\" Prijmeni=\"Novák\"\r\nJmeno=\"Jan\"\r\n Titul=\"Ing.\"\n"_cz
               " NazevOSSZ=\"Okresní správa sociálního zabezpečení\"\r\n"_cz);
    EldpRecord record;
    IniEldp(testing::Disk(), folder.text() + "data.txt", record);
    EXPECT_EQ(record.year, "2009");
    EXPECT_EQ(record.surname, "Novák"_cz);
    EXPECT_EQ(record.first_name, "");
    EXPECT_EQ(record.title, "Ing.");
    // Longer than the form's field allows; loaded whole all the same.
    EXPECT_EQ(record.office_name, "Okresní správa sociálního zabezpečení"_cz);
}

TEST(IniEldp, AMissingFileEmptiesTheTextFieldsAndKeepsTheMarks) {
    ScratchFolder folder;
    EldpRecord record;
    IniEldp(testing::Disk(), TextFromPath(EldpData("novak.txt")), record);
    ASSERT_EQ(record.surname, " Nováková "_cz);
    ASSERT_TRUE(record.rows[0].months[0]);

    IniEldp(testing::Disk(), folder.text() + "missing.txt", record);
    EXPECT_EQ(record.year, "");
    EXPECT_EQ(record.surname, "");
    EXPECT_EQ(record.rows[0].code, "");
    EXPECT_EQ(record.made_out, "");
    EXPECT_TRUE(record.rows[0].months[0]);
    EXPECT_TRUE(record.rows[1].months[11]);
}

}  // namespace
}  // namespace zerkon
