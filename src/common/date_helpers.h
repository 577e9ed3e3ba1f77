#pragma once
// Date texts. Two-digit years are completed with a fixed window: 00-49 are
// 2000-2049, 50-99 are 1950-1999.

#include <string>
#include <string_view>

#include "common/date_time.h"
#include "common/regional.h"
#include "common/status.h"

namespace zerkon {

// d.m.yyyy, d-m-yyyy or yyyy-mm-dd (the first '-' as 5th character) to
// "yyyy-mm-dd"; day and month of one or two digits, year of two or four.
// "" for an empty text or one that is no valid date.
std::string ToIsoDate(std::string_view text);

// YYYYMMDD -> DD.MM.YYYY, YYMMDD -> DD.MM.YY, any other length -> "".
// The digits are not checked.
std::string CompactToDottedDate(std::string_view text);

// Output formats use d, dd, m, mm, yy and yyyy in either case; every other
// character is copied.
//
// Reads the text with the order of day, month and year in the format and the
// regional date separator; a format that is "d.m." in any case reads a
// day-and-month text in the year 2000. "" for an empty text. A text that is
// no date fails with kNotValid and "'<text>' is not a valid date", naming the
// text that was tried (for "d.m." the text with "2000" appended).
Result<std::string> ReformatDate(std::string_view format, std::string_view text,
                                 const RegionalSettings& regional);
// Reads the text as day, month, year (two or four digits) with the regional
// date separator. "" for an empty text; a text that is no date fails as
// ReformatDate's.
Result<std::string> ReformatShortDate(std::string_view format, std::string_view text,
                                      const RegionalSettings& regional);

// The day of `now` as "yyyy-mm-dd".
std::string TodayIso(const LocalDateTime& now);
// The time of `now` as "hh-mm-ss".
std::string TimeStampDashed(const LocalDateTime& now);

}  // namespace zerkon
