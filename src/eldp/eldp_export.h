#pragma once
// The ELDP record as the XML export carries it: every value already in the
// form in which it goes into its attribute (dates as yyyy-mm-dd, the office
// name cut to its fixed field), still Windows-1250 text.

#include <array>
#include <string>
#include <vector>

#include "eldp/eldp_record.h"

namespace zerkon {

struct EldpExportRow {
    bool used = false;
    int row_number = 0;  // set by the writer over the used rows
    std::string code;
    std::string mr;
    std::string from;  // yyyy-mm-dd or empty
    std::string to;    // yyyy-mm-dd or empty
    std::string days;
    std::string excluded;
    std::string base;
    std::string deducted;
    std::array<std::string, kEldpMonthMarks> months;  // "X" or empty
};

struct EldpExportRecord {
    std::string year;
    std::string type;
    std::string correction_date;
    std::string surname;
    std::string first_name;
    std::string title;
    std::string birth_date;
    std::string birth_number;
    std::string street;
    std::string house_number;
    std::string birth_surname;
    std::string municipality;
    std::string post_office;
    std::string postcode;
    std::string birth_place;
    std::string country;
    std::string office_code;
    std::string office_name;
    std::array<EldpExportRow, kEldpRowCount> rows;
    std::string total_excluded;
    std::string total_base;
    std::string total_deducted;
    std::string employer_name;
    std::string employer_id;
    std::string variable_symbol;
    std::string made_out;
    std::string activity_since;
};

using EldpExportList = std::vector<EldpExportRecord>;

// The office name's fixed field in the export.
inline constexpr std::size_t kOfficeNameLength = 27;

// Copies the record into an export record. An empty type becomes "01" in the
// record too. A date that is not filled, or is no real date, gives an empty
// value; period dates are given only for a year above 2000.
EldpExportRecord MakeEldpExportRecord(EldpRecord& record);

}  // namespace zerkon
