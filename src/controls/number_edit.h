#pragma once
// Number editing of the edit control: the settings of its number types, the
// characters that may be typed, the clean-up of the text on load, entry and
// exit, the display without focus, the conversion to a money value and the
// validation messages. Pure functions over text; the caller supplies the
// decimal separator.

#include <optional>
#include <string>
#include <string_view>

#include "common/cp1250_literal.h"
#include "controls/edit_types.h"

namespace zerkon::edit {

struct TNumberEdit {
    bool cursor_zero_over = false;
    CurrencyPos curr_position = CurrencyPos::ncCurr_Right;
    std::string curr_text = "Kč"_cz;
    bool curr_text_show = true;
    int decimal = 2;
    int decimal_show = 2;
    NumberArea number_area = NumberArea::naUnspecified;
    int number_count = 3;
    bool right_alignment = true;
    bool number_none_do_zero = false;
    bool number_text_to_value = true;
    char space = ' ';
    bool valid = false;
    Amount value_min = 0;
    Amount value_max = 0;
};

// The cleaned number text: sign, integer part without leading zeros, exactly
// `kept` decimals, padded with zeros up to `shown`. Empty stays empty; nullopt
// when no integer part remains (nothing that is a number).
std::optional<std::string> NormalizeNumberText(std::string_view text, char separator, int kept,
                                               int shown);

// The grouped display text (no currency).
std::string FormatNumberDisplay(std::string_view text, char separator, int shown, int group_size,
                                char group_separator);

// The characters that may be typed into a number field.
CharSet NumberAllowedChars(TypeEdit type, const TNumberEdit& number);

// The text keeping only characters of `allowed`.
std::string KeepAllowed(std::string_view text, const CharSet& allowed);

// Cuts decimals beyond `decimal` after the first `separator` (at most ten
// characters per cut), as done on entry and after a value is written.
std::string CutSurplusDecimals(std::string_view text, char separator, int decimal);

// The value in its shortest decimal form (12.5 -> "12,5", 3 -> "3").
std::string AmountToText(Amount value, char separator);

// Thousands separators and two decimals, as the sign messages show a value;
// a no-break space becomes an ordinary space.
std::string FormatMessageNumber(Amount value, char decimal_separator, char thousands_separator);

// The text a number field shows while it does not have focus.
std::string NumberDisplayText(TypeEdit type, const TNumberEdit& number, std::string_view text,
                              char separator);

// Load: the text cleaned for a number field, or empty when it is no number.
std::string LoadNumberText(TypeEdit type, const TNumberEdit& number, std::string_view text,
                           char system_separator, const CharSet& allowed);

// The value written to the text of a number field (Value write).
std::string NumberTextFromValue(TypeEdit type, const TNumberEdit& number, Amount value,
                                char system_separator);

// The value after clamping to the bounds that are set (not 0).
Amount ClampValue(const TNumberEdit& number, Amount value);

// "Zadaná číselná hodnota "<text>" není číslo !"
std::string NotANumberMessage(std::string_view text);

// Sign and range check of the exit; the message, or nullopt when the text passes.
std::optional<std::string> ValidateNumberText(const TNumberEdit& number, std::string_view text,
                                              const CharSet& allowed, char decimal_separator,
                                              char thousands_separator);

}  // namespace zerkon::edit
