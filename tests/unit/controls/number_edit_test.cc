#include "controls/number_edit.h"

#include <gtest/gtest.h>

#include "common/cp1250_literal.h"

namespace zerkon::edit {
namespace {

TEST(NormalizeNumberText, CleansSignZerosAndDecimals) {
    EXPECT_EQ(NormalizeNumberText("0012,5", ',', 2, 2), "12,50");
    EXPECT_EQ(NormalizeNumberText("-0", ',', 2, 2), "0,00");
    EXPECT_EQ(NormalizeNumberText("7", ',', 2, 2), "7,00");
    EXPECT_EQ(NormalizeNumberText("-12,345", ',', 2, 2), "-12,34");
    EXPECT_EQ(NormalizeNumberText(",5", ',', 2, 2), "0,50");
    EXPECT_EQ(NormalizeNumberText("-,5", ',', 2, 2), "-0,50");
    EXPECT_EQ(NormalizeNumberText("1,2,3", ',', 2, 2), "1,23");
    EXPECT_EQ(NormalizeNumberText("", ',', 2, 2), "");
    EXPECT_EQ(NormalizeNumberText("1.5", '.', 1, 3), "1.500");
}

TEST(NormalizeNumberText, WithoutKeptDecimalsDropsTheFraction) {
    EXPECT_EQ(NormalizeNumberText("12,7", ',', 0, 0), "12");
    EXPECT_EQ(NormalizeNumberText("0012", ',', 0, 0), "12");
    EXPECT_EQ(NormalizeNumberText("12,7", ',', 0, 2), "12,00");
    EXPECT_EQ(NormalizeNumberText("-000", ',', 0, 0), "0");
}

TEST(NormalizeNumberText, NoIntegerPartIsNoNumber) {
    EXPECT_EQ(NormalizeNumberText("-", ',', 2, 2), std::nullopt);
    EXPECT_EQ(NormalizeNumberText("abc", ',', 2, 2), std::nullopt);
}

TEST(FormatNumberDisplay, GroupsFromTheRightWithTheSignInTheFirstGroup) {
    EXPECT_EQ(FormatNumberDisplay("1234567,5", ',', 2, 3, ' '), "1 234 567,5");
    EXPECT_EQ(FormatNumberDisplay("-123,45", ',', 2, 3, ' '), "- 123,45");
    EXPECT_EQ(FormatNumberDisplay("123456", ',', 2, 3, ' '), "123 456");
    EXPECT_EQ(FormatNumberDisplay("12,3456", ',', 2, 3, ' '), "12,34");
    EXPECT_EQ(FormatNumberDisplay("1234,56", ',', 0, 3, ' '), "1 234");
    EXPECT_EQ(FormatNumberDisplay("1234,5678", ',', 2, 0, ' '), "1234,5678");
    EXPECT_EQ(FormatNumberDisplay("1234567", ',', 2, 2, '.'), "1.23.45.67");
}

TEST(NumberDisplayText, AddsTheCurrencyAsPlaced) {
    TNumberEdit n;
    EXPECT_EQ(NumberDisplayText(TypeEdit::teCurrency, n, "1234567,5", ','), "1 234 567,5 Kč"_cz);
    EXPECT_EQ(NumberDisplayText(TypeEdit::teCurrency, n, "-123,45", ','), "- 123,45 Kč"_cz);
    EXPECT_EQ(NumberDisplayText(TypeEdit::teCurrency, n, "", ','), "");
    EXPECT_EQ(NumberDisplayText(TypeEdit::teFloat, n, "1234,5", ','), "1 234,5");
    EXPECT_EQ(NumberDisplayText(TypeEdit::teInteger, n, "1234", ','), "1 234");
    n.curr_position = CurrencyPos::ncCurr_Left;
    EXPECT_EQ(NumberDisplayText(TypeEdit::teCurrency, n, "5", ','), "Kč 5"_cz);
    n.curr_position = CurrencyPos::ncCurrRight;
    EXPECT_EQ(NumberDisplayText(TypeEdit::teCurrency, n, "5", ','), "5Kč"_cz);
    n.curr_position = CurrencyPos::ncCurrLeft;
    EXPECT_EQ(NumberDisplayText(TypeEdit::teCurrency, n, "5", ','), "Kč5"_cz);
    n.curr_text_show = false;
    EXPECT_EQ(NumberDisplayText(TypeEdit::teCurrency, n, "5", ','), "5");
    TNumberEdit ungrouped;
    ungrouped.number_count = 0;
    EXPECT_EQ(NumberDisplayText(TypeEdit::teCurrency, ungrouped, "1234,567", ','),
              "1234,567 Kč"_cz);
}

TEST(NumberAllowedChars, FollowSignRulesAndType) {
    TNumberEdit n;
    CharSet currency = NumberAllowedChars(TypeEdit::teCurrency, n);
    EXPECT_TRUE(Contains(currency, ',') && Contains(currency, '.') && Contains(currency, '-'));
    CharSet integer = NumberAllowedChars(TypeEdit::teInteger, n);
    EXPECT_FALSE(Contains(integer, ',') || Contains(integer, '.'));
    EXPECT_TRUE(Contains(integer, '7'));
    n.value_min = 1;
    n.value_max = 100;
    EXPECT_FALSE(Contains(NumberAllowedChars(TypeEdit::teFloat, n), '-'));
    n.value_min = -1;
    EXPECT_TRUE(Contains(NumberAllowedChars(TypeEdit::teFloat, n), '-'));
    n.number_area = NumberArea::naPositive;
    EXPECT_FALSE(Contains(NumberAllowedChars(TypeEdit::teFloat, n), '-'));
    n = {};
    n.value_min = 5;
    n.number_area = NumberArea::naNegative;
    EXPECT_TRUE(Contains(NumberAllowedChars(TypeEdit::teFloat, n), '-'));
    n = {};
    n.decimal = 0;
    EXPECT_FALSE(Contains(NumberAllowedChars(TypeEdit::teCurrency, n), ','));
}

TEST(LoadNumberText, CleansOrClears) {
    TNumberEdit n;
    CharSet cur = NumberAllowedChars(TypeEdit::teCurrency, n);
    CharSet integer = NumberAllowedChars(TypeEdit::teInteger, n);
    EXPECT_EQ(LoadNumberText(TypeEdit::teInteger, n, "12,7", ',', integer), "12");
    EXPECT_EQ(LoadNumberText(TypeEdit::teCurrency, n, "12.5", ',', cur), "12,50");
    EXPECT_EQ(LoadNumberText(TypeEdit::teCurrency, n, "1 234,5 Kč"_cz, ',', cur), "1234,50");
    EXPECT_EQ(LoadNumberText(TypeEdit::teCurrency, n, "abc", ',', cur), "");
    EXPECT_EQ(LoadNumberText(TypeEdit::teInteger, n, "-", ',', integer), "");
    EXPECT_EQ(LoadNumberText(TypeEdit::teFloat, n, "3,25", '.', cur), "3.25");
}

TEST(CurrencyText, ParsesAndWritesShortestForm) {
    EXPECT_EQ(ParseAmount("12,5", ','), 125000);
    EXPECT_EQ(ParseAmount("-0,0001", ','), -1);
    EXPECT_EQ(ParseAmount("0,00005", ','), 0);  // half to even
    EXPECT_EQ(ParseAmount("0,00015", ','), 2);
    EXPECT_EQ(ParseAmount("0,000051", ','), 1);
    EXPECT_EQ(ParseAmount("12.5", ','), std::nullopt);
    EXPECT_EQ(ParseAmount("", ','), std::nullopt);
    EXPECT_EQ(ParseAmount("-", ','), std::nullopt);
    EXPECT_EQ(ParseAmount("1 000", ','), std::nullopt);
    EXPECT_EQ(ParseAmount("99999999999999999", ','), std::nullopt);
    EXPECT_EQ(AmountToText(125000, ','), "12,5");
    EXPECT_EQ(AmountToText(30000, ','), "3");
    EXPECT_EQ(AmountToText(-5, '.'), "-0.0005");
    EXPECT_EQ(AmountToText(0, ','), "0");
}

TEST(NumberTextFromValue, CutsDecimalsAndRoundsIntegers) {
    TNumberEdit n;
    EXPECT_EQ(NumberTextFromValue(TypeEdit::teCurrency, n, 123456, ','), "12,34");
    EXPECT_EQ(NumberTextFromValue(TypeEdit::teFloat, n, 120000, ','), "12");
    EXPECT_EQ(NumberTextFromValue(TypeEdit::teInteger, n, 125000, ','), "12");
    EXPECT_EQ(NumberTextFromValue(TypeEdit::teInteger, n, 135000, ','), "14");
    EXPECT_EQ(NumberTextFromValue(TypeEdit::teInteger, n, -126000, ','), "-13");
    n.decimal = 0;
    EXPECT_EQ(NumberTextFromValue(TypeEdit::teCurrency, n, 125000, ','), "12");
}

TEST(ClampValue, OnlyBoundsThatAreSet) {
    TNumberEdit n;
    EXPECT_EQ(ClampValue(n, -50), -50);
    n.value_max = 100;
    EXPECT_EQ(ClampValue(n, 150), 100);
    EXPECT_EQ(ClampValue(n, -150), -150);
    n.value_min = -10;
    EXPECT_EQ(ClampValue(n, -150), -10);
}

TEST(ValidateNumberText, MessagesWithTheirExactTexts) {
    TNumberEdit n;
    n.valid = true;
    CharSet all = NumberAllowedChars(TypeEdit::teCurrency, n);
    EXPECT_EQ(ValidateNumberText(n, "-5,00", all, ',', '\xA0'), std::nullopt);
    EXPECT_EQ(ValidateNumberText(n, "", all, ',', '\xA0'),
              "Zadaná číselná hodnota \"\" není číslo !"_cz);

    n.number_area = NumberArea::naOnlyPositive;
    EXPECT_EQ(ValidateNumberText(n, "0,00", all, ',', '\xA0'),
              "Zadání je pouze pro kladná čísla.\n0,00 nevyhovuje."_cz);
    n.number_area = NumberArea::naPositive;
    EXPECT_EQ(ValidateNumberText(n, "0,00", all, ',', '\xA0'), std::nullopt);
    EXPECT_EQ(ValidateNumberText(n, "-1234,5", all, ',', '\xA0'),
              "Zadání platí pro kladná čísla.\n-1 234,50 nevyhovuje."_cz);
    n.number_area = NumberArea::naOnlyNegative;
    EXPECT_EQ(ValidateNumberText(n, "0", all, ',', '\xA0'),
              "Zadání je pouze pro záporná čísla.\n0,00 nevyhovuje."_cz);
    n.number_area = NumberArea::naNegative;
    EXPECT_EQ(ValidateNumberText(n, "1,005", all, ',', '\xA0'),
              "Zadání platí pro záporná čísla.\n1,01 nevyhovuje."_cz);

    n.number_area = NumberArea::naUnspecified;
    n.value_min = -100 * kAmountUnit;
    EXPECT_EQ(ValidateNumberText(n, "5", all, ',', '\xA0'),
              "Maximální číselná hodnota je \"0\""_cz);
    n.value_min = 15000;
    n.value_max = 1000000;
    EXPECT_EQ(ValidateNumberText(n, "1", all, ',', '\xA0'),
              "Minimální číselná hodnota je \"1,5\""_cz);
    EXPECT_EQ(ValidateNumberText(n, "100,01", all, ',', '\xA0'),
              "Maximální číselná hodnota je \"100\""_cz);
    EXPECT_EQ(ValidateNumberText(n, "100", all, ',', '\xA0'), std::nullopt);
}

TEST(ValidateNumberText, NoRangeCheckWithoutBounds) {
    TNumberEdit n;
    CharSet all = NumberAllowedChars(TypeEdit::teCurrency, n);
    EXPECT_EQ(ValidateNumberText(n, "-99999", all, ',', '\xA0'), std::nullopt);
    EXPECT_EQ(FormatMessageNumber(12345678900, '.', ','), "1,234,567.89");
}

TEST(CutSurplusDecimals, AtMostTenCharactersPerCut) {
    EXPECT_EQ(CutSurplusDecimals("12,3456", ',', 2), "12,34");
    EXPECT_EQ(CutSurplusDecimals("12,3456", ',', 0), "12");
    EXPECT_EQ(CutSurplusDecimals("12", ',', 0), "12");
    EXPECT_EQ(CutSurplusDecimals("1,123456789012", ',', 0), "1012");
}

}  // namespace
}  // namespace zerkon::edit
