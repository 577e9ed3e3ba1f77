#include "eldp/eldp_export.h"

#include "common/date_helpers.h"
#include "common/number_helpers.h"
#include "common/text_helpers.h"

namespace zerkon {
namespace {

std::string IsoDateIfFilled(const std::string& masked_text) {
    return IsDateFilled(masked_text) ? ToIsoDate(masked_text) : std::string();
}

// A day-and-month text of a row completed with the sheet's year.
std::string PeriodDate(const std::string& day_month, const std::string& year_text, int year) {
    if (year <= 2000 || !IsDateFilled(day_month)) return {};
    return ToIsoDate(day_month + year_text);
}

EldpExportRow MakeRow(const EldpRow& row, const std::string& year_text, int year) {
    EldpExportRow out;
    out.used = row.IsUsed();
    out.code = row.code;
    out.mr = row.mr;
    out.from = PeriodDate(row.from, year_text, year);
    out.to = PeriodDate(row.to, year_text, year);
    out.days = row.days;
    out.excluded = row.excluded;
    out.base = row.base;
    out.deducted = row.deducted;
    for (int m = 0; m < kEldpMonthMarks; ++m) {
        if (row.months[m]) out.months[m].assign(1, 'X');
    }
    return out;
}

}  // namespace

EldpExportRecord MakeEldpExportRecord(EldpRecord& record) {
    EldpExportRecord out;
    out.year = record.year;
    out.type = TakeSheetType(record);
    out.correction_date = IsoDateIfFilled(record.correction_date);
    out.office_code = record.office_code;
    out.office_name = record.office_name.substr(0, kOfficeNameLength);
    out.surname = record.surname;
    out.birth_surname = record.birth_surname;
    out.first_name = record.first_name;
    out.title = record.title;
    out.birth_date = IsoDateIfFilled(record.birth_date);
    out.birth_number = record.birth_number;
    out.street = record.street;
    out.house_number = record.house_number;
    out.municipality = record.municipality;
    out.post_office = record.post_office;
    out.country = record.country;
    out.postcode = ReplaceCharCopy(record.postcode, ' ', "");
    out.birth_place = record.birth_place;
    const int year = TextToInt(record.year);
    for (int r = 0; r < kEldpRowCount; ++r)
        out.rows[r] = MakeRow(record.rows[r], record.year, year);
    out.total_excluded = record.total_excluded;
    out.total_base = record.total_base;
    out.total_deducted = record.total_deducted;
    out.employer_name = record.employer_name;
    out.employer_id = record.employer_id;
    out.variable_symbol = record.variable_symbol;
    out.activity_since = IsoDateIfFilled(record.activity_since);
    out.made_out = IsoDateIfFilled(record.made_out);
    return out;
}

}  // namespace zerkon
