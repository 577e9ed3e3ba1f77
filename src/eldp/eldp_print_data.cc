#include "eldp/eldp_print_data.h"

#include <algorithm>

#include "common/date_helpers.h"
#include "common/number_helpers.h"
#include "common/text_helpers.h"

namespace zerkon {
namespace {

class RecordWriter {
  public:
    RecordWriter(const RegionalSettings& regional, std::vector<std::string>& lines)
        : regional_(regional), lines_(lines) {}

    // Nothing more after a date that is no date.
    void Field(const std::string& tag, const std::string& value) {
        if (status_.ok()) lines_.push_back("<" + tag + ">" + value);
    }

    // d.m.yyyy, only when the masked text is filled in.
    void FullDate(const std::string& tag, const std::string& text) {
        if (!IsDateFilled(text)) return;
        Date(tag, text.empty() ? std::string() : ReformatShortDate("d.m.yyyy", text, regional_));
    }

    // d.m. of a day-and-month text, only when it is filled in.
    void DayMonth(const std::string& tag, const std::string& text) {
        if (!IsDateFilled(text)) return;
        Date(tag, ReformatDate("d.m.", text, regional_));
    }

    const Status& status() const { return status_; }

    // Whole number grouped by thousands; nothing for an empty field.
    void Base(const std::string& tag, const std::string& text) {
        if (text.empty()) {
            Field(tag, "");
            return;
        }
        const Amount value = TextToFixed4(RemoveBlanks(text), regional_);
        Field(tag, FormatWholeNumber(value, regional_));
    }

    void Row(const EldpRow& row, int digit) {
        const std::string d(1, static_cast<char>('0' + digit));
        Field("kod" + d, row.code);
        Field("MR" + d, row.mr);
        DayMonth("od" + d, row.from);
        DayMonth("do" + d, row.to);
        Field("dny" + d, row.days);
        Field("vylDoba" + d, row.excluded);
        Base("vymZakl" + d, row.base);
        Field("DobyOdect" + d, row.deducted);
        for (int m = 0; m < kEldpMonthMarks; ++m) {
            if (row.months[m]) Field("x" + d + std::to_string(m + 1), "X");
        }
    }

  private:
    void Date(const std::string& tag, const Result<std::string>& date) {
        if (date.ok()) {
            Field(tag, *date);
        } else if (status_.ok()) {
            status_ = date.status();
        }
    }

    const RegionalSettings& regional_;
    std::vector<std::string>& lines_;
    Status status_;
};

}  // namespace

std::string PrintedBirthNumber(const std::string& birth_number) {
    std::string text = ReplaceCharCopy(birth_number, '/', "");
    for (std::size_t position : {3u, 7u}) {
        text.insert(std::min<std::size_t>(position, text.size()), 1, ' ');
    }
    return text;
}

Status AppendEldpPrintData(EldpRecord& record, const RegionalSettings& regional,
                           std::vector<std::string>& job_lines) {
    RecordWriter out(regional, job_lines);
    job_lines.push_back("");
    job_lines.push_back("[Table]<eldp>");
    out.Field("ID", "0");
    out.Field("rok", record.year);
    out.Field("Typ", PadLeft(TakeSheetType(record), 2, '0'));
    out.FullDate("datOprava", record.correction_date);
    out.Field("KodOSSZ", record.office_code);
    out.Field("NazevOSSZ", record.office_name);
    out.Field("prijmeni", record.surname);
    out.Field("jmeno", record.first_name);
    out.Field("titul", record.title);
    out.FullDate("datNar", record.birth_date);
    out.Field("RC", PrintedBirthNumber(record.birth_number));
    out.Field("ulice", record.street);
    out.Field("cislo", record.house_number);
    out.Field("prijmeniR", record.birth_surname);
    out.Field("obec", record.municipality);
    out.Field("posta", record.post_office);
    out.Field("psc", record.postcode);
    out.Field("stat", record.country);
    out.Field("misNar", record.birth_place);
    for (int r = 0; r < kEldpRowCount; ++r) out.Row(record.rows[r], r + 1);
    out.Field("vylDobaC", record.total_excluded);
    out.Base("vymZaklC", record.total_base);
    out.Field("DobyOdectC", record.total_deducted);
    out.Field("NazOrg", record.employer_name);
    out.Field("ICO", record.employer_id);
    out.Field("VS", record.variable_symbol);
    out.FullDate("datVydCin", record.activity_since);
    out.FullDate("datVyh", record.made_out);
    return out.status();
}

}  // namespace zerkon
