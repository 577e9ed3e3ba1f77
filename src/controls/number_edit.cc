#include "controls/number_edit.h"

#include <cstdlib>
#include <limits>

#include "common/cp1250_literal.h"

namespace zerkon::edit {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Windows-1250: Czech messages keep these exact texts.
constexpr std::string_view kNotNumber1 = "Zadaná číselná hodnota \""_cz;
constexpr std::string_view kNotNumber2 = "\" není číslo !"_cz;
constexpr std::string_view kOnlyPositive = "Zadání je pouze pro kladná čísla.\n"_cz;
constexpr std::string_view kOnlyNegative = "Zadání je pouze pro záporná čísla.\n"_cz;
constexpr std::string_view kPositive = "Zadání platí pro kladná čísla.\n"_cz;
constexpr std::string_view kNegative = "Zadání platí pro záporná čísla.\n"_cz;
constexpr std::string_view kDoesNotFit = " nevyhovuje.";
constexpr std::string_view kMaximum = "Maximální číselná hodnota je \""_cz;
constexpr std::string_view kMinimum = "Minimální číselná hodnota je \""_cz;

std::string StripLeadingZeros(std::string_view digits) {
    size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return "0";
    return std::string(digits.substr(first));
}

bool AllZeroDigits(std::string_view text) {
    for (char c : text) {
        if (IsDigit(c) && c != '0') return false;
    }
    return true;
}

}  // namespace

CharSet MakeCharSet(std::string_view chars) {
    CharSet set;
    for (char c : chars) set.set(static_cast<unsigned char>(c));
    return set;
}

std::optional<std::string> NormalizeNumberText(std::string_view text, char separator, int kept,
                                               int shown) {
    if (text.empty()) return std::string();
    std::string s(text);
    bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    if (kept == 0) {
        size_t p = s.find(separator);
        if (p != std::string::npos) s.erase(p, 11);
    }
    if (!s.empty() && s[0] == separator) s.insert(0, "0");

    std::string cleaned;
    bool has_separator = false;
    for (char c : s) {
        if (IsDigit(c)) {
            cleaned += c;
        } else if (c == separator && !has_separator) {
            cleaned += c;
            has_separator = true;
        }
    }
    size_t p = cleaned.find(separator);
    std::string integer_part = cleaned.substr(0, p);
    if (integer_part.empty()) return std::nullopt;
    std::string result = StripLeadingZeros(integer_part);
    std::string fraction = p == std::string::npos ? std::string() : cleaned.substr(p + 1);
    if (kept > 0) {
        fraction.resize(static_cast<size_t>(kept), '0');
        result += separator;
        result += fraction;
    } else if (has_separator) {
        result += separator;
        result += fraction;
    }
    if (shown > kept) {
        if (kept == 0 && result.find(separator) == std::string::npos) result += separator;
        result.append(static_cast<size_t>(shown - kept), '0');
    }
    if (negative && !AllZeroDigits(result)) result.insert(0, "-");
    return result;
}

std::string FormatNumberDisplay(std::string_view text, char separator, int shown, int group_size,
                                char group_separator) {
    std::string s(text);
    if (shown == 0) {
        size_t p = s.find(separator);
        if (p != std::string::npos) s.erase(p, 11);
    }
    if (group_size <= 0) return s;
    size_t p = s.find(separator);
    std::string head = s.substr(0, p);
    std::string grouped;
    int count = 0;
    for (size_t i = head.size(); i-- > 0;) {
        if (count == group_size) {
            grouped.insert(grouped.begin(), group_separator);
            count = 0;
        }
        grouped.insert(grouped.begin(), head[i]);
        ++count;
    }
    if (shown > 0 && p != std::string::npos) {
        grouped += separator;
        grouped += s.substr(p + 1, static_cast<size_t>(shown));
    }
    return grouped;
}

CharSet NumberAllowedChars(TypeEdit type, const TNumberEdit& number) {
    CharSet set = MakeCharSet("0123456789");
    if ((type == TypeEdit::teCurrency || type == TypeEdit::teFloat) && number.decimal > 0) {
        set |= MakeCharSet(",.");
    }
    if (number.value_max < 0 || number.value_min < 0 ||
        (number.value_max == 0 && number.value_min == 0)) {
        set.set('-');
    }
    switch (number.number_area) {
        case NumberArea::naOnlyPositive:
        case NumberArea::naPositive:
            set.reset('-');
            break;
        case NumberArea::naOnlyNegative:
        case NumberArea::naNegative:
            set.set('-');
            break;
        case NumberArea::naUnspecified:
            break;
    }
    return set;
}

std::string KeepAllowed(std::string_view text, const CharSet& allowed) {
    std::string out;
    for (char c : text) {
        if (Contains(allowed, c)) out += c;
    }
    return out;
}

std::string CutSurplusDecimals(std::string_view text, char separator, int decimal) {
    std::string s(text);
    size_t p = s.find(separator);
    if (p == std::string::npos) return s;
    if (decimal <= 0) {
        s.erase(p, 10);
    } else if (p + 1 + static_cast<size_t>(decimal) < s.size()) {
        s.erase(p + 1 + static_cast<size_t>(decimal), 10);
    }
    return s;
}

std::string AmountToText(Amount value, char separator) {
    bool negative = value < 0;
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
    std::string text = std::to_string(magnitude / kAmountUnit);
    unsigned long long frac = magnitude % kAmountUnit;
    if (frac != 0) {
        std::string digits = std::to_string(frac + kAmountUnit).substr(1);
        digits.erase(digits.find_last_not_of('0') + 1);
        text += separator;
        text += digits;
    }
    return negative ? "-" + text : text;
}

std::string FormatMessageNumber(Amount value, char decimal_separator, char thousands_separator) {
    bool negative = value < 0;
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
    unsigned long long cents = (magnitude + 50) / 100;
    std::string whole = std::to_string(cents / 100);
    char group = thousands_separator == '\xA0' ? ' ' : thousands_separator;
    std::string grouped;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += group;
        grouped += whole[i];
    }
    std::string frac = std::to_string(cents % 100 + 100).substr(1);
    return (negative && cents != 0 ? "-" : "") + grouped + decimal_separator + frac;
}

std::string NumberDisplayText(TypeEdit type, const TNumberEdit& number, std::string_view text,
                              char separator) {
    int shown = type == TypeEdit::teInteger ? 0 : number.decimal_show;
    std::string display =
        FormatNumberDisplay(text, separator, shown, number.number_count, number.space);
    if (type == TypeEdit::teCurrency && number.curr_text_show && !display.empty() &&
        !number.curr_text.empty()) {
        switch (number.curr_position) {
            case CurrencyPos::ncCurr_Right:
                return display + " " + number.curr_text;
            case CurrencyPos::ncCurr_Left:
                return number.curr_text + " " + display;
            case CurrencyPos::ncCurrRight:
                return display + number.curr_text;
            case CurrencyPos::ncCurrLeft:
                return number.curr_text + display;
        }
    }
    return display;
}

std::string LoadNumberText(TypeEdit type, const TNumberEdit& number, std::string_view text,
                           char system_separator, const CharSet& allowed) {
    char other = system_separator == ',' ? '.' : ',';
    std::string s(text);
    for (char& c : s) {
        if (c == other) c = system_separator;
    }
    if (type == TypeEdit::teInteger) {
        s = KeepAllowed(s.substr(0, s.find_first_of(",.")), allowed);
    } else {
        auto normalized = NormalizeNumberText(KeepAllowed(s, allowed), system_separator,
                                              number.decimal, number.decimal_show);
        if (!normalized) return std::string();
        s = *normalized;
    }
    if (!s.empty() && !ParseAmount(s, system_separator)) return std::string();
    return s;
}

std::string NumberTextFromValue(TypeEdit type, const TNumberEdit& number, Amount value,
                                char system_separator) {
    if (type == TypeEdit::teInteger) {
        // Round half to even, as the platform rounds money to whole numbers.
        Amount whole = value / kAmountUnit;
        Amount rest = value % kAmountUnit;
        Amount half = kAmountUnit / 2;
        if (rest > half || (rest == half && whole % 2 != 0)) ++whole;
        if (rest < -half || (rest == -half && whole % 2 != 0)) --whole;
        return std::to_string(whole);
    }
    return CutSurplusDecimals(AmountToText(value, system_separator), system_separator,
                              number.decimal);
}

Amount ClampValue(const TNumberEdit& number, Amount value) {
    if (number.value_max != 0 && value > number.value_max) value = number.value_max;
    if (number.value_min != 0 && value < number.value_min) value = number.value_min;
    return value;
}

std::string NotANumberMessage(std::string_view text) {
    return std::string(kNotNumber1) + std::string(text) + std::string(kNotNumber2);
}

std::optional<std::string> ValidateNumberText(const TNumberEdit& number, std::string_view text,
                                              const CharSet& allowed, char decimal_separator,
                                              char thousands_separator) {
    // The minus stays even where it may not be typed: a pasted negative
    // amount must fail the sign check, not pass as its absolute value. So does
    // the separator that shown decimals add where none may be typed: 5,00 is
    // checked as 5, not as 500.
    CharSet kept = allowed;
    kept.set(static_cast<unsigned char>(decimal_separator));
    std::string reduced = KeepAllowed(text, kept);
    if (!text.empty() && text[0] == '-' && (reduced.empty() || reduced[0] != '-')) {
        reduced.insert(reduced.begin(), '-');
    }
    auto parsed = ParseAmount(reduced, decimal_separator);
    if (!parsed) return NotANumberMessage(text);
    Amount v = *parsed;
    auto sign_message = [&](std::string_view head) {
        return std::string(head) + FormatMessageNumber(v, decimal_separator, thousands_separator) +
               std::string(kDoesNotFit);
    };
    switch (number.number_area) {
        case NumberArea::naOnlyPositive:
            if (v <= 0) return sign_message(kOnlyPositive);
            break;
        case NumberArea::naOnlyNegative:
            if (v >= 0) return sign_message(kOnlyNegative);
            break;
        case NumberArea::naPositive:
            if (v < 0) return sign_message(kPositive);
            break;
        case NumberArea::naNegative:
            if (v > 0) return sign_message(kNegative);
            break;
        case NumberArea::naUnspecified:
            break;
    }
    if ((number.value_max != 0 || number.value_min < 0) && v > number.value_max) {
        return std::string(kMaximum) + AmountToText(number.value_max, decimal_separator) + "\"";
    }
    if ((number.value_min != 0 || number.value_max > 0) && v < number.value_min) {
        return std::string(kMinimum) + AmountToText(number.value_min, decimal_separator) + "\"";
    }
    return std::nullopt;
}

}  // namespace zerkon::edit
