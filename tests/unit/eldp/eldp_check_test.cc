#include "eldp/eldp_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "common/cp1250_literal.h"
#include "eldp_test_support.h"

namespace zerkon {
namespace {

using testing::FilingReadyRecord;

struct Case {
    const char* what;
    std::function<void(EldpRecord&)> change;
    const char* field;    // the first problem's field; "" for a sheet fit for filing
    const char* message;  // part of its message
};

const Case kCases[] = {
    {"the filing-ready sheet", [](auto&) {}, "", ""},
    // Birth numbers.
    {"a man's ten digits",
     [](auto& r) { r.birth_number = "7503051237", r.birth_date = "05.03.1975"; }, "", ""},
    {"nine digits before 1954",
     [](auto& r) { r.birth_number = "530305123", r.birth_date = "05.03.1953"; }, "", ""},
    {"the +20 series", [](auto& r) { r.birth_number = "7523051239"; }, "", ""},
    {"the +70 series", [](auto& r) { r.birth_number = "7573051233"; }, "", ""},
    {"nine digits leaving 10, last 0", [](auto& r) { r.birth_number = "7553050000"; }, "", ""},
    {"a wrong check digit", [](auto& r) { r.birth_number = "7553051234"; }, "leRC", "kontrolní"_cz},
    {"nine digits from 1954", [](auto& r) { r.birth_number = "755305123"; }, "leRC", "1954"},
    {"the +20 series in nine digits",
     [](auto& r) { r.birth_number = "532305123", r.birth_date = "05.03.1953"; }, "leRC",
     "datum narození"_cz},
    {"a month 13", [](auto& r) { r.birth_number = "7513051238"; }, "leRC", "datum narození"_cz},
    {"another birth date", [](auto& r) { r.birth_date = "06.03.1975"; }, "leRC", "05.03.1975"},
    {"eight digits", [](auto& r) { r.birth_number = "75530512"; }, "leRC", "9 nebo 10"},
    {"a letter", [](auto& r) { r.birth_number = "75530512a1"; }, "leRC", "jen číslice"_cz},
    {"no birth number", [](auto& r) { r.birth_number = ""; }, "leRC", "není vyplněno"_cz},
    // The employer's IČ.
    {"an IC leaving remainder 1", [](auto& r) { r.employer_id = "00000060"; }, "", ""},
    {"a wrong IC checksum", [](auto& r) { r.employer_id = "12345678"; }, "leICO", "kontrolní"_cz},
    {"an IC of seven digits", [](auto& r) { r.employer_id = "1234567"; }, "leICO", "8 číslic"_cz},
    // Periods and days.
    {"a short period", [](auto& r) { r.rows[0].from = "01.06.", r.rows[0].days = "214"; }, "", ""},
    {"more days than the period", [](auto& r) { r.rows[0].days = "366"; }, "leDny1", "365"},
    {"Od after Do", [](auto& r) { r.rows[0].from = "01.06.", r.rows[0].to = "31.05."; }, "leOd1",
     "Do"},
    {"no 31 February", [](auto& r) { r.rows[0].to = "31.02."; }, "leDo1", "v roce 2009"},
    {"a half-typed Od", [](auto& r) { r.rows[0].from = "01.0_."; }, "leOd1", "není úplné"_cz},
    {"no Do", [](auto& r) { r.rows[0].to = "__.__."; }, "leDo1", "není vyplněno"_cz},
    {"no days", [](auto& r) { r.rows[0].days = ""; }, "leDny1", "není vyplněno"_cz},
    {"no assessment base", [](auto& r) { r.rows[0].base = " "; }, "leVymZakl1", "není vyplněno"_cz},
    // Rows and totals.
    {"no used row", [](auto& r) { r.rows[0] = EldpRow{}; }, "leKod1", "alespoň jeden"_cz},
    {"a row without its code", [](auto& r) { r.rows[1].days = "5"; }, "leKod2", "bez kódu"_cz},
    {"totals with blanks", [](auto& r) { r.total_base = "250 000"; }, "", ""},
    {"a total off by one", [](auto& r) { r.total_base = "250001"; }, "leVymZaklCelkem", "250000"},
    {"no total of filled rows", [](auto& r) { r.rows[0].excluded = "5"; }, "leVylDobyCelkem", "5"},
    {"two rows summed",
     [](auto& r) {
         r.rows[1] = r.rows[0], r.rows[0].to = "30.06.", r.rows[0].days = "181";
         r.rows[1].from = "01.07.", r.rows[1].days = "184", r.rows[1].base = "1 000";
         r.total_base = "251000";
     },
     "", ""},
    // Other fields.
    {"a postcode with a space", [](auto& r) { r.postcode = "150 00"; }, "", ""},
    {"a postcode of four digits", [](auto& r) { r.postcode = "1500"; }, "lePSC", "5 číslic"_cz},
    {"a two-digit year", [](auto& r) { r.year = "09"; }, "leRok", "po roce 2000"},
    {"no variable symbol", [](auto& r) { r.variable_symbol = ""; }, "leVS", "není vyplněno"_cz},
    {"a long name", [](auto& r) { r.surname.assign(60, 'a'); }, "", ""},
    {"a country of three letters", [](auto& r) { r.country = "CZE"; }, "leStat", "2 znaky"},
    {"no 31 February of birth", [](auto& r) { r.birth_date = "31.02.1975"; }, "leDatumNar",
     "platné datum"_cz},
    {"a half-typed date made out", [](auto& r) { r.made_out = "15.1_.2010"; }, "leDatumELDP",
     "není úplné"_cz},
};

TEST(CheckEldpRecord, NamesTheFirstFieldThatIsWrongAndSaysWhy) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        EldpRecord record = FilingReadyRecord();
        c.change(record);
        const std::vector<EldpProblem> problems = CheckEldpRecord(record);
        if (*c.field == '\0') {
            EXPECT_EQ(EldpProblemLines(problems, 5), "");
            continue;
        }
        ASSERT_FALSE(problems.empty());
        EXPECT_EQ(problems.front().field, c.field);
        EXPECT_THAT(problems.front().message, ::testing::HasSubstr(c.message));
    }
}

TEST(CheckEldpRecord, LabelsRowsAndTotalsByTheirColumnsAndListsTheFirstFifteen) {
    EldpRecord record = FilingReadyRecord();
    record.rows[1].days = "5";
    record.rows[2].code = "1";
    record.total_excluded = "x";
    const std::vector<EldpProblem> problems = CheckEldpRecord(record);
    ASSERT_GE(problems.size(), 3u);
    EXPECT_EQ(problems[0].label, "Kód (2. řádek)"_cz);
    EXPECT_EQ(problems[1].label, "Od (3. řádek)"_cz);
    EXPECT_EQ(problems.back().label, "Celkem (Vylouč. doby)"_cz);

    std::vector<EldpProblem> many(17, {"leRC", "Rodné číslo pojištěnce"_cz, "chyba"});
    const std::string lines = EldpProblemLines(many, kEldpProblemsShown, "  ");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 16);
    EXPECT_TRUE(lines.starts_with("  Rodné číslo pojištěnce: chyba\n"_cz));
    EXPECT_TRUE(lines.ends_with("  … a další chyby: 2\n"_cz));
}

}  // namespace
}  // namespace zerkon
