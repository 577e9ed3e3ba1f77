#include "eldp/eldp_form_layout.h"

#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

using E = EldpEditing;

struct RecordFieldRow {
    const char* name;
    const char* key;  // in the data file; empty for fields typed by hand only
    int left, top, width;
    const char* label;
    EldpEditing editing;
    int max_length;
    std::string EldpRecord::*text;
};

struct RowFieldColumn {
    const char* name;  // the row digit follows it, in the key too
    const char* key;
    int left, width;
    const char* label;  // row 1 only
    EldpEditing editing;
    int max_length;
    std::string EldpRow::*text;
};

constexpr int kRowTops[kEldpRowCount] = {280, 304, 328};
constexpr int kTotalsTop = 368;

// In tab order: left to right, top to bottom.
const RecordFieldRow kHeaderAndPerson[] = {
    {"leTechKod", "", 196, 40, 53, "Technický kód"_cz, E::kText, 0, &EldpRecord::tech_code},
    {"leRok", "rok", 336, 40, 73, "za rok", E::kDigits, 4, &EldpRecord::year},
    {"leTypELDP", "typ", 476, 40, 53, "Typ ELDP", E::kDigits, 2, &EldpRecord::type},
    {"leOpravaELDP", "", 536, 40, 109, "Oprava ELDP ze dne", E::kFullDate, 0,
     &EldpRecord::correction_date},
    {"leKodELDP", "kodOSSZ", 8, 80, 53, "kód OSSZ"_cz, E::kDigits, 3, &EldpRecord::office_code},
    {"leMistneOSSZ", "NazevOSSZ", 68, 80, 679, "Místně příslušná OSSZ (ÚP PSSZ)"_cz, E::kText, 27,
     &EldpRecord::office_name},
    {"lePrijmeni", "Prijmeni", 8, 140, 205, "Příjmení (poslední)"_cz, E::kText, 50,
     &EldpRecord::surname},
    {"leJmeno", "Jmeno", 216, 140, 173, "Jméno"_cz, E::kText, 50, &EldpRecord::first_name},
    {"leTitul", "Titul", 392, 140, 101, "Titul", E::kText, 30, &EldpRecord::title},
    {"leDatumNar", "DatNar", 496, 140, 121, "Datum narození"_cz, E::kFullDate, 0,
     &EldpRecord::birth_date},
    {"leRC", "RC", 636, 140, 111, "Rodné číslo pojištěnce"_cz, E::kDigits, 10,
     &EldpRecord::birth_number},
    {"leUlice", "Ulice", 8, 180, 381, "Ulice", E::kText, 50, &EldpRecord::street},
    {"leCisDomu", "Cislo", 392, 180, 101, "Číslo domu"_cz, E::kText, 12, &EldpRecord::house_number},
    {"lePrijmeniR", "PrijmeniR", 496, 180, 249, "Rodné příjmení"_cz, E::kText, 50,
     &EldpRecord::birth_surname},
    {"leObec", "Obec", 8, 220, 297, "Obec", E::kText, 50, &EldpRecord::municipality},
    {"lePosta", "Posta", 308, 220, 81, "Pošta"_cz, E::kText, 5, &EldpRecord::post_office},
    {"lePSC", "PSC", 392, 220, 101, "PSČ"_cz, E::kPostcode, 6, &EldpRecord::postcode},
    {"leStat", "stat", 496, 220, 37, "Stát"_cz, E::kUpper, 2, &EldpRecord::country},
    {"leMistoNar", "MisNar", 536, 220, 211, "Místo narození"_cz, E::kText, 50,
     &EldpRecord::birth_place},
};

const RowFieldColumn kRowBeforeMarks[] = {
    {"leKod", "Kod", 8, 41, "Kód"_cz, E::kUpper, 3, &EldpRow::code},
    {"leMR", "MR", 52, 25, "MR", E::kUpper, 1, &EldpRow::mr},
    {"leOd", "od", 80, 60, "Od", E::kDayMonth, 0, &EldpRow::from},
    {"leDo", "do", 145, 60, "Do", E::kDayMonth, 0, &EldpRow::to},
    {"leDny", "Dny", 211, 37, "Dny", E::kDigits, 3, &EldpRow::days},
};

const RowFieldColumn kRowAfterMarks[] = {
    {"leVylDoby", "VylDoba", 514, 65, "Vylouč. doby"_cz, E::kDigits, 3, &EldpRow::excluded},
    {"leVymZakl", "VymZakl", 587, 95, "Vyměřovací základ"_cz, E::kDigits, 7, &EldpRow::base},
    {"leDobyOdect", "DobyOdect", 689, 60, "Doby odečt."_cz, E::kDigits, 3, &EldpRow::deducted},
};

const RecordFieldRow kTotalsAndEmployer[] = {
    {"leVylDobyCelkem", "VylDobaC", 514, kTotalsTop, 65, "Celkem", E::kDigits, 3,
     &EldpRecord::total_excluded},
    {"leVymZaklCelkem", "VymZaklC", 587, kTotalsTop, 95, "Celkem", E::kDigits, 7,
     &EldpRecord::total_base},
    {"leDobyOdectCelkem", "DobyOdectC", 689, kTotalsTop, 60, "Celkem", E::kDigits, 3,
     &EldpRecord::total_deducted},
    {"leNazevZam", "NazOrg", 8, 428, 469, "Název zaměstnavatele"_cz, E::kText, 144,
     &EldpRecord::employer_name},
    {"leICO", "ICO", 484, 428, 133, "IČ"_cz, E::kDigits, 8, &EldpRecord::employer_id},
    {"leVS", "VS", 624, 428, 123, "Variabilní symbol"_cz, E::kDigits, 10,
     &EldpRecord::variable_symbol},
    {"leCinnOd", "DatVydCin", 8, 468, 121, "Výdělečná činnost od"_cz, E::kFullDate, 0,
     &EldpRecord::activity_since},
    {"leDatumELDP", "datVyh", 8, 508, 121, "Datum vyhotovení ELDP"_cz, E::kFullDate, 0,
     &EldpRecord::made_out},
};

EldpField RecordField(const RecordFieldRow& row) {
    EldpField field;
    field.name = row.name;
    field.data_key = row.key;
    field.rect = {row.left, row.top, row.width, kEldpEditHeight};
    field.label = row.label;
    field.editing = row.editing;
    field.max_length = row.max_length;
    field.record_text = row.text;
    field.enabled = field.name != "leTechKod";
    // The employer's numbers are mostly typed over in part, not replaced.
    field.auto_select = field.name != "leICO" && field.name != "leVS";
    return field;
}

EldpField RowField(const RowFieldColumn& column, int row) {
    EldpField field;
    field.name = column.name + std::to_string(row + 1);
    field.data_key = column.key + std::to_string(row + 1);
    field.kind = row == 0 ? EldpControlKind::kLabeledEdit : EldpControlKind::kEdit;
    field.rect = {column.left, kRowTops[row], column.width, kEldpEditHeight};
    if (row == 0) field.label = column.label;
    field.editing = column.editing;
    field.max_length = column.max_length;
    field.row = row;
    field.row_text = column.text;
    return field;
}

EldpField MonthBox(int row, int month) {
    EldpField field;
    const std::string digits =
        std::to_string(row + 1) + (month < 9 ? "0" : "") + std::to_string(month + 1);
    field.name = "cb" + digits;
    field.data_key = "x" + digits;  // x105: May of row 1
    field.kind = EldpControlKind::kMonthBox;
    field.rect = {kEldpMonthBoxLeft + kEldpMonthBoxStep * month, kRowTops[row], kEldpMonthBoxSize,
                  kEldpMonthBoxSize};
    field.row = row;
    field.month = month;
    return field;
}

std::vector<EldpField> BuildFields() {
    std::vector<EldpField> fields;
    for (const RecordFieldRow& row : kHeaderAndPerson) fields.push_back(RecordField(row));
    for (int row = 0; row < kEldpRowCount; ++row) {
        for (const RowFieldColumn& column : kRowBeforeMarks)
            fields.push_back(RowField(column, row));
        for (int month = 0; month < kEldpMonthMarks; ++month)
            fields.push_back(MonthBox(row, month));
        for (const RowFieldColumn& column : kRowAfterMarks) fields.push_back(RowField(column, row));
    }
    for (const RecordFieldRow& row : kTotalsAndEmployer) fields.push_back(RecordField(row));
    return fields;
}

}  // namespace

const std::vector<EldpField>& EldpFormFields() {
    static const std::vector<EldpField> fields = BuildFields();
    return fields;
}

std::size_t FieldAfterByKey(std::size_t index, bool forward) {
    const std::vector<EldpField>& fields = EldpFormFields();
    const std::size_t count = fields.size();
    for (std::size_t step = 1; step < count; ++step) {
        const std::size_t next = forward ? (index + step) % count : (index + count - step) % count;
        if (fields[next].enabled) return next;
    }
    return index;
}

std::string* FieldText(const EldpField& field, EldpRecord& record) {
    if (field.record_text) return &(record.*field.record_text);
    if (field.row_text) return &(record.rows[field.row].*field.row_text);
    return nullptr;
}

bool* FieldMark(const EldpField& field, EldpRecord& record) {
    if (field.kind != EldpControlKind::kMonthBox) return nullptr;
    return &record.rows[field.row].months[field.month];
}

edit::EditSettings EditSettingsFor(const EldpField& field) {
    edit::EditSettings settings;
    settings.auto_select = field.auto_select;
    settings.cursor_end_field = edit::CursorEndField::cfEnd;
    settings.color_on_focus = kColourLightYellow;
    settings.key_enter = true;
    settings.key_down_up = true;
    settings.required = false;
    switch (field.editing) {
        case EldpEditing::kText:
            break;
        case EldpEditing::kDigits:
        case EldpEditing::kPostcode:
            settings.string_edit.filtr_use = true;
            settings.string_edit.filtr =
                field.editing == EldpEditing::kDigits ? "0123456789" : " 0123456789";
            break;
        case EldpEditing::kUpper:
            settings.case_mode = edit::CaseMode::cmUpperCase;
            break;
        case EldpEditing::kFullDate:
        case EldpEditing::kDayMonth:
            settings.edit_type = edit::TypeEdit::teMask;
            settings.mask_edit.Mask =
                field.editing == EldpEditing::kFullDate ? "!99.99.9999" : "!99.99.";
            settings.mask_edit.MaskOnExit = TMaskOn::moRevisionSpec;
            break;
    }
    settings.max_length = field.max_length;
    return settings;
}

const std::vector<EldpSectionBar>& EldpSectionBars() {
    static const std::vector<EldpSectionBar> bars = {
        {"Panel1", "  1. Identifikace pojištěnce"_cz, 104},
        {"Panel2", "  2. Průběh pojištění v daném roce"_cz, 244},
        {"Panel3", "  3. Identifikační údaje organizace a podpisy"_cz, 392},
    };
    return bars;
}

std::string MonthColumnHead(int month) {
    return month == 12 ? "1-12" : std::to_string(month + 1);
}

}  // namespace zerkon
