#include "controls/mask_revision.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace zerkon {

namespace {

// Which rules fill empty parts and correct out-of-range ones.
enum class Rules {
    kPlain,    // moRevision at entry or exit, moRevisionSpec at entry
    kSpecial,  // moRevisionSpec at exit
    kSystem,   // moRevisionSys (and moSystem on a text with digits)
};

bool IsDate(MaskKind kind) {
    return kind == MaskKind::kDayMonthYear4 || kind == MaskKind::kDayMonthYear2 ||
           kind == MaskKind::kDayMonth;
}

std::string Padded(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

// One part of the text without its '_': nullopt when it holds anything but
// digits (the revision then fails), -1 when empty, else its value.
std::optional<int> PartValue(std::string_view text, size_t from, size_t length) {
    if (from >= text.size()) return -1;
    std::string_view part = text.substr(from, length);
    int value = 0;
    bool any = false;
    for (char c : part) {
        if (c == '_') continue;
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        any = true;
    }
    return any ? value : -1;
}

int TodayYear(const MaskNow& now) {
    return now.date_default_year > 0 ? now.date_default_year : now.now.year;
}

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDays[month - 1];
}

void SelectFormats(MaskKind kind, DateTimeFormats* formats) {
    if (formats == nullptr) return;
    switch (kind) {
        case MaskKind::kDayMonthYear4:
            formats->short_date_format = "dd/mm/yyyy";
            break;
        case MaskKind::kDayMonthYear2:
            formats->short_date_format = "dd/mm/yy";
            break;
        case MaskKind::kDayMonth:
            formats->short_date_format = "dd/mm";
            break;
        case MaskKind::kTimeSeconds:
            formats->short_time_format = "hh:mm:ss";
            break;
        case MaskKind::kTimeMillis:
            formats->long_time_format = "hh:mm:ss.zzz";
            break;
        case MaskKind::kTime:
        case MaskKind::kTimeAnyHours:
        case MaskKind::kTimeQuarter:
            formats->short_time_format = "hh:mm";
            break;
        case MaskKind::kNone:
            break;
    }
}

void SelectSeparator(MaskKind kind, DateTimeFormats* formats) {
    if (formats == nullptr) return;
    if (IsDate(kind)) {
        formats->date_separator = '.';
    } else {
        formats->time_separator = ':';
    }
}

std::string FillWithNow(MaskKind kind, const MaskNow& now) {
    const LocalDateTime& t = now.now;
    std::string day_month = Padded(t.day, 2) + "." + Padded(t.month, 2);
    std::string hours_minutes = Padded(t.hour, 2) + ":" + Padded(t.minute, 2);
    switch (kind) {
        case MaskKind::kDayMonthYear4:
            return day_month + "." + Padded(TodayYear(now), 4);
        case MaskKind::kDayMonthYear2:
            return day_month + "." + Padded(TodayYear(now) % 100, 2);
        case MaskKind::kDayMonth:
            return day_month;
        case MaskKind::kTimeSeconds:
            return hours_minutes + ":" + Padded(t.second, 2);
        case MaskKind::kTimeMillis:
            return hours_minutes + ":" + Padded(t.second, 2) + "." + Padded(now.millisecond, 3);
        default:
            return hours_minutes;
    }
}

// --- Dates -------------------------------------------------------------------

int ReviseDay(int value, Rules rules, const MaskNow& now) {
    if (value < 0) {
        if (rules == Rules::kPlain) return 1;
        if (rules == Rules::kSpecial) return 9;
        return now.now.day;
    }
    if (value == 0) return 1;
    if (value <= 31) return value;
    return rules == Rules::kSystem ? now.now.day : value % 10;
}

int ReviseMonth(int value, Rules rules, const MaskNow& now) {
    if (value < 0) return rules == Rules::kPlain ? 1 : now.now.month;
    if (value == 0) return 1;
    if (value <= 12) return value;
    return rules == Rules::kPlain ? value % 10 : now.now.month;
}

int ReviseYear4(int value, const MaskNow& now) {
    if (value < 0) return TodayYear(now);
    if (value <= 22) return 2000 + value;
    if (value <= 99) return 1900 + value;
    if (value <= 999) return TodayYear(now);
    return value;
}

int ReviseYear2(int value, const MaskNow& now) {
    return value < 0 ? TodayYear(now) % 100 : value;
}

std::optional<std::string> ReviseDate(std::string_view text, MaskKind kind, Rules rules,
                                      const MaskNow& now) {
    bool has_year = kind != MaskKind::kDayMonth;
    size_t year_length = kind == MaskKind::kDayMonthYear4 ? 4 : 2;
    std::optional<int> day = PartValue(text, 0, 2);
    std::optional<int> month = PartValue(text, 3, 2);
    std::optional<int> year = has_year ? PartValue(text, 6, year_length) : -1;
    if (!day || !month || !year) return std::nullopt;

    // An untouched field leaves empty under the special rules, for every date
    // mask alike, rather than with an invented date.
    if (rules == Rules::kSpecial && *day < 0 && *month < 0 && *year < 0) return std::string();

    int d = ReviseDay(*day, rules, now);
    int m = ReviseMonth(*month, rules, now);
    int y = 0;
    std::string year_text;
    if (kind == MaskKind::kDayMonthYear4) {
        y = ReviseYear4(*year, now);
        year_text = Padded(y, 4);
    } else if (kind == MaskKind::kDayMonthYear2) {
        y = ReviseYear2(*year, now);
        year_text = Padded(y, 2);
    } else {
        y = TodayYear(now);
    }

    if (m < 1 || m > 12) m = now.now.month;
    d = std::min(d, DaysInMonth(m, y));
    if (d == 0) return std::string();
    std::string result = Padded(d, 2) + "." + Padded(m, 2);
    if (has_year) result += "." + year_text;
    return result;
}

// --- Times -------------------------------------------------------------------

// Minutes and seconds: 0-60 kept, 61-99 replaced by now (system) or cut to
// their last digit.
int ReviseSixty(int value, Rules rules, int current) {
    if (value <= 60) return value;
    return rules == Rules::kSystem ? current : value % 10;
}

std::optional<std::string> ReviseTime(std::string_view text, MaskKind kind, Rules rules,
                                      const MaskNow& now) {
    bool has_seconds = kind == MaskKind::kTimeSeconds || kind == MaskKind::kTimeMillis;
    bool has_millis = kind == MaskKind::kTimeMillis;
    std::optional<int> hours = PartValue(text, 0, 2);
    std::optional<int> minutes = PartValue(text, 3, 2);
    std::optional<int> seconds = has_seconds ? PartValue(text, 6, 2) : 0;
    std::optional<int> millis = has_millis ? PartValue(text, 9, 3) : 0;
    if (!hours || !minutes || !seconds || !millis) return std::nullopt;

    int empty = rules == Rules::kPlain ? 0 : 99;
    auto filled = [empty](int value) { return value < 0 ? empty : value; };
    int h = filled(*hours);
    int mi = filled(*minutes);
    int s = filled(*seconds);
    int ms = *millis < 0 ? (rules == Rules::kPlain ? 0 : 999) : *millis;

    if (kind == MaskKind::kTimeAnyHours) {
        if (h >= 100) h = 0;
    } else if (h > 24) {
        h = rules == Rules::kSystem ? now.now.hour : h % 10;
    }
    mi = ReviseSixty(mi, rules, now.now.minute);
    s = ReviseSixty(s, rules, now.now.second);

    std::string minutes_text = Padded(mi, 2);
    if (kind == MaskKind::kTimeQuarter && mi != 0 && mi != 15 && mi != 30 && mi != 45) {
        minutes_text = "__";
    }
    std::string result = Padded(h, 2) + ":" + minutes_text;
    if (has_seconds) result += ":" + Padded(s, 2);
    if (has_millis) result += "." + Padded(ms, 3);
    return result;
}

bool HoldsNoDigits(std::string_view text) {
    for (char c : text) {
        if (c != '_' && c != '.' && c != ':') return false;
    }
    return true;
}

}  // namespace

MaskKind RecogniseMask(std::string_view mask) {
    if (mask == "!99.99.9999") return MaskKind::kDayMonthYear4;
    if (mask == "!99.99.99") return MaskKind::kDayMonthYear2;
    if (mask == "!99.99") return MaskKind::kDayMonth;
    if (mask == "!99:99:99") return MaskKind::kTimeSeconds;
    if (mask == "!99:99:99.999") return MaskKind::kTimeMillis;
    if (mask == "!99:99") return MaskKind::kTime;
    if (mask == "?99:99") return MaskKind::kTimeAnyHours;
    if (mask == "!99:15") return MaskKind::kTimeQuarter;
    return MaskKind::kNone;
}

std::string ReviseMaskedText(std::string_view text, std::string_view mask, TMaskOn entry_mode,
                             TMaskOn exit_mode, const MaskNow& now, DateTimeFormats* formats) {
    MaskKind kind = RecogniseMask(mask);
    if (kind == MaskKind::kNone) return std::string(text);
    SelectFormats(kind, formats);
    if (entry_mode == TMaskOn::moNone && exit_mode == TMaskOn::moNone) return std::string(text);

    bool system_fill = entry_mode == TMaskOn::moSystem || exit_mode == TMaskOn::moSystem;
    if (system_fill && HoldsNoDigits(text)) {
        SelectSeparator(kind, formats);
        return FillWithNow(kind, now);
    }
    Rules rules = Rules::kPlain;
    if (system_fill || entry_mode == TMaskOn::moRevisionSys ||
        exit_mode == TMaskOn::moRevisionSys) {
        rules = Rules::kSystem;
    } else if (exit_mode == TMaskOn::moRevisionSpec) {
        rules = Rules::kSpecial;
    }
    std::optional<std::string> revised =
        IsDate(kind) ? ReviseDate(text, kind, rules, now) : ReviseTime(text, kind, rules, now);
    if (!revised) return std::string(text);
    SelectSeparator(kind, formats);
    return *revised;
}

}  // namespace zerkon
