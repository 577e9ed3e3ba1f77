#pragma once
// The ELDP data record that the print job's data area carries: one line per
// field, its tag immediately followed by the value, in the sheet's order.

#include <string>
#include <vector>

#include "common/regional.h"
#include "common/status.h"
#include "eldp/eldp_record.h"

namespace zerkon {

// The birth number as printed: "/" removed, then a space inserted before the
// 4th and before the 8th character (appended when the text is shorter).
std::string PrintedBirthNumber(const std::string& birth_number);

// Appends the ELDP data record to the job lines. An empty type becomes "01"
// in the record too. Every row is written, used or not; a date field that is
// not filled writes no line, an unticked month box none either.
// A filled date that is no real date fails as ReformatDate does; the record
// is then cut short there.
Status AppendEldpPrintData(EldpRecord& record, const RegionalSettings& regional,
                           std::vector<std::string>& job_lines);

}  // namespace zerkon
