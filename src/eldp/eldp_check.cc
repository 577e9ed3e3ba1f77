#include "eldp/eldp_check.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <optional>
#include <utility>

#include "common/cp1250_literal.h"
#include "common/date_helpers.h"
#include "common/text_helpers.h"
#include "eldp/eldp_form_layout.h"

namespace zerkon {
namespace {

namespace chr = std::chrono;

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits only, at most 18 of them.
std::uint64_t Number(std::string_view digits) {
    std::uint64_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

int TwoDigits(std::string_view text, std::size_t at) {
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

std::optional<chr::year_month_day> CivilDate(int year, int month, int day) {
    const chr::year_month_day date{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                                   chr::day{static_cast<unsigned>(day)}};
    if (month < 1 || day < 1 || !date.ok()) return std::nullopt;
    return date;
}

// "yyyy-mm-dd" as ToIsoDate writes it; nothing for "".
std::optional<chr::year_month_day> IsoDay(const std::string& iso) {
    if (iso.size() != 10) return std::nullopt;
    return CivilDate(static_cast<int>(Number(iso.substr(0, 4))), TwoDigits(iso, 5),
                     TwoDigits(iso, 8));
}

std::string DottedDate(const chr::year_month_day& date) {
    const auto two = [](unsigned n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return two(static_cast<unsigned>(date.day())) + "." + two(static_cast<unsigned>(date.month())) +
           "." + std::to_string(static_cast<int>(date.year()));
}

// "5 znaků", "2 znaky", "1 znak".
std::string Count(long long n, const char* one, const char* few, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : n >= 2 && n <= 4 ? few : many);
}

bool IsUntouchedDate(std::string_view text) {
    return text.empty() || text == kEmptyFullDate || text == kEmptyDayMonth;
}

const EldpField* FindField(std::string_view name) {
    for (const EldpField& field : EldpFormFields()) {
        if (field.name == name) return &field;
    }
    return nullptr;
}

int FieldIndex(std::string_view name) {
    const std::vector<EldpField>& fields = EldpFormFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name == name) return static_cast<int>(i);
    }
    return static_cast<int>(fields.size());
}

// Rows 2 and 3 stand under the labels of row 1, and the totals under the columns they add up.
std::string LabelOf(const EldpField& field) {
    if (field.row >= 0) {
        const std::string column = field.name.substr(0, field.name.size() - 1);
        const EldpField* first = FindField(column + "1");
        return (first ? first->label : column) + " (" + std::to_string(field.row + 1) +
               ". řádek)"_cz;
    }
    const std::string_view total_suffix = "Celkem";
    if (field.name.ends_with(total_suffix)) {
        const EldpField* column =
            FindField(field.name.substr(0, field.name.size() - total_suffix.size()) + "1");
        return field.label + " (" + (column ? column->label : std::string()) + ")";
    }
    return field.label;
}

// The fields whose value the XML must carry.
bool IsRequired(const EldpField& field) {
    static const char* const kRequired[] = {"leRok",           "leTypELDP", "leKodELDP", "leRC",
                                            "leVymZaklCelkem", "leICO",     "leVS"};
    if (field.row >= 0) return field.row_text == &EldpRow::days || field.row_text == &EldpRow::base;
    return std::find(std::begin(kRequired), std::end(kRequired), field.name) != std::end(kRequired);
}

// Sums and bases are written without blanks; everything else trimmed of spaces.
bool WrittenWithoutBlanks(const EldpField& field) {
    return field.row_text == &EldpRow::excluded || field.row_text == &EldpRow::base ||
           field.row_text == &EldpRow::deducted || field.name.ends_with("Celkem");
}

std::string WrittenValue(const EldpField& field, std::string_view text) {
    // An empty type is written as "01" (a blank one is not).
    if (field.record_text == &EldpRecord::type && text.empty()) return "01";
    return WrittenWithoutBlanks(field) ? RemoveBlanks(text) : TrimLeftSpaces(TrimRightSpaces(text));
}

class RecordCheck {
  public:
    explicit RecordCheck(EldpRecord record) : record_(std::move(record)) {}

    std::vector<EldpProblem> Run() {
        CheckEachField();
        CheckYear();
        CheckBirthNumber();
        CheckEmployerId();
        CheckPostcode();
        CheckRows();
        CheckTotals();
        std::stable_sort(found_.begin(), found_.end(),
                         [](const Found& a, const Found& b) { return a.index < b.index; });
        std::vector<EldpProblem> problems;
        for (Found& found : found_) problems.push_back(std::move(found.problem));
        return problems;
    }

  private:
    struct Found {
        int index;
        EldpProblem problem;
    };

    void Add(std::string_view name, std::string message) {
        const EldpField* field = FindField(name);
        found_.push_back(
            {FieldIndex(name),
             {std::string(name), field ? LabelOf(*field) : std::string(name), std::move(message)}});
    }
    bool Flagged(std::string_view name) const {
        return std::any_of(found_.begin(), found_.end(),
                           [&](const Found& f) { return f.problem.field == name; });
    }
    // The value as the export writes it, when the field passed the checks of every field.
    std::optional<std::string> Clean(std::string_view name) {
        const EldpField* field = FindField(name);
        if (!field || Flagged(name)) return std::nullopt;
        return WrittenValue(*field, *FieldText(*field, record_));
    }

    // What every field must be: filled when required, digits where only digits go, not longer
    // than its field, a real date in a date field. Rows without a code are not written.
    void CheckEachField() {
        for (const EldpField& field : EldpFormFields()) {
            if (field.kind == EldpControlKind::kMonthBox) continue;
            if (field.row >= 0 && !record_.rows[field.row].IsUsed()) continue;
            const std::string& text = *FieldText(field, record_);
            if (field.editing == EldpEditing::kFullDate) {
                CheckFullDate(field, text);
                continue;
            }
            if (field.editing == EldpEditing::kDayMonth) continue;  // with the row's period
            const std::string value = WrittenValue(field, text);
            if (value.empty()) {
                if (IsRequired(field)) Add(field.name, "není vyplněno"_cz);
                continue;
            }
            if (field.editing == EldpEditing::kDigits && !AllDigits(value)) {
                Add(field.name, "smí obsahovat jen číslice"_cz);
                continue;
            }
            // Codes and numbers have their widths on the sheet; names and addresses are
            // whatever length the payroll program keeps.
            if (field.editing != EldpEditing::kText && field.max_length > 0 &&
                value.size() > static_cast<std::size_t>(field.max_length)) {
                Add(field.name,
                    "je delší než "_cz + Count(field.max_length, "znak", "znaky", "znaků"_cz));
            }
        }
    }

    void CheckFullDate(const EldpField& field, const std::string& text) {
        if (IsUntouchedDate(text)) return;
        if (!IsDateFilled(text)) {
            Add(field.name, "datum není úplné"_cz);
        } else if (ToIsoDate(text).empty()) {
            Add(field.name, "\""_cz + text + "\" není platné datum"_cz);
        }
    }

    void CheckYear() {
        const auto year = Clean("leRok");
        if (!year) return;
        if (year->size() != 4 || Number(*year) <= 2000) {
            Add("leRok", "musí být rok po roce 2000, čtyřmi číslicemi"_cz);
            return;
        }
        year_ = static_cast<int>(Number(*year));
    }

    // Ten digits divisible by 11 (or the first nine leaving 10 and a last 0); nine digits for
    // those born before 1954. The first six are the date of birth: the month +50 for women,
    // +20 or +70 when the day's numbers ran out (from 2004, ten digits only).
    void CheckBirthNumber() {
        const auto number = Clean("leRC");
        if (!number) return;
        const std::string& n = *number;
        if (n.size() != 9 && n.size() != 10) {
            Add("leRC", "musí mít 9 nebo 10 číslic"_cz);
            return;
        }
        const int yy = TwoDigits(n, 0);
        int month = TwoDigits(n, 2);
        bool extra_series = false;
        if (month > 70) {
            month -= 70;
            extra_series = true;
        } else if (month > 50) {
            month -= 50;
        } else if (month > 20) {
            month -= 20;
            extra_series = true;
        }
        const int year = n.size() == 9 || yy >= 54 ? 1900 + yy : 2000 + yy;
        if (n.size() == 9 && year >= 1954) {
            Add("leRC", "devět číslic mají jen rodná čísla lidí narozených před rokem 1954"_cz);
            return;
        }
        const auto born = CivilDate(year, month, TwoDigits(n, 4));
        if (!born || (extra_series && n.size() == 9)) {
            Add("leRC", "prvních šest číslic není platné datum narození"_cz);
            return;
        }
        if (n.size() == 10) {
            const std::uint64_t value = Number(n);
            const bool divisible = value % 11 == 0 || ((value / 10) % 11 == 10 && n.back() == '0');
            if (!divisible) {
                Add("leRC", "nesouhlasí kontrolní číslice (číslo není dělitelné 11)"_cz);
                return;
            }
        }
        if (Flagged("leDatumNar")) return;
        if (const auto stated = IsoDay(ToIsoDate(record_.birth_date)); stated && *stated != *born) {
            Add("leRC", "neodpovídá datu narození "_cz + DottedDate(*stated) + " (podle čísla "_cz +
                            DottedDate(*born) + ")");
        }
    }

    // Eight digits, the last the check digit of the first seven (weights 8 to 2, modulo 11).
    void CheckEmployerId() {
        const auto id = Clean("leICO");
        if (!id) return;
        if (id->size() != 8) {
            Add("leICO", "musí mít 8 číslic"_cz);
            return;
        }
        int sum = 0;
        for (int i = 0; i < 7; ++i) sum += ((*id)[i] - '0') * (8 - i);
        if ((*id)[7] - '0' != (11 - sum % 11) % 10) Add("leICO", "nesouhlasí kontrolní číslice"_cz);
    }

    void CheckPostcode() {
        const std::string postcode = ReplaceCharCopy(record_.postcode, ' ', "");
        if (!postcode.empty() && (postcode.size() != 5 || !AllDigits(postcode))) {
            Add("lePSC", "musí mít 5 číslic"_cz);
        }
    }

    static bool HasData(const EldpRow& row) {
        for (const std::string* text :
             {&row.mr, &row.days, &row.excluded, &row.base, &row.deducted}) {
            if (!TrimLeftSpaces(TrimRightSpaces(*text)).empty()) return true;
        }
        return !IsUntouchedDate(row.from) || !IsUntouchedDate(row.to) ||
               std::find(row.months.begin(), row.months.end(), true) != row.months.end();
    }

    void CheckRows() {
        int used = 0;
        for (int r = 0; r < kEldpRowCount; ++r) {
            const EldpRow& row = record_.rows[r];
            const std::string digit = std::to_string(r + 1);
            if (!row.IsUsed()) {
                if (HasData(row)) {
                    Add("leKod" + digit, "řádek má vyplněné údaje, ale bez kódu se neodešle"_cz);
                }
                continue;
            }
            ++used;
            const auto from = PeriodDay("leOd" + digit, row.from);
            const auto to = PeriodDay("leDo" + digit, row.to);
            if (!from || !to) continue;
            if (*from > *to) {
                Add("leOd" + digit, "je pozdější než Do"_cz);
                continue;
            }
            const auto days = Clean("leDny" + digit);
            const auto span = (chr::sys_days(*to) - chr::sys_days(*from)).count() + 1;
            if (days && Number(*days) > static_cast<std::uint64_t>(span)) {
                Add("leDny" + digit,
                    "je víc než "_cz + Count(span, "den", "dny", "dnů"_cz) + " období Od až Do"_cz);
            }
        }
        if (used == 0) Add("leKod1", "vyplňte alespoň jeden řádek průběhu pojištění"_cz);
    }

    // A row's day and month, a real date in the sheet's year.
    std::optional<chr::year_month_day> PeriodDay(const std::string& name, const std::string& text) {
        if (IsUntouchedDate(text)) {
            Add(name, "není vyplněno"_cz);
            return std::nullopt;
        }
        if (!IsDateFilled(text)) {
            Add(name, "datum není úplné"_cz);
            return std::nullopt;
        }
        if (year_ == 0) return std::nullopt;  // the year is told about
        const auto day = IsoDay(ToIsoDate(text + std::to_string(year_)));
        if (!day || static_cast<int>(day->year()) != year_) {
            Add(name, "\""_cz + text + "\" není platné datum v roce "_cz + std::to_string(year_));
            return std::nullopt;
        }
        return day;
    }

    void CheckTotals() {
        struct Column {
            std::string EldpRow::*row_text;
            const char* row_name;
            const char* total_name;
        };
        static const Column kColumns[] = {
            {&EldpRow::excluded, "leVylDoby", "leVylDobyCelkem"},
            {&EldpRow::base, "leVymZakl", "leVymZaklCelkem"},
            {&EldpRow::deducted, "leDobyOdect", "leDobyOdectCelkem"},
        };
        for (const Column& column : kColumns) {
            const auto total = Clean(column.total_name);
            if (!total) continue;
            std::uint64_t sum = 0;
            bool summed = true;
            for (int r = 0; r < kEldpRowCount; ++r) {
                if (!record_.rows[r].IsUsed()) continue;
                const auto value = Clean(column.row_name + std::to_string(r + 1));
                summed = summed && value.has_value();
                if (value) sum += Number(*value);
            }
            if (summed && Number(*total) != sum) {
                Add(column.total_name, "nesouhlasí se součtem řádků "_cz + std::to_string(sum));
            }
        }
    }

    EldpRecord record_;
    int year_ = 0;  // the sheet's year once it is a valid one
    std::vector<Found> found_;
};

}  // namespace

std::vector<EldpProblem> CheckEldpRecord(const EldpRecord& record) {
    return RecordCheck(record).Run();
}

std::string EldpProblemLines(const std::vector<EldpProblem>& problems, std::size_t limit,
                             std::string_view indent) {
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < limit; ++i) {
        text += std::string(indent) + problems[i].label + ": " + problems[i].message + "\n";
    }
    if (problems.size() > limit) {
        text += std::string(indent) + "… a další chyby: "_cz +
                std::to_string(problems.size() - limit) + "\n";
    }
    return text;
}

std::string EldpCheckQuestion(const std::vector<EldpProblem>& problems) {
    return "Kontrola listu ELDP našla chyby:\n\n"_cz +
           EldpProblemLines(problems, kEldpProblemsShown) + "\nPřesto uložit eldp09.xml?"_cz;
}

}  // namespace zerkon
