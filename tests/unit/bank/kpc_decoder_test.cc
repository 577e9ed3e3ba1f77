#include "bank/kpc_decoder.h"

#include <gtest/gtest.h>

#include "bank/preview_text.h"
#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

const RegionalSettings kCzech = RegionalSettings::Czech();
const std::string kStars(70, '*');

PreviewLines Decode(std::string_view bytes, const RegionalSettings& regional = kCzech) {
    PreviewLines preview;
    DecodeKpc(BankSource{bytes, "f.kpc", {2009, 3, 7}}, regional, preview);
    return preview;
}

std::string Summary(int count, std::string_view sum) {
    return kStars + "\r\nCelkový počet řádků:  "_cz + std::to_string(count) +
           "\r\nCelková částka k proplacení:  "_cz + std::string(sum) + "\r\n" + kStars;
}

TEST(DecodeKpc, EmptyFileGivesOnlyTheFixedLines) {
    EXPECT_EQ(Decode(""),
              (PreviewLines{"Soubor:  f.kpc", "Ze dne:  7.3.2009", "", Summary(0, "0,00")}));
}

TEST(DecodeKpc, FirstThreeLinesAreTakenByPosition) {
    // Line 3 loses its first two characters even without "2 "; a "5 +" there
    // does not stop anything.
    const PreviewLines preview = Decode("x\r\n5 +\r\nXY5 + 100 010203\r\n5 +\r\nitem");
    ASSERT_EQ(preview.size(), 9u);
    EXPECT_EQ(preview[4], "Firma: ");
    EXPECT_EQ(preview[5], "Na vrub účtu:  5 / "_cz);
    EXPECT_EQ(preview[6], "Celková částka k proplacení:  0,00"_cz);
    // A date shorter than six characters gets its dots where it ends.
    EXPECT_EQ(preview[7], "Datum splatnosti:  10.0.\r\n" + kStars + "\r\n");
    EXPECT_EQ(preview[8], Summary(0, "0,00"));
}

TEST(DecodeKpc, ShortHeadersAndItemsGiveShortFields) {
    const PreviewLines preview = Decode("UHL1\n1 1501\n2 123 4567 1203\n000-9 150\n");
    EXPECT_EQ(preview[4], "Firma: ");
    EXPECT_EQ(preview[5], "Na vrub účtu:  123 / "_cz);
    EXPECT_EQ(preview[6], "Celková částka k proplacení:  45,67"_cz);
    EXPECT_EQ(preview[7], "Datum splatnosti:  12.03.\r\n" + kStars + "\r\n");
    EXPECT_EQ(preview[8],
              "Ve prospěch účtu:  000-9 / \r\nČástka:  1,50\r\nVS:  \r\nKS:  \r\nSS:  \r\n"_cz
              "Zpráva pro příjemce:  \r\n"_cz);
}

TEST(DecodeKpc, SumAndCountCoverAllGroupsButNotGroupAmounts) {
    const std::string file =
        "UHL1070309Firma\n1 1501 001000 0800\n2 1 999999 010109\n"
        "a 100 1 08000308 0\n3 +\n2 2 888888 020209\nb 250 2 01000000 0\n"
        "c 1.5 3 01000000 0\n3 +\n";
    const PreviewLines preview = Decode(file);
    // 1.5 halere is kept exactly; only the shown sum is rounded.
    EXPECT_EQ(preview.back(), Summary(3, "3,52"));
    // Without "5 +" every line is read; a further group repeats the firm.
    EXPECT_EQ(preview[9], kStars + "\r\nFirma: Firma");
}

TEST(DecodeKpc, MessageKeepsEverythingAfterTheFifthSpace) {
    const PreviewLines preview =
        Decode("h\nh\nh\nacc 1 vs 01000308 ss AV:  dvě  mezery \n5 +\nlost item\n"_cz);
    ASSERT_EQ(preview.size(), 10u);
    EXPECT_NE(preview[8].find("\r\nZpráva pro příjemce:  AV:  dvě  mezery \r\n"_cz),
              std::string::npos);
    EXPECT_EQ(preview.back(), Summary(1, "0,01"));
}

TEST(DecodeKpc, EnglishSettingsFormatAmountsWithAPoint) {
    const PreviewLines preview =
        Decode("h\nh\n2 a 123456789 010109\n", RegionalSettings::English());
    EXPECT_EQ(preview[6], "Celková částka k proplacení:  1234567.89"_cz);
}

TEST(DecodeKpc, HugeAmountsSaturateInsteadOfOverflowing) {
    std::string file = "h\nh\nh\n";
    for (int i = 0; i < 101; ++i) file += "a 922337203685477 1 1 1\n";
    const PreviewLines preview = Decode(file);
    EXPECT_EQ(preview.back(), Summary(101, "922 337 203 685 477,58"));
}

}  // namespace
}  // namespace zerkon
