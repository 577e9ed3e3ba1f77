#include "bank/kpc_decoder.h"

#include <gtest/gtest.h>

#include "bank_test_support.h"
#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

using Lines = std::vector<std::string>;

const RegionalSettings kCzech = RegionalSettings::Czech();
const std::string kStars(70, '*');

Lines Decode(std::string_view bytes, const RegionalSettings& regional = kCzech) {
    return testing::Lines(testing::Held([&](OutputText& out) {
        DecodeKpc(BankSource{bytes, "f.kpc", {2009, 3, 7}}, regional, out);
    }));
}

Lines Summary(int count, std::string_view sum) {
    return {kStars, "Celkový počet řádků:  "_cz + std::to_string(count),
            "Celková částka k proplacení:  "_cz + std::string(sum), kStars};
}

// The last four lines.
Lines SummaryOf(const Lines& lines) {
    return Lines(lines.end() - std::min<size_t>(4, lines.size()), lines.end());
}

TEST(DecodeKpc, EmptyFileGivesOnlyTheFixedLines) {
    Lines expected{"Soubor:  f.kpc", "Ze dne:  7.3.2009", ""};
    for (const std::string& line : Summary(0, "0,00")) expected.push_back(line);
    EXPECT_EQ(Decode(""), expected);
}

TEST(DecodeKpc, FirstThreeLinesAreTakenByPosition) {
    // Line 3 loses its first two characters even without "2 "; a "5 +" there
    // does not stop anything.
    const Lines lines = Decode("x\r\n5 +\r\nXY5 + 100 010203\r\n5 +\r\nitem");
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[3], kStars);
    EXPECT_EQ(lines[4], "Firma: ");
    EXPECT_EQ(lines[5], "Na vrub účtu:  5 / "_cz);
    EXPECT_EQ(lines[6], "Celková částka k proplacení:  0,00"_cz);
    // A date shorter than six characters gets its dots where it ends.
    EXPECT_EQ(lines[7], "Datum splatnosti:  10.0.");
    EXPECT_EQ(lines[8], kStars);
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(SummaryOf(lines), Summary(0, "0,00"));
}

TEST(DecodeKpc, ShortHeadersAndItemsGiveShortFields) {
    const Lines lines = Decode("UHL1\n1 1501\n2 123 4567 1203\n000-9 150\n");
    EXPECT_EQ(lines[4], "Firma: ");
    EXPECT_EQ(lines[5], "Na vrub účtu:  123 / "_cz);
    EXPECT_EQ(lines[6], "Celková částka k proplacení:  45,67"_cz);
    EXPECT_EQ(lines[7], "Datum splatnosti:  12.03.");
    EXPECT_EQ(Lines(lines.begin() + 10, lines.begin() + 17),
              (Lines{"Ve prospěch účtu:  000-9 / "_cz, "Částka:  1,50"_cz,
                     "VS:  ", "KS:  ", "SS:  ", "Zpráva pro příjemce:  "_cz, ""}));
}

TEST(DecodeKpc, SumAndCountCoverAllGroupsButNotGroupAmounts) {
    const std::string file =
        "UHL1070309Firma\n1 1501 001000 0800\n2 1 999999 010109\n"
        "a 100 1 08000308 0\n3 +\n2 2 888888 020209\nb 250 2 01000000 0\n"
        "c 1.5 3 01000000 0\n3 +\n";
    const Lines lines = Decode(file);
    // 1.5 halere is kept exactly; only the shown sum is rounded.
    EXPECT_EQ(SummaryOf(lines), Summary(3, "3,52"));
    // Without "5 +" every line is read; a further group repeats the firm.
    EXPECT_EQ(lines[17], kStars);
    EXPECT_EQ(lines[18], "Firma: Firma");
    EXPECT_EQ(lines[19], "Na vrub účtu:  2 / 0800"_cz);
}

TEST(DecodeKpc, MessageKeepsEverythingAfterTheFifthSpace) {
    const Lines lines =
        Decode("h\nh\nh\nacc 1 vs 01000308 ss AV:  dvě  mezery \n5 +\nlost item\n"_cz);
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[15], "Zpráva pro příjemce:  AV:  dvě  mezery "_cz);
    EXPECT_EQ(SummaryOf(lines), Summary(1, "0,01"));
}

TEST(DecodeKpc, EnglishSettingsFormatAmountsWithAPoint) {
    const Lines lines = Decode("h\nh\n2 a 123456789 010109\n", RegionalSettings::English());
    EXPECT_EQ(lines[6], "Celková částka k proplacení:  1234567.89"_cz);
}

TEST(DecodeKpc, HugeAmountsSaturateInsteadOfOverflowing) {
    std::string file = "h\nh\nh\n";
    for (int i = 0; i < 101; ++i) file += "a 922337203685477 1 1 1\n";
    EXPECT_EQ(SummaryOf(Decode(file)), Summary(101, "922 337 203 685 477,58"));
}

}  // namespace
}  // namespace zerkon
