// Generated sheets that pass the check are exported, alone and as one submission, and validate
// against the office's schema (xmllint: natively only); of sheets with a mistake put in, the check
// names every one the schema rejects.

#ifndef _WIN32

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <iterator>
#include <map>
#include <random>
#include <sstream>

#include "common/cp1250_literal.h"
#include "eldp/eldp_check.h"
#include "eldp/eldp_xml.h"
#include "eldp_test_support.h"

namespace zerkon {
namespace {

namespace chr = std::chrono;

class SheetGenerator {
  public:
    explicit SheetGenerator(unsigned seed) : random_(seed) {}

    // Any year, person, employer and one to three rows, the totals their sums; names with Czech
    // letters and the characters XML reserves.
    EldpRecord FilingReady() {
        EldpRecord r = testing::FilingReadyRecord();
        const int year = Between(2001, 2030);
        r.year = std::to_string(year);
        r.type = Pick({"", "01", "51"});
        for (std::string* text : {&r.surname, &r.first_name, &r.street, &r.employer_name}) {
            *text = Text(Between(1, 50));
        }
        const chr::year_month_day birth{chr::sys_days(chr::year{1930} / 1 / 1) +
                                        chr::days{Between(0, 28000)}};
        const int y = int(birth.year()), m = int(unsigned(birth.month())),
                  d = int(unsigned(birth.day()));
        r.birth_date = DayMonth(birth) + std::to_string(y);
        r.birth_number = Two(y % 100) +
                         Two(m + (Chance(2) ? 50 : 0) + (y >= 1954 && Chance(5) ? 20 : 0)) +
                         Two(d) + Digits(3);
        if (y >= 1954) {  // ten digits divisible by 11, or the first nine leaving 10 and a 0
            r.birth_number += char('0' + (11 - std::stoll(r.birth_number) * 10 % 11) % 11 % 10);
        }
        std::string id = Digits(7);
        int sum = 0;
        for (int i = 0; i < 7; ++i) sum += (id[i] - '0') * (8 - i);
        r.employer_id = id + char('0' + (11 - sum % 11) % 10);
        r.variable_symbol = Digits(Between(1, 10));

        long long excluded = 0, base = 0;
        const int used = Between(1, 7);  // a bit a row
        for (int i = 0; i < kEldpRowCount; ++i) {
            EldpRow& row = r.rows[i];
            row = EldpRow{};
            if (!(used & (1 << i))) continue;
            const int first = Between(0, 364), last = Between(first, 364);
            const chr::sys_days jan1 = chr::sys_days(chr::year{year} / 1 / 1);
            row.code = Pick({"1", "P", "T"});
            row.from = DayMonth(jan1 + chr::days{first});
            row.to = DayMonth(jan1 + chr::days{last});
            row.days = std::to_string(Between(0, last - first + 1));
            for (bool& mark : row.months) mark = Chance(2);
            const int e = Between(0, 300), b = Between(0, 3000000);
            row.excluded = e || Chance(2) ? std::to_string(e) : "";
            row.base = std::to_string(b);
            excluded += e;
            base += b;
        }
        r.total_excluded = excluded || Chance(2) ? std::to_string(excluded) : "";
        r.total_base = std::to_string(base);
        return r;
    }

    // Values that do not belong in a field; the fields whose values the schema types (a row
    // field without its digit stands for the first used row).
    static constexpr const char* kStray[] = {"",    " ", "abc",         "12a",    "-5",    "+5",
                                             "1 2", "0", "99999999999", "01.0_.", "31.02."};
    static std::vector<std::string> TypedFields() {
        std::istringstream names(
            "leRok leTypELDP leKodELDP leRC leDny leOd leDo leVymZakl leVylDoby leVylDobyCelkem "
            "leVymZaklCelkem leICO leVS lePSC leDatumNar");
        return {std::istream_iterator<std::string>(names), std::istream_iterator<std::string>()};
    }

    // A filing-ready sheet with the value in the named field.
    EldpRecord WithStray(std::string name, const char* value) {
        EldpRecord r = FilingReady();
        if (testing::FieldIndex(name) == EldpFormFields().size()) {
            int first = 0;
            while (!r.rows[first].IsUsed()) ++first;
            name += std::to_string(first + 1);
        }
        *FieldText(EldpFormFields().at(testing::FieldIndex(name)), r) = value;
        return r;
    }

    // A filing-ready sheet with a stray value in any field of the form.
    EldpRecord WithStrayAnywhere() {
        EldpRecord r = FilingReady();
        const EldpField& field = EldpFormFields()[Between(0, int(EldpFormFields().size()) - 1)];
        if (std::string* text = FieldText(field, r)) *text = kStray[Between(0, 10)];
        return r;
    }

  private:
    int Between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    bool Chance(int one_in) { return Between(1, one_in) == 1; }
    std::string Pick(std::initializer_list<const char*> choices) {
        return *(choices.begin() + Between(0, int(choices.size()) - 1));
    }
    std::string Digits(int count) {
        std::string digits;
        while (count-- > 0) digits += char('0' + Between(0, 9));
        return digits;
    }
    std::string Text(int length) {
        static const std::string kLetters =
            "abcdefghijklmnopqrstuvwxyzÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž &<>\"'.-/"_cz;
        std::string text;
        while (length-- > 0) text += kLetters[Between(0, int(kLetters.size()) - 1)];
        return text;
    }
    static std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
    static std::string DayMonth(chr::year_month_day date) {
        return Two(int(unsigned(date.day()))) + "." + Two(int(unsigned(date.month()))) + ".";
    }

    std::mt19937 random_;
};

// xmllint's verdict on each file: true when it validates against the schema.
std::map<std::string, bool> SchemaVerdicts(const std::vector<std::string>& files) {
    std::string command =
        "xmllint --noout --schema '" + testing::EldpData("ELDP09.xsd").string() + "'";
    for (const std::string& file : files) command += " '" + file + "'";
    std::map<std::string, bool> verdicts;
    FILE* out = popen((command + " 2>&1").c_str(), "r");
    char line[4096];
    while (out && std::fgets(line, sizeof line, out)) {
        const std::string text(line);
        for (const std::string verdict : {" validates\n", " fails to validate\n"}) {
            if (text.ends_with(verdict)) {
                verdicts[text.substr(0, text.size() - verdict.size())] = verdict[1] == 'v';
            }
        }
    }
    if (out) pclose(out);
    return verdicts;
}

TEST(EldpSchemaProperty, SheetsThatPassTheCheckAreValidAndEveryRejectedSheetIsNamed) {
    ASSERT_EQ(std::system("xmllint --version >/dev/null 2>&1"), 0) << "xmllint is needed";
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    SheetGenerator generate(seed);
    std::vector<std::pair<EldpRecord, bool>> sheets;  // with whether a mistake was put in
    for (int i = 0; i < 250; ++i) sheets.emplace_back(generate.FilingReady(), false);
    for (const std::string& field : SheetGenerator::TypedFields()) {
        for (const char* value : SheetGenerator::kStray) {
            sheets.emplace_back(generate.WithStray(field, value), true);
        }
    }
    for (int i = 0; i < 100; ++i) sheets.emplace_back(generate.WithStrayAnywhere(), true);

    testing::PayrollInstallation payroll;
    testing::ScratchFolder out;
    const auto write = [&](const EldpExportList& list, const std::string& name) {
        EXPECT_TRUE(WriteEldpXml(testing::Disk(), list, payroll.base_text() + "/SOURCERAL/",
                                 out.text() + name + "/")
                        .ok());
        return out.text() + name + "/" + kEldpXmlFile;
    };
    std::vector<std::string> files;
    std::vector<bool> named;
    EldpExportList submission;
    for (auto& [record, mistaken] : sheets) {
        const std::vector<EldpProblem> problems = CheckEldpRecord(record);
        if (!mistaken) {
            EXPECT_EQ(EldpProblemLines(problems, 3), "") << "sheet " << files.size();
        }
        EldpExportList one{MakeEldpExportRecord(record)};
        if (problems.empty()) submission.push_back(one.front());
        files.push_back(write(one, std::to_string(files.size())));
        named.push_back(!problems.empty());
    }
    const std::string all = write(submission, "all");

    std::map<std::string, bool> verdicts = SchemaVerdicts(files);
    verdicts.merge(SchemaVerdicts({all}));
    ASSERT_EQ(verdicts.size(), files.size() + 1);
    EXPECT_TRUE(verdicts[all]) << submission.size() << " sheets in one submission";
    int rejected = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        rejected += verdicts[files[i]] ? 0 : 1;
        EXPECT_TRUE(verdicts[files[i]] || named[i])
            << "the schema rejects what the check lets through: " << files[i];
    }
    EXPECT_GT(rejected, 40);  // the mistakes put in do reach the schema (60 to 70 of them)
}

}  // namespace
}  // namespace zerkon

#endif
