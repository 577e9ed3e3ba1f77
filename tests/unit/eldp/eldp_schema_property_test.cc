// The check before filing against the office's own schema: generated sheets that pass the check
// are exported by the real export (one sheet a file, and all of them in one submission) and
// validated with xmllint; sheets with one mistake put in are exported too, and every one that
// the schema rejects must be one that the check names.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>

#include "common/cp1250.h"
#include "common/text_helpers.h"
#include "eldp/eldp_check.h"
#include "eldp/eldp_export.h"
#include "eldp/eldp_form_layout.h"
#include "eldp/eldp_xml.h"
#include "eldp_test_support.h"

namespace zerkon {
namespace {

using testing::PayrollInstallation;
using testing::RecordingBoxes;
using testing::ScratchFolder;

class SheetGenerator {
  public:
    explicit SheetGenerator(unsigned seed) : random_(seed) {}

    EldpRecord FilingReady() {
        EldpRecord r;
        year_ = Between(2001, 2030);
        r.year = std::to_string(year_);
        r.type = Pick({"", "01", "51", "61"});
        r.correction_date = Chance(2) ? Dotted(Between(2001, 2030), Between(1, 12), Between(1, 28))
                                      : std::string(kEmptyFullDate);
        r.office_code = std::to_string(Between(1, 999));
        r.office_name = Text(0, 40);
        r.surname = Text(1, 50);
        r.first_name = Text(1, 50);
        r.title = Text(0, 30);
        BirthNumberAndDate(r);
        r.street = Text(0, 50);
        r.house_number = Text(0, 12);
        r.birth_surname = Text(0, 50);
        r.municipality = Text(0, 50);
        r.post_office = Text(0, 5);
        r.postcode = Chance(4) ? "" : Digits(3) + (Chance(2) ? " " : "") + Digits(2);
        r.country = Pick({"", "CZ", "SK"});
        r.birth_place = Text(0, 50);
        Rows(r);
        r.employer_name = Text(1, 144);
        r.employer_id = EmployerId();
        r.variable_symbol = Digits(Between(1, 10));
        r.activity_since = Chance(3) ? std::string(kEmptyFullDate)
                                     : Dotted(Between(1990, 2030), Between(1, 12), Between(1, 28));
        r.made_out = Dotted(year_ + 1, Between(1, 12), Between(1, 28));
        return r;
    }

    // Values that do not belong in a field, and the fields whose values the schema types.
    static constexpr const char* kStray[] = {"",       " ",      "abc",     "12a",         "-5",
                                             "+5",     "1 2",    "0",       "99999999999", "01.0_.",
                                             "31.02.", "__.__.", "7.7.2010"};
    static constexpr const char* kTypedFields[] = {"leRok",
                                                   "leTypELDP",
                                                   "leKodELDP",
                                                   "leRC",
                                                   "leDny",
                                                   "leOd",
                                                   "leDo",
                                                   "leVymZakl",
                                                   "leVylDoby",
                                                   "leDobyOdect",
                                                   "leVylDobyCelkem",
                                                   "leVymZaklCelkem",
                                                   "leDobyOdectCelkem",
                                                   "leICO",
                                                   "leVS",
                                                   "lePSC",
                                                   "leDatumNar"};

    // The field's text becomes the value; a row field's name without its digit means the first
    // used row.
    static void PutStray(EldpRecord& r, std::string name, const char* value) {
        if (name.starts_with("le") && !name.ends_with("Celkem") &&
            (name.ends_with("Dny") || name.ends_with("Od") || name.ends_with("Do") ||
             name.ends_with("Zakl") || name.ends_with("Doby") || name.ends_with("Odect"))) {
            name += std::to_string(FirstUsedRow(r) + 1);
        }
        for (const EldpField& field : EldpFormFields()) {
            if (field.name != name) continue;
            if (std::string* text = FieldText(field, r)) *text = value;
        }
    }

    // One mistake of the kinds clerks make, or a stray value in any field.
    void PutInAMistake(EldpRecord& r) {
        EldpRow& row = r.rows[FirstUsedRow(r)];
        switch (Between(0, 8)) {
            case 0: {
                const std::vector<EldpField>& fields = EldpFormFields();
                const EldpField& field = fields[Between(0, static_cast<int>(fields.size()) - 1)];
                PutStray(r, field.name, kStray[Between(0, std::size(kStray) - 1)]);
                break;
            }
            case 1:
                r.birth_number.back() =
                    static_cast<char>('0' + (r.birth_number.back() - '0' + 1) % 10);
                break;
            case 2:
                r.employer_id.back() =
                    static_cast<char>('0' + (r.employer_id.back() - '0' + 1) % 10);
                break;
            case 3:
                row.days = std::to_string(Between(367, 999));
                break;
            case 4:
                r.total_base = std::to_string(std::stoll(RemoveBlanks(r.total_base)) + 1);
                break;
            case 5:
                for (EldpRow& each : r.rows) each.code.clear();
                break;
            case 6:
                r.year = Pick({"1999", "20O9", "209"});
                break;
            case 7:
                std::swap(row.from, row.to);
                break;
            default:
                (Chance(2) ? row.days : row.base).clear();
                break;
        }
    }

  private:
    int Between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    bool Chance(int one_in) { return Between(1, one_in) == 1; }
    std::string Pick(std::initializer_list<const char*> choices) {
        return *(choices.begin() + Between(0, static_cast<int>(choices.size()) - 1));
    }
    std::string Digits(int count) {
        std::string digits;
        for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + Between(0, 9));
        return digits;
    }
    // Czech letters and the characters XML reserves.
    std::string Text(int shortest, int longest) {
        static const std::string kLetters =
            Utf8ToCp1250("abcdefghijklmnopqrstuvwxyzÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž &<>\"'.-/");
        std::string text;
        for (int n = Between(shortest, longest); n > 0; --n) {
            text += kLetters[static_cast<std::size_t>(Between(0, int(kLetters.size()) - 1))];
        }
        return text;
    }
    static std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
    static std::string Dotted(int year, int month, int day) {
        return Two(day) + "." + Two(month) + "." + std::to_string(year);
    }
    static int DaysIn(int year, int month) {
        static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        return month == 2 && leap ? 29 : kDays[month - 1];
    }

    void BirthNumberAndDate(EldpRecord& r) {
        const int year = Between(1930, 2008), month = Between(1, 12);
        const int day = Between(1, DaysIn(year, month));
        const bool nine = year < 1954;  // ten digits from 1954 on
        int coded_month = month + (Chance(2) ? 50 : 0);
        if (!nine && Chance(5)) coded_month += 20;
        std::string number = Two(year % 100) + Two(coded_month) + Two(day) + Digits(3);
        if (!nine) {
            const long long check = (11 - std::stoll(number) * 10 % 11) % 11;
            number += static_cast<char>('0' + check % 10);  // 10: the first nine leave 10
        }
        r.birth_number = number;
        r.birth_date = Chance(5) ? std::string(kEmptyFullDate) : Dotted(year, month, day);
    }

    std::string EmployerId() {
        std::string id = Digits(7);
        int sum = 0;
        for (int i = 0; i < 7; ++i) sum += (id[i] - '0') * (8 - i);
        return id + static_cast<char>('0' + (11 - sum % 11) % 10);
    }

    void Rows(EldpRecord& r) {
        long long excluded = 0, base = 0, deducted = 0;
        const int used = Between(1, 7);  // a bit for each row
        for (int i = 0; i < kEldpRowCount; ++i) {
            if (!(used & (1 << i))) continue;
            EldpRow& row = r.rows[i];
            int from_month = Between(1, 12), to_month = Between(from_month, 12);
            int from_day = Between(1, DaysIn(year_, from_month));
            int to_day = Between(from_month == to_month ? from_day : 1, DaysIn(year_, to_month));
            row.code = Pick({"1", "2", "P", "T", "D"});
            row.mr = Pick({"", "A", "B"});
            row.from = Two(from_day) + "." + Two(from_month) + ".";
            row.to = Two(to_day) + "." + Two(to_month) + ".";
            namespace chr = std::chrono;
            const auto day_of = [&](int month, int day) {
                return chr::sys_days(chr::year{year_} / month / day);
            };
            const auto span = (day_of(to_month, to_day) - day_of(from_month, from_day)).count() + 1;
            row.days = std::to_string(Between(0, static_cast<int>(span)));
            for (bool& mark : row.months) mark = Chance(2);
            const int e = Between(0, 300), b = Between(0, 3000000), d = Between(0, 300);
            row.excluded = e || Chance(2) ? std::to_string(e) : "";
            row.base = b >= 1000 && Chance(3) ? std::to_string(b / 1000) + " " + Digits(3)
                                              : std::to_string(b);
            row.deducted = d || Chance(2) ? std::to_string(d) : "";
            excluded += e;
            base += std::stoll(RemoveBlanks(row.base));
            deducted += d;
        }
        r.total_excluded = excluded || Chance(2) ? std::to_string(excluded) : "";
        r.total_base = std::to_string(base);
        r.total_deducted = deducted || Chance(2) ? std::to_string(deducted) : "";
    }

    static int FirstUsedRow(const EldpRecord& r) {
        for (int i = 0; i < kEldpRowCount; ++i) {
            if (r.rows[i].IsUsed()) return i;
        }
        return 0;
    }

    std::mt19937 random_;
    int year_ = 2009;
};

// xmllint is a Linux program: the check runs in the native build.
#ifndef _WIN32

// xmllint's verdict on each file: true when it validates against the schema.
std::map<std::string, bool> SchemaVerdicts(const std::vector<std::string>& files) {
    std::string command =
        "xmllint --noout --schema '" + testing::EldpData("ELDP09.xsd").string() + "'";
    for (const std::string& file : files) command += " '" + file + "'";
    std::map<std::string, bool> verdicts;
    FILE* out = popen((command + " 2>&1").c_str(), "r");
    if (!out) return verdicts;
    char line[4096];
    while (std::fgets(line, sizeof line, out)) {
        const std::string text(line);
        for (const char* verdict : {" validates\n", " fails to validate\n"}) {
            if (text.ends_with(verdict)) {
                verdicts[text.substr(0, text.size() - std::strlen(verdict))] = verdict[1] == 'v';
            }
        }
    }
    pclose(out);
    return verdicts;
}

TEST(EldpSchemaProperty, SheetsThatPassTheCheckAreValidAndEveryRejectedSheetIsNamed) {
    ASSERT_EQ(std::system("xmllint --version >/dev/null 2>&1"), 0) << "xmllint is needed";
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    SheetGenerator generate(seed);
    PayrollInstallation payroll;
    ScratchFolder out;
    RecordingBoxes boxes;
    const std::string source = payroll.base_text() + "/SOURCERAL/";

    struct Sheet {
        EldpRecord record;
        bool mistaken;
        std::vector<EldpProblem> problems;
        std::string file;
    };
    std::vector<Sheet> sheets;
    EldpExportList submission;
    std::vector<std::pair<EldpRecord, bool> > records;  // with whether a mistake was put in
    for (int i = 0; i < 250; ++i) records.emplace_back(generate.FilingReady(), false);
    for (const char* field : SheetGenerator::kTypedFields) {
        for (const char* value : SheetGenerator::kStray) {
            records.emplace_back(generate.FilingReady(), true);
            SheetGenerator::PutStray(records.back().first, field, value);
        }
    }
    for (int i = 0; i < 150; ++i) {
        records.emplace_back(generate.FilingReady(), true);
        generate.PutInAMistake(records.back().first);
    }
    for (auto& [record, mistaken] : records) {
        const int i = static_cast<int>(sheets.size());
        Sheet sheet{record, mistaken, CheckEldpRecord(record), {}};
        if (!mistaken) {
            EXPECT_EQ(EldpProblemLines(sheet.problems, 3), "") << "sheet " << i;
        }
        const std::string folder = out.text() + std::to_string(i) + "/";
        EldpExportList one{MakeEldpExportRecord(sheet.record)};
        WriteEldpXml(one, source, folder, boxes);
        sheet.file = folder + kEldpXmlFile;
        if (sheet.problems.empty()) submission.push_back(one.front());
        sheets.push_back(std::move(sheet));
    }
    WriteEldpXml(submission, source, out.text() + "all/", boxes);
    const std::string all = out.text() + "all/" + kEldpXmlFile;

    std::vector<std::string> files{all};
    for (const Sheet& sheet : sheets) files.push_back(sheet.file);
    std::map<std::string, bool> verdicts = SchemaVerdicts(files);
    ASSERT_EQ(verdicts.size(), files.size());
    EXPECT_TRUE(verdicts[all]) << submission.size() << " sheets in one submission";
    int rejected = 0;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const bool valid = verdicts[sheets[i].file];
        rejected += valid ? 0 : 1;
        EXPECT_TRUE(valid || !sheets[i].problems.empty())
            << "sheet " << i
            << " is rejected by the schema, but the check finds nothing: " << sheets[i].file;
    }
    // The mistakes put in do reach the schema.
    EXPECT_GT(rejected, 60);
}

#endif

}  // namespace
}  // namespace zerkon
