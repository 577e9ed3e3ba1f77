#include "eldp/eldp_data_file.h"

#include "common/cp1250.h"
#include "common/file_helpers.h"

namespace zerkon {
namespace {

using TextField = std::string EldpRecord::*;
using RowTextField = std::string EldpRow::*;

struct KeyedField {
    const char* key;
    TextField field;
};

struct KeyedRowField {
    const char* key;  // the row digit follows it: Kod1, VylDoba3
    RowTextField field;
};

// In the order in which the form fills its controls.
constexpr KeyedField kPersonFields[] = {
    {"rok", &EldpRecord::year},
    {"typ", &EldpRecord::type},
    {"kodOSSZ", &EldpRecord::office_code},
    {"NazevOSSZ", &EldpRecord::office_name},
    {"Prijmeni", &EldpRecord::surname},
    {"Jmeno", &EldpRecord::first_name},
    {"Titul", &EldpRecord::title},
    {"DatNar", &EldpRecord::birth_date},
    {"RC", &EldpRecord::birth_number},
    {"Ulice", &EldpRecord::street},
    {"Cislo", &EldpRecord::house_number},
    {"PrijmeniR", &EldpRecord::birth_surname},
    {"Obec", &EldpRecord::municipality},
    {"Posta", &EldpRecord::post_office},
    {"PSC", &EldpRecord::postcode},
    {"stat", &EldpRecord::country},
    {"MisNar", &EldpRecord::birth_place},
};

constexpr KeyedRowField kRowFieldsBeforeMarks[] = {
    {"Kod", &EldpRow::code}, {"MR", &EldpRow::mr},    {"od", &EldpRow::from},
    {"do", &EldpRow::to},    {"Dny", &EldpRow::days},
};

constexpr KeyedRowField kRowFieldsAfterMarks[] = {
    {"VylDoba", &EldpRow::excluded},
    {"VymZakl", &EldpRow::base},
    {"DobyOdect", &EldpRow::deducted},
};

constexpr KeyedField kEmployerFields[] = {
    {"VylDobaC", &EldpRecord::total_excluded},   {"VymZaklC", &EldpRecord::total_base},
    {"DobyOdectC", &EldpRecord::total_deducted}, {"NazOrg", &EldpRecord::employer_name},
    {"ICO", &EldpRecord::employer_id},           {"VS", &EldpRecord::variable_symbol},
    {"DatVydCin", &EldpRecord::activity_since},  {"datVyh", &EldpRecord::made_out},
};

std::string RowKey(const KeyedRowField& f, int row_digit) {
    return std::string(f.key) + static_cast<char>('0' + row_digit);
}

// "x", the row digit and the month written with two digits: x105, x213.
std::string MonthMarkKey(int row_digit, int month) {
    std::string key = "x";
    key += static_cast<char>('0' + row_digit);
    key += static_cast<char>('0' + month / 10);
    key += static_cast<char>('0' + month % 10);
    return key;
}

}  // namespace

std::string GetAttrValue(std::string_view joined_text, std::string_view key) {
    std::string text = " ";
    text += joined_text;
    std::string pattern = " ";
    pattern += key;
    pattern += "=\"";
    const std::string upper_text = UpperCase1250(text);
    const std::size_t at = upper_text.find(UpperCase1250(pattern));
    if (at == std::string::npos) return {};
    const std::size_t start = at + pattern.size();
    const std::size_t end = text.find('"', start);
    if (end == std::string::npos) return {};
    return text.substr(start, end - start);
}

void ApplyEldpData(std::string_view joined_text, EldpRecord& record) {
    for (const KeyedField& f : kPersonFields) record.*f.field = GetAttrValue(joined_text, f.key);
    for (int r = 0; r < kEldpRowCount; ++r) {
        EldpRow& row = record.rows[r];
        const int digit = r + 1;
        for (const KeyedRowField& f : kRowFieldsBeforeMarks) {
            row.*f.field = GetAttrValue(joined_text, RowKey(f, digit));
        }
        for (int m = 0; m < kEldpMonthMarks; ++m) {
            if (GetAttrValue(joined_text, MonthMarkKey(digit, m + 1)) == "X") row.months[m] = true;
        }
        for (const KeyedRowField& f : kRowFieldsAfterMarks) {
            row.*f.field = GetAttrValue(joined_text, RowKey(f, digit));
        }
    }
    for (const KeyedField& f : kEmployerFields) record.*f.field = GetAttrValue(joined_text, f.key);
}

void IniEldp(std::string_view data_file, EldpRecord& record) {
    ApplyEldpData(ReadTextFileJoined(data_file), record);
}

}  // namespace zerkon
