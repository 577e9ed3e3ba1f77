#include "common/date_helpers.h"

#include <array>
#include <optional>

#include "common/cp1250.h"
#include "common/text_helpers.h"

namespace zerkon {

namespace {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

enum class Field { kDay, kMonth, kYear };
using FieldOrder = std::array<Field, 3>;
constexpr FieldOrder kDayMonthYear = {Field::kDay, Field::kMonth, Field::kYear};

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// A field of one to four digits, spaces around it allowed; -1 otherwise.
int ReadNumber(std::string_view text, size_t& digit_count) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    digit_count = text.size();
    if (text.empty() || text.size() > 4) return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<Date> ParseDate(std::string_view text, char separator, const FieldOrder& order) {
    Date date;
    for (size_t i = 0; i < 3; ++i) {
        size_t end = text.find(separator);
        if (i < 2 && end == std::string_view::npos) return std::nullopt;
        if (i == 2) {
            if (end != std::string_view::npos) return std::nullopt;
            end = text.size();
        }
        size_t digits = 0;
        const int value = ReadNumber(text.substr(0, end), digits);
        if (value < 0) return std::nullopt;
        switch (order[i]) {
            case Field::kDay:
                if (digits > 2) return std::nullopt;
                date.day = value;
                break;
            case Field::kMonth:
                if (digits > 2) return std::nullopt;
                date.month = value;
                break;
            case Field::kYear:
                if (digits != 2 && digits != 4) return std::nullopt;
                date.year = digits == 2 ? (value < 50 ? 2000 + value : 1900 + value) : value;
                break;
        }
        text.remove_prefix(end == text.size() ? end : end + 1);
    }
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > DaysInMonth(date.year, date.month)) {
        return std::nullopt;
    }
    return date;
}

void AppendNumber(std::string& out, int value, size_t width) {
    const std::string digits = std::to_string(value);
    if (digits.size() < width) out.append(width - digits.size(), '0');
    out += digits;
}

bool StartsWithLetters(std::string_view text, size_t pos, std::string_view letters) {
    if (text.size() - pos < letters.size()) return false;
    for (size_t i = 0; i < letters.size(); ++i) {
        if (LowerCase1250(text[pos + i]) != letters[i]) return false;
    }
    return true;
}

std::string FormatDate(std::string_view format, const Date& date) {
    std::string out;
    size_t pos = 0;
    while (pos < format.size()) {
        if (StartsWithLetters(format, pos, "yyyy")) {
            AppendNumber(out, date.year, 4);
            pos += 4;
        } else if (StartsWithLetters(format, pos, "yy")) {
            AppendNumber(out, date.year % 100, 2);
            pos += 2;
        } else if (StartsWithLetters(format, pos, "dd")) {
            AppendNumber(out, date.day, 2);
            pos += 2;
        } else if (StartsWithLetters(format, pos, "d")) {
            AppendNumber(out, date.day, 1);
            pos += 1;
        } else if (StartsWithLetters(format, pos, "mm")) {
            AppendNumber(out, date.month, 2);
            pos += 2;
        } else if (StartsWithLetters(format, pos, "m")) {
            AppendNumber(out, date.month, 1);
            pos += 1;
        } else {
            out += format[pos++];
        }
    }
    return out;
}

// The order in which day, month and year first appear in a format; fields
// the format lacks follow in the order day, month, year.
FieldOrder OrderOfFormat(std::string_view format) {
    FieldOrder order{};
    size_t count = 0;
    auto add = [&](Field field) {
        for (size_t i = 0; i < count; ++i) {
            if (order[i] == field) return;
        }
        order[count++] = field;
    };
    for (char c : format) {
        const char lower = LowerCase1250(c);
        if (lower == 'd') add(Field::kDay);
        if (lower == 'm') add(Field::kMonth);
        if (lower == 'y') add(Field::kYear);
    }
    for (Field field : kDayMonthYear) add(field);
    return order;
}

Status NotADate(const std::string& tried) {
    return Status::Failed(StatusCode::kNotValid, "'" + tried + "' is not a valid date");
}

}  // namespace

std::string ToIsoDate(std::string_view text) {
    if (text.empty()) return {};
    const size_t dash = text.find('-');
    std::optional<Date> date;
    if (dash == std::string_view::npos) {
        date = ParseDate(text, '.', kDayMonthYear);
    } else if (dash == 4) {
        date = ParseDate(text, '-', {Field::kYear, Field::kMonth, Field::kDay});
    } else {
        date = ParseDate(text, '-', kDayMonthYear);
    }
    return date ? FormatDate("yyyy-mm-dd", *date) : std::string();
}

std::string CompactToDottedDate(std::string_view text) {
    std::string out;
    if (text.size() == 8) {
        out.append(text.substr(6, 2)).append(".").append(text.substr(4, 2)).append(".");
        out.append(text.substr(0, 4));
    } else if (text.size() == 6) {
        out.append(text.substr(4, 2)).append(".").append(text.substr(2, 2)).append(".");
        out.append(text.substr(0, 2));
    }
    return out;
}

Result<std::string> ReformatDate(std::string_view format, std::string_view text,
                                 const RegionalSettings& regional) {
    if (text.empty()) return std::string();
    std::string tried(text);
    FieldOrder order = kDayMonthYear;
    if (UpperCase1250(format) == "D.M.") {
        tried += "2000";
    } else {
        order = OrderOfFormat(format);
    }
    const auto date = ParseDate(tried, regional.date_separator, order);
    if (!date) return NotADate(tried);
    return FormatDate(format, *date);
}

Result<std::string> ReformatShortDate(std::string_view format, std::string_view text,
                                      const RegionalSettings& regional) {
    if (text.empty()) return std::string();
    const auto date = ParseDate(text, regional.date_separator, kDayMonthYear);
    if (!date) return NotADate(std::string(text));
    return FormatDate(format, *date);
}

std::string TodayIso(const LocalDateTime& now) {
    return FormatDate("yyyy-mm-dd", {now.year, now.month, now.day});
}

std::string TimeStampDashed(const LocalDateTime& now) {
    std::string stamp;
    AppendNumber(stamp, now.hour, 2);
    stamp += ':';
    AppendNumber(stamp, now.minute, 2);
    stamp += ':';
    AppendNumber(stamp, now.second, 2);
    ReplaceChar(stamp, ':', "-");
    return stamp;
}

}  // namespace zerkon
