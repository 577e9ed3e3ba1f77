#include "common/number_helpers.h"

#include <gtest/gtest.h>

namespace zerkon {
namespace {

const RegionalSettings kCzech = RegionalSettings::Czech();
const RegionalSettings kEnglish = RegionalSettings::English();

TEST(FormatAmount, GroupsThousandsWithPlainSpacesInCzech) {
    EXPECT_EQ(FormatAmount(12345678910, kCzech), "1 234 567,89");
    EXPECT_EQ(FormatAmount(-50000, kCzech), "-5,00");
    EXPECT_EQ(FormatAmount(0, kCzech), "0,00");
    EXPECT_EQ(FormatAmount(9990000, kCzech), "999,00");
    EXPECT_EQ(FormatAmount(10000000, kCzech), "1 000,00");
    EXPECT_EQ(FormatAmount(-12345678900, kCzech), "-1 234 567,89");
}

TEST(FormatAmount, EnglishGroupingCommasAreCleanedAway) {
    EXPECT_EQ(FormatAmount(12345000, kEnglish), "1234.50");
    EXPECT_EQ(FormatAmount(12345678910, kEnglish), "1234567.89");
    EXPECT_EQ(FormatAmount(50000, kEnglish), "5.00");
}

TEST(FormatAmount, RoundsHalvesAwayFromZeroAndCoversTheWholeRange) {
    EXPECT_EQ(FormatAmount(12350, kCzech), "1,24");
    EXPECT_EQ(FormatAmount(-12350, kCzech), "-1,24");
    EXPECT_EQ(FormatAmount(12349, kCzech), "1,23");
    EXPECT_EQ(FormatAmount(-49, kCzech), "0,00");
    EXPECT_EQ(FormatAmount(INT64_MIN, kCzech), "-922 337 203 685 477,58");
    EXPECT_EQ(FormatAmount(INT64_MAX, kCzech), "922 337 203 685 477,58");
}

TEST(FormatPlainAmount, NoGrouping) {
    EXPECT_EQ(FormatPlainAmount(12345600, kCzech), "1234,56");
    EXPECT_EQ(FormatPlainAmount(12345600, kEnglish), "1234.56");
    EXPECT_EQ(FormatPlainAmount(-100, kCzech), "-0,01");
}

TEST(FormatGeneral, ShortestFormWithoutTrailingZeros) {
    EXPECT_EQ(FormatGeneral(12345000, kCzech), "1234,5");
    EXPECT_EQ(FormatGeneral(12345000, kEnglish), "1234.5");
    EXPECT_EQ(FormatGeneral(12340000, kCzech), "1234");
    EXPECT_EQ(FormatGeneral(0, kCzech), "0");
    EXPECT_EQ(FormatGeneral(-1, kCzech), "-0,0001");
    EXPECT_EQ(FormatGeneral(-123456789, kCzech), "-12345,6789");
    EXPECT_EQ(FormatGeneral(12345678901234567, kCzech), "1234567890123,46");
    EXPECT_EQ(FormatGeneral(INT64_MIN, kCzech), "-922337203685478");
}

TEST(ReformatDecimalText, ReadsAndWritesTwoDecimalsWithoutGrouping) {
    EXPECT_EQ(ReformatDecimalText("1 234,5", kCzech), "1234,50");
    EXPECT_EQ(ReformatDecimalText("1\xA0"
                                  "234,5",
                                  kCzech),
              "1234,50");
    EXPECT_EQ(ReformatDecimalText("1234.5", kEnglish), "1234.50");
    EXPECT_EQ(ReformatDecimalText("abc", kCzech), "0,00");
    EXPECT_EQ(ReformatDecimalText("-0,001", kCzech), "0,00");
    EXPECT_EQ(ReformatDecimalText("1,5e3", kCzech), "1500,00");
}

TEST(FormatWholeNumber, RoundsAndGroups) {
    EXPECT_EQ(FormatWholeNumber(12346000, kCzech), "1 235");
    EXPECT_EQ(FormatWholeNumber(12345670000, kCzech), "1 234 567");
    EXPECT_EQ(FormatWholeNumber(250000000, kCzech), "25 000");
    // Only no-break spaces are changed: English keeps its grouping comma.
    EXPECT_EQ(FormatWholeNumber(12346000, kEnglish), "1,235");
    EXPECT_EQ(FormatWholeNumber(-5000, kCzech), "-1");
}

TEST(TextToFloat, RegionalSeparatorAndExponent) {
    EXPECT_DOUBLE_EQ(TextToFloat("1 234,5", kCzech), 1234.5);
    EXPECT_DOUBLE_EQ(TextToFloat("-2,5e2", kCzech), -250.0);
    EXPECT_DOUBLE_EQ(TextToFloat(",5", kCzech), 0.5);
    EXPECT_DOUBLE_EQ(TextToFloat("1234.5", kEnglish), 1234.5);
    EXPECT_EQ(TextToFloat("", kCzech), 0.0);
    EXPECT_EQ(TextToFloat("1.5", kCzech), 0.0);  // not the Czech separator
    EXPECT_EQ(TextToFloat("1,5x", kCzech), 0.0);
    EXPECT_EQ(TextToFloat("e5", kCzech), 0.0);
    EXPECT_EQ(TextToFloat("1e", kCzech), 0.0);
    EXPECT_EQ(TextToFloat("1e999999", kCzech), 0.0);
}

TEST(TextToInt, WholeNumbersOnly) {
    EXPECT_EQ(TextToInt("2009"), 2009);
    EXPECT_EQ(TextToInt(" -1\xA0"
                        "234 "),
              -1234);
    EXPECT_EQ(TextToInt("+7"), 7);
    EXPECT_EQ(TextToInt("12a"), 0);
    EXPECT_EQ(TextToInt("1,5"), 0);
    EXPECT_EQ(TextToInt(""), 0);
    EXPECT_EQ(TextToInt("+-5"), 0);
    EXPECT_EQ(TextToInt("2147483647"), 2147483647);
    EXPECT_EQ(TextToInt("2147483648"), 0);
}

TEST(TextToFixed4, AcceptsEitherDecimalSeparator) {
    EXPECT_EQ(TextToFixed4("1 234,56", kCzech), 12345600);
    EXPECT_EQ(TextToFixed4("1234.56", kCzech), 12345600);
    EXPECT_EQ(TextToFixed4("1234,56", kEnglish), 12345600);
    EXPECT_EQ(TextToFixed4("-0,5", kCzech), -5000);
    EXPECT_EQ(TextToFixed4("000123", kCzech), 1230000);
    EXPECT_EQ(TextToFixed4("1,5E2", kCzech), 1500000);
    EXPECT_EQ(TextToFixed4("25E-5", kCzech), 2);
}

TEST(TextToFixed4, GroupedOrBrokenTextsGiveZero) {
    EXPECT_EQ(TextToFixed4("1.234,56", kCzech), 0);
    EXPECT_EQ(TextToFixed4("1,234.56", kEnglish), 0);
    EXPECT_EQ(TextToFixed4("", kCzech), 0);
    EXPECT_EQ(TextToFixed4("  ", kCzech), 0);
    EXPECT_EQ(TextToFixed4("-", kCzech), 0);
    EXPECT_EQ(TextToFixed4("12a", kCzech), 0);
    EXPECT_EQ(TextToFixed4("99999999999999999999", kCzech), 0);
    EXPECT_EQ(TextToFixed4("1e99999999", kCzech), 0);
    EXPECT_EQ(TextToFixed4("1e-99999999", kCzech), 0);
}

TEST(TextToFixed4, RoundsTiesToEven) {
    EXPECT_EQ(TextToFixed4("0,00005", kCzech), 0);
    EXPECT_EQ(TextToFixed4("0,00015", kCzech), 2);
    EXPECT_EQ(TextToFixed4("0,000050001", kCzech), 1);
    EXPECT_EQ(TextToFixed4("-0,00015", kCzech), -2);
    EXPECT_EQ(TextToFixed4("922337203685477,5807", kCzech), INT64_MAX);
    EXPECT_EQ(TextToFixed4("922337203685477,5808", kCzech), 0);
}

TEST(TextToHundredths, BankAmountsInBothSeparators) {
    EXPECT_EQ(TextToHundredths("1 234,56", kCzech), 123456);
    EXPECT_EQ(TextToHundredths("1234.56", kCzech), 123456);
    // A bank field of whole halere: 123,45 Kc in ten-thousandths.
    EXPECT_EQ(TextToHundredths("000000012345", kCzech), 1234500);
    EXPECT_EQ(TextToHundredths("0,005", kCzech), 0);
    EXPECT_EQ(TextToHundredths("0,015", kCzech), 2);
    EXPECT_EQ(TextToHundredths("-0,015", kCzech), -2);
    EXPECT_EQ(TextToHundredths("0,0151", kCzech), 2);
    EXPECT_EQ(TextToHundredths("x", kCzech), 0);
}

}  // namespace
}  // namespace zerkon
