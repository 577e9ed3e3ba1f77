#include "bank/decoder_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

namespace zerkon::bank_text {

std::string_view Stars(std::size_t count) {
    static constexpr std::string_view kStars =
        "**********************************************************************";
    return kStars.substr(0, count);
}

std::string_view NextToken(std::string_view& rest) {
    const std::size_t space = rest.find(' ');
    std::string_view token = rest.substr(0, space);
    rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    return token;
}

void AppendDottedDate(OutputText& out, std::string_view date) {
    if (date.size() == 6) {
        const char dotted[8] = {date[0], date[1], '.', date[2], date[3], '.', date[4], date[5]};
        out.Append(std::string_view(dotted, sizeof dotted));
        return;
    }
    out.Append(date.substr(0, 2));
    out.Append('.');
    out.Append(date.substr(std::min<std::size_t>(2, date.size()), 2));
    out.Append('.');
    out.Append(date.substr(std::min<std::size_t>(4, date.size())));
}

Amount HalereField(std::string_view field, const RegionalSettings& regional) {
    // Up to this many halere, the amount in ten-thousandths of a koruna fits;
    // larger ones are TextToHundredths' to judge.
    constexpr Amount kLargest = std::numeric_limits<Amount>::max() / 10000;
    Amount halere = 0;
    int digits = 0;
    for (const char c : field) {
        if (c >= '0' && c <= '9') {
            if (++digits > 15) return TextToHundredths(field, regional);  // before it overflows
            halere = halere * 10 + (c - '0');
        } else if (c != ' ' && c != '\xA0') {
            return TextToHundredths(field, regional);  // blanks are all it drops
        }
    }
    if (digits == 0 || halere > kLargest) return TextToHundredths(field, regional);
    return halere * 100;
}

PlainAmountText::PlainAmountText(Amount value, const RegionalSettings& regional) {
    if (value < 0 || value % 100 != 0) {
        const std::string text = FormatPlainAmount(value, regional);
        size_ = std::min(text.size(), sizeof text_);
        std::memcpy(text_, text.data(), size_);
        return;
    }
    // Whole halere: the koruna digits, the separator and two digits.
    const Amount halere = value / 100;
    char* end = std::to_chars(text_, text_ + 20, halere / 100).ptr;
    *end++ = regional.decimal_separator == '\xA0' ? ' ' : regional.decimal_separator;
    *end++ = static_cast<char>('0' + halere % 100 / 10);
    *end++ = static_cast<char>('0' + halere % 10);
    size_ = static_cast<std::size_t>(end - text_);
}

AmountText::AmountText(Amount value, const RegionalSettings& regional) {
    if (value < 0 || value % 100 != 0) {
        const std::string text = FormatAmount(value, regional);
        size_ = std::min(text.size(), sizeof text_);
        std::memcpy(text_, text.data(), size_);
        return;
    }
    const auto plain = [](char c) { return c == '\xA0' ? ' ' : c; };
    const char decimal = plain(regional.decimal_separator);
    char thousands = plain(regional.thousands_separator);
    // With a point and a comma both in the text, the clean-up drops the one
    // that comes first: here the grouping.
    const bool point_and_comma =
        (thousands == ',' && decimal == '.') || (thousands == '.' && decimal == ',');
    const Amount halere = value / 100;
    char digits[20];
    const std::size_t count = static_cast<std::size_t>(
        std::to_chars(digits, digits + sizeof digits, halere / 100).ptr - digits);
    char* end = text_;
    for (std::size_t i = 0; i < count; ++i) {
        if (!point_and_comma && i > 0 && (count - i) % 3 == 0) *end++ = thousands;
        *end++ = digits[i];
    }
    *end++ = decimal;
    *end++ = static_cast<char>('0' + halere % 100 / 10);
    *end++ = static_cast<char>('0' + halere % 10);
    size_ = static_cast<std::size_t>(end - text_);
}

GeneralAmountText::GeneralAmountText(Amount value, const RegionalSettings& regional) {
    // Up to 15 digits no digit is dropped; a longer amount is FormatGeneral's.
    constexpr Amount kLargest = 999'999'999'999'999;
    if (value < -kLargest || value > kLargest) {
        const std::string text = FormatGeneral(value, regional);
        size_ = std::min(text.size(), sizeof text_);
        std::memcpy(text_, text.data(), size_);
        return;
    }
    char* end = text_;
    if (value < 0) *end++ = '-';
    const Amount magnitude = value < 0 ? -value : value;
    end = std::to_chars(end, text_ + sizeof text_, magnitude / 10000).ptr;
    Amount fraction = magnitude % 10000;
    if (fraction != 0) {
        *end++ = regional.decimal_separator == '\xA0' ? ' ' : regional.decimal_separator;
        for (Amount digit = 1000; fraction != 0; digit /= 10) {
            *end++ = static_cast<char>('0' + fraction / digit);
            fraction %= digit;
        }
    }
    size_ = static_cast<std::size_t>(end - text_);
}

Amount AddSaturating(Amount a, Amount b) {
    Amount sum;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? std::numeric_limits<Amount>::max() : std::numeric_limits<Amount>::min();
}

}  // namespace zerkon::bank_text
