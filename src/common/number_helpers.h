#pragma once
// Number texts in the user's regional settings. Amounts are fixed-point
// integers; parse failures give 0 and never throw.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/regional.h"

namespace zerkon {

// A money value in ten-thousandths (value x 10000): the program's one money type.
using Amount = std::int64_t;
inline constexpr Amount kAmountUnit = 10000;
// A value in hundredths (value x 100; for money: halere).
using Hundredths = std::int64_t;

// Formatting rounds halves away from zero. The result has no-break spaces
// turned into spaces and, when it holds both ',' and '.', every occurrence of
// the one that comes first removed (English grouping commas disappear).

// Mask "#,##0.00": Czech 1 234 567,89, English 1234567.89.
std::string FormatAmount(Amount value, const RegionalSettings& regional);
// Mask "###0.00": no grouping, two decimals.
std::string FormatPlainAmount(Amount value, const RegionalSettings& regional);
// The shortest general form: at most 15 significant digits, no grouping, no
// trailing zeros (1234,5 in Czech).
std::string FormatGeneral(Amount value, const RegionalSettings& regional);
// TextToFloat of the text, then mask "###0.00".
std::string ReformatDecimalText(std::string_view text, const RegionalSettings& regional);
// Mask "#,##0" (rounded to a whole number); only the no-break spaces are
// turned into spaces, English keeps its grouping commas.
std::string FormatWholeNumber(Amount value, const RegionalSettings& regional);

// The program's one money parser: [sign] digits [separator digits], and with
// kWithExponent an exponent (e[sign]digits) after them; the value x 10000
// rounded to nearest, ties to even. Empty when the text is no such number or
// the value does not fit an Amount.
enum class AmountNotation { kPlain, kWithExponent };
std::optional<Amount> ParseAmount(std::string_view text, char decimal_separator,
                                  AmountNotation notation = AmountNotation::kPlain);

// Blanks removed, then a decimal number with the regional decimal separator
// and an optional exponent; 0 when empty or not a number.
double TextToFloat(std::string_view text, const RegionalSettings& regional);
// Blanks removed, then a whole number in the 32-bit range; 0 otherwise.
std::int32_t TextToInt(std::string_view text);
// Blanks removed; either '.' or ',' is accepted as the decimal separator (so a
// text with grouping separators does not parse); the value x 10000 rounded
// to nearest, ties to even. 0 when empty, not a number or out of range.
Amount TextToFixed4(std::string_view text, const RegionalSettings& regional);
// TextToFixed4 / 100, rounded to nearest, ties to even. For a bank field of
// whole halere this is the amount in ten-thousandths of a koruna.
Hundredths TextToHundredths(std::string_view text, const RegionalSettings& regional);

}  // namespace zerkon
