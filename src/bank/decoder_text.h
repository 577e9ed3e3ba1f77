#pragma once
// Pieces the bank decoders share: lines, fixed positions, tokens, amounts of
// whole halere, and the texts they append to an output.

#include <string_view>

#include "bank/output_text.h"
#include "common/number_helpers.h"
#include "common/regional.h"

namespace zerkon::bank_text {

inline constexpr std::string_view kCrLf = "\r\n";

// 70 or 40 '*'.
std::string_view Stars(std::size_t count);

// Characters first..first+width-1 (1-based), as far as the line reaches.
inline std::string_view Field(std::string_view line, std::size_t first, std::size_t width) {
    if (first == 0 || first > line.size()) return {};
    return line.substr(first - 1, width);
}

// Takes the text before the first space off `rest`, together with the space;
// without a space takes everything.
std::string_view NextToken(std::string_view& rest);

// DDMMYY -> DD.MM.YY: a '.' after the second and after the fourth character,
// or at the end of a shorter text ("" -> "..").
void AppendDottedDate(OutputText& out, std::string_view date);

// The amount of a field of whole halere, as TextToHundredths reads it, with
// digits and blanks read in place.
Amount HalereField(std::string_view field, const RegionalSettings& regional);

// The longest text of an amount: a sign, 19 digits, 6 separators and 4
// decimals, with room to spare.
inline constexpr std::size_t kAmountTextMax = 32;

// An amount with the mask "###0.00", as FormatPlainAmount writes it, made in
// place once for both the preview and the print data.
class PlainAmountText {
  public:
    PlainAmountText(Amount value, const RegionalSettings& regional);
    std::string_view View() const { return {text_, size_}; }

  private:
    char text_[kAmountTextMax];
    std::size_t size_ = 0;
};

// An amount with the mask "#,##0.00", as FormatAmount writes it (1 234,56),
// made in place.
class AmountText {
  public:
    AmountText(Amount value, const RegionalSettings& regional);
    std::string_view View() const { return {text_, size_}; }

  private:
    char text_[kAmountTextMax];
    std::size_t size_ = 0;
};

// An amount in the general format, as FormatGeneral writes it (1234,5), made
// in place.
class GeneralAmountText {
  public:
    GeneralAmountText(Amount value, const RegionalSettings& regional);
    std::string_view View() const { return {text_, size_}; }

  private:
    char text_[kAmountTextMax];
    std::size_t size_ = 0;
};

// Sums of untrusted amounts stop at the limits instead of overflowing.
Amount AddSaturating(Amount a, Amount b);

}  // namespace zerkon::bank_text
