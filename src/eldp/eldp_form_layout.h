#pragma once
// The ELDP entry form as one table: every field of the record sheet with its control, its place,
// its label, its editing settings, its key in the payroll program's data file and where its value
// lives in the record. The window creates its controls from these rows in this order (which is
// the tab order); loading the data file and reading the form for an output go through them.

#include <string>
#include <string_view>
#include <vector>

#include "controls/edit_behavior.h"
#include "eldp/eldp_record.h"

namespace zerkon {

enum class EldpControlKind {
    kLabeledEdit,  // TMLabeledEdit, its label 3 px above it
    kEdit,         // TMEdit (rows 2 and 3 under the labels of row 1)
    kMonthBox,     // a 17 x 17 check box under its month's column head
};

enum class EldpEditing {
    kText,      // any text
    kDigits,    // the digits 0-9
    kUpper,     // upper case
    kPostcode,  // digits and space
    kFullDate,  // "!99.99.9999", empty text "__.__.____"
    kDayMonth,  // "!99.99.", empty text "__.__."
};

struct EldpFieldRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct EldpField {
    std::string name;      // the control's name: leRok, leKod2, cb213
    std::string data_key;  // its key in the payroll program's data file; empty for none
    EldpControlKind kind = EldpControlKind::kLabeledEdit;
    EldpFieldRect rect;
    std::string label;  // labelled edits only (Windows-1250)
    EldpEditing editing = EldpEditing::kText;
    int max_length = 0;  // 0: no limit
    bool auto_select = true;
    bool enabled = true;

    // Where the value lives in the record: a text of the record, a text of a row, or a month
    // mark of a row.
    std::string EldpRecord::*record_text = nullptr;
    int row = -1;
    std::string EldpRow::*row_text = nullptr;
    int month = -1;  // 0 .. 12 (12 = the whole year)
};

// Every field in tab order: the header, the insured person, each row (code, MR, from, to, days,
// the thirteen month boxes, excluded periods, assessment base, periods to deduct), the totals,
// the employer.
const std::vector<EldpField>& EldpFormFields();

// Enter and the arrows move among the fields and month boxes only, never onto a button, where one
// more Enter would print or end the program: the index of the next (or previous) field that
// takes the focus, from the last round to the first. Tab still walks on to the buttons.
std::size_t FieldAfterByKey(std::size_t index, bool forward);

// The field's text in the record (nullptr for a month box), and its mark (nullptr otherwise).
std::string* FieldText(const EldpField& field, EldpRecord& record);
bool* FieldMark(const EldpField& field, EldpRecord& record);

// The control settings of a field: the form's shared settings (no field required, Enter and
// the arrows move like Tab, light yellow focus, caret at the end on entry) plus the field's own.
edit::EditSettings EditSettingsFor(const EldpField& field);

// Texts and places of the form itself.
inline constexpr int kEldpClientWidth = 761;
inline constexpr int kEldpClientHeight = 539;
inline constexpr std::uint32_t kEldpBackground = 15527167;
inline constexpr std::uint32_t kEldpAccent = 5197823;  // the title and the section bars
inline constexpr int kEldpMonthBoxLeft = 254;
inline constexpr int kEldpMonthBoxStep = 20;
inline constexpr int kEldpMonthBoxSize = 17;
inline constexpr int kEldpEditHeight = 21;

struct EldpSectionBar {
    std::string_view name;
    std::string_view caption;
    int top;
};

// Panel1 .. Panel3: white bold captions on the accent colour, 739 x 17 from left 8.
const std::vector<EldpSectionBar>& EldpSectionBars();
inline constexpr int kEldpSectionBarLeft = 8;
inline constexpr int kEldpSectionBarWidth = 739;
inline constexpr int kEldpSectionBarHeight = 17;

// The month column heads "1" .. "12", "1-12" above the boxes, at top 264.
std::string MonthColumnHead(int month);
inline constexpr int kEldpColumnHeadTop = 264;

}  // namespace zerkon
