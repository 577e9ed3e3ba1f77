#include "common/number_helpers.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

#include "common/text_helpers.h"

namespace zerkon {

namespace {

constexpr std::uint64_t kPowersOf10[] = {1, 10, 100, 1000, 10000};

std::uint64_t Magnitude(Amount value) {
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

// A short number text built in place: bank files are long, and formatting
// one number must not allocate more than its result.
class NumberText {
  public:
    void Add(char c) {
        if (size_ < sizeof text_) text_[size_++] = c;
    }
    // The digits of a whole number, with a separator between groups of three
    // when grouped.
    void AddWhole(std::uint64_t whole, bool grouped, char separator) {
        char digits[20];
        const auto end = std::to_chars(digits, digits + sizeof digits, whole).ptr;
        const size_t count = static_cast<size_t>(end - digits);
        for (size_t i = 0; i < count; ++i) {
            if (grouped && i > 0 && (count - i) % 3 == 0) Add(separator);
            Add(digits[i]);
        }
    }
    // `count` digits of `fraction`, leading zeros included.
    void AddFraction(std::uint64_t fraction, int count) {
        for (std::uint64_t digit = kPowersOf10[count] / 10; digit > 0; digit /= 10) {
            Add(static_cast<char>('0' + fraction / digit));
            fraction %= digit;
        }
    }
    // No-break spaces become spaces; when both ',' and '.' occur, every
    // occurrence of the one that comes first is removed.
    std::string CleanedUp() {
        std::replace(text_, text_ + size_, '\xA0', ' ');
        const std::string_view view(text_, size_);
        const size_t comma = view.find(',');
        const size_t point = view.find('.');
        if (comma != std::string_view::npos && point != std::string_view::npos) {
            const char dropped = comma < point ? ',' : '.';
            size_ = static_cast<size_t>(std::remove(text_, text_ + size_, dropped) - text_);
        }
        return std::string(text_, size_);
    }
    std::string WithPlainSpaces() {
        std::replace(text_, text_ + size_, '\xA0', ' ');
        return std::string(text_, size_);
    }

  private:
    char text_[48];  // the longest: a sign, 19 digits, 6 separators, 4 decimals
    size_t size_ = 0;
};

// Formats value (ten-thousandths) with 0 to 4 decimals, rounding halves away
// from zero, like the masks "#,##0.00" (grouped) and "###0.00".
NumberText FormatFixed(Amount value, int decimals, bool grouped, const RegionalSettings& regional) {
    const std::uint64_t divisor = kPowersOf10[4 - decimals];
    std::uint64_t units = Magnitude(value) / divisor;
    if ((Magnitude(value) % divisor) * 2 >= divisor) ++units;
    NumberText out;
    if (value < 0 && units != 0) out.Add('-');
    const std::uint64_t scale = kPowersOf10[decimals];
    out.AddWhole(units / scale, grouped, regional.thousands_separator);
    if (decimals > 0) {
        out.Add(regional.decimal_separator);
        out.AddFraction(units % scale, decimals);
    }
    return out;
}

// The clean-up for texts made elsewhere.
std::string CleanUp(std::string text) {
    std::replace(text.begin(), text.end(), '\xA0', ' ');
    const size_t comma = text.find(',');
    const size_t point = text.find('.');
    if (comma != std::string::npos && point != std::string::npos) {
        std::erase(text, comma < point ? ',' : '.');
    }
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number split into its parts: [sign] digits [sep digits] [e [sign] digits].
struct DecimalText {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
    int exponent = 0;
    bool has_exponent = false;
};

std::optional<DecimalText> SplitDecimal(std::string_view text, char decimal_separator) {
    DecimalText result;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        result.negative = text[i] == '-';
        ++i;
    }
    size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    result.whole = text.substr(start, i - start);
    if (i < text.size() && text[i] == decimal_separator) {
        start = ++i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        result.fraction = text.substr(start, i - start);
    }
    if (result.whole.empty() && result.fraction.empty()) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        result.has_exponent = true;
        ++i;
        bool exponent_negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            exponent_negative = text[i] == '-';
            ++i;
        }
        if (i == text.size()) return std::nullopt;
        int exponent = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            // Far beyond any representable amount; keep the value bounded.
            if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
        }
        result.exponent = exponent_negative ? -exponent : exponent;
    }
    if (i != text.size()) return std::nullopt;
    return result;
}

// Rounds the digit string to a whole number at position point (digits before
// it are the whole part), ties to even. Empty on overflow of 64 bits.
std::optional<std::uint64_t> RoundDigits(const std::string& digits, long point) {
    std::string whole;
    std::string_view rest;
    if (point <= 0) {
        rest = point == 0 ? std::string_view(digits) : std::string_view();
    } else if (static_cast<size_t>(point) >= digits.size()) {
        whole = digits;
        whole.append(static_cast<size_t>(point) - digits.size(), '0');
    } else {
        whole = digits.substr(0, static_cast<size_t>(point));
        rest = std::string_view(digits).substr(static_cast<size_t>(point));
    }
    const size_t first = whole.find_first_not_of('0');
    whole = first == std::string::npos ? "0" : whole.substr(first);
    if (whole.size() > 19) return std::nullopt;
    std::uint64_t value = 0;
    if (std::from_chars(whole.data(), whole.data() + whole.size(), value).ec != std::errc()) {
        return std::nullopt;
    }
    if (!rest.empty()) {
        const bool above_half =
            rest[0] > '5' ||
            (rest[0] == '5' && rest.substr(1).find_first_not_of('0') != std::string_view::npos);
        const bool half = rest[0] == '5' && !above_half;
        if (above_half || (half && value % 2 == 1)) {
            if (value == std::numeric_limits<std::uint64_t>::max()) return std::nullopt;
            ++value;
        }
    }
    return value;
}

}  // namespace

std::string FormatAmount(Amount value, const RegionalSettings& regional) {
    return FormatFixed(value, 2, true, regional).CleanedUp();
}

std::string FormatPlainAmount(Amount value, const RegionalSettings& regional) {
    return FormatFixed(value, 2, false, regional).CleanedUp();
}

std::string FormatGeneral(Amount value, const RegionalSettings& regional) {
    constexpr int kSignificantDigits = 15;
    std::uint64_t magnitude = Magnitude(value);
    char digits[20];
    const int digit_count =
        static_cast<int>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
    if (digit_count > kSignificantDigits) {
        // At most 19 digits, so only decimals (4 of them) are ever dropped.
        const std::uint64_t step = kPowersOf10[digit_count - kSignificantDigits];
        const std::uint64_t remainder = magnitude % step;
        magnitude -= remainder;
        if (remainder * 2 >= step) magnitude += step;
    }
    NumberText out;
    if (value < 0 && magnitude != 0) out.Add('-');
    out.AddWhole(magnitude / 10000, false, regional.thousands_separator);
    std::uint64_t fraction = magnitude % 10000;
    if (fraction != 0) {
        out.Add(regional.decimal_separator);
        int decimals = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --decimals;
        }
        out.AddFraction(fraction, decimals);
    }
    return out.CleanedUp();
}

std::string ReformatDecimalText(std::string_view text, const RegionalSettings& regional) {
    const double value = TextToFloat(text, regional);
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string out(result.ec == std::errc() ? std::string_view(buffer, result.ptr - buffer)
                                             : "0.00");
    // No "-0.00" for a negative value that rounds to zero.
    if (out.find_first_not_of("-0.") == std::string::npos) out.erase(0, out.find('0'));
    for (char& c : out) {
        if (c == '.') c = regional.decimal_separator;
    }
    return CleanUp(std::move(out));
}

std::string FormatWholeNumber(Amount value, const RegionalSettings& regional) {
    return FormatFixed(value, 0, true, regional).WithPlainSpaces();
}

double TextToFloat(std::string_view text, const RegionalSettings& regional) {
    const std::string blank_free = RemoveBlanks(text);
    const auto parts = SplitDecimal(blank_free, regional.decimal_separator);
    if (!parts) return 0;
    // Rebuilt in the form std::from_chars reads, whatever the separator.
    std::string plain = parts->whole.empty() ? std::string("0") : std::string(parts->whole);
    plain += '.';
    plain += parts->fraction;
    plain += 'e';
    plain += std::to_string(parts->exponent);
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc()) return 0;
    return parts->negative ? -value : value;
}

std::int32_t TextToInt(std::string_view text) {
    std::string blank_free = RemoveBlanks(text);
    std::string_view digits = blank_free;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') return 0;
    }
    std::int32_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size()) return 0;
    return value;
}

Amount TextToFixed4(std::string_view text, const RegionalSettings& regional) {
    // Bank amounts are plain digits: read them without the general parse.
    if (!text.empty() && text.size() <= 14 &&
        std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c); })) {
        Amount value = 0;
        for (char c : text) value = value * 10 + (c - '0');
        return value * 10000;
    }
    std::string normalized = RemoveBlanks(text);
    if (regional.decimal_separator == ',') ReplaceChar(normalized, '.', ",");
    if (regional.decimal_separator == '.') ReplaceChar(normalized, ',', ".");
    return ParseAmount(normalized, regional.decimal_separator, AmountNotation::kWithExponent)
        .value_or(0);
}

std::optional<Amount> ParseAmount(std::string_view text, char decimal_separator,
                                  AmountNotation notation) {
    const auto parts = SplitDecimal(text, decimal_separator);
    if (!parts || (notation == AmountNotation::kPlain && parts->has_exponent)) return std::nullopt;
    std::string digits(parts->whole);
    digits += parts->fraction;
    if (digits.find_first_not_of('0') == std::string::npos) return 0;
    // Position of the point of value x 10000 in the digit string.
    const long point = static_cast<long>(parts->whole.size()) + parts->exponent + 4;
    if (point > static_cast<long>(digits.size()) + 20) return std::nullopt;  // overflow
    const auto magnitude = RoundDigits(digits, point);
    if (!magnitude || *magnitude > static_cast<std::uint64_t>(std::numeric_limits<Amount>::max())) {
        return std::nullopt;
    }
    const Amount value = static_cast<Amount>(*magnitude);
    return parts->negative ? -value : value;
}

Hundredths TextToHundredths(std::string_view text, const RegionalSettings& regional) {
    const Amount fixed = TextToFixed4(text, regional);
    Hundredths quotient = fixed / 100;
    const Amount remainder = fixed % 100;
    // Ties to even; the remainder carries the sign of the value.
    if (remainder > 50 || (remainder == 50 && quotient % 2 != 0)) ++quotient;
    if (remainder < -50 || (remainder == -50 && quotient % 2 != 0)) --quotient;
    return quotient;
}

}  // namespace zerkon
