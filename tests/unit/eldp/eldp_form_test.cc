#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "../print/fake_message_boxes.h"
#include "common/cp1250_literal.h"
#include "eldp/eldp_batch.h"
#include "eldp/eldp_form_flow.h"
#include "eldp/eldp_form_layout.h"
#include "eldp_test_support.h"

namespace zerkon {
namespace {

using testing::EldpData;
using testing::FakeMessageBoxes;
using testing::FieldIndex;
using testing::PayrollInstallation;

TEST(EldpFormLayout, HasEveryControlOnceInTabOrder) {
    int labeled = 0, plain = 0, boxes = 0;
    std::set<std::string> names, keys;
    for (const EldpField& field : EldpFormFields()) {
        labeled += field.kind == EldpControlKind::kLabeledEdit;
        plain += field.kind == EldpControlKind::kEdit;
        boxes += field.kind == EldpControlKind::kMonthBox;
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        if (!field.data_key.empty()) {
            EXPECT_TRUE(keys.insert(field.data_key).second) << field.name;
        }
    }
    EXPECT_EQ(labeled, 35);
    EXPECT_EQ(plain, 16);
    EXPECT_EQ(boxes, 39);
    const auto& fields = EldpFormFields();
    EXPECT_EQ(fields[1].name, "leRok");
    EXPECT_EQ(fields[19].name, "leKod1");
    EXPECT_EQ(fields[24].name, "cb101");
    EXPECT_EQ(fields[37].name, "leVylDoby1");
    EXPECT_EQ(fields.back().name, "leDatumELDP");
}

TEST(EldpFormLayout, EnterAndTheArrowsGoRoundTheFieldsPastTheDisabledOne) {
    const auto& fields = EldpFormFields();
    EXPECT_EQ(fields[FieldAfterByKey(FieldIndex("leDatumELDP"), true)].name, "leRok");
    EXPECT_EQ(fields[FieldAfterByKey(FieldIndex("leRok"), false)].name, "leDatumELDP");
    EXPECT_EQ(fields[FieldAfterByKey(FieldIndex("leTypELDP"), false)].name, "leRok");
    EXPECT_EQ(fields[FieldAfterByKey(FieldIndex("cb113"), true)].name, "leVylDoby1");
}

// The form's controls, held as a record; records what the flow asks of them.
class FakeForm : public EldpFormView {
  public:
    EldpRecord ReadRecord() override {
        calls += "read ";
        return shown;
    }
    void ShowRecord(const EldpRecord& record) override {
        calls += "show ";
        shown = record;
    }
    void FocusYear() override { calls += "focus "; }
    void ShowDataFileHint(std::string_view path) override { hint = path; }
    void ShowReloadButton() override { reload_visible = true; }
    void FocusField(std::string_view name) override { focused = name; }

    EldpRecord shown;
    std::string focused;
    std::string calls;
    std::string hint;
    bool reload_visible = false;
};

// Nothing done and nothing to tell: the user did not confirm.
bool Nothing(const EldpOutcome& outcome) {
    return outcome.status.ok() && !outcome.printed && outcome.xml_file.empty();
}

class EldpFormFlowTest : public ::testing::Test {
  protected:
    EldpFormFlowTest() { context_.UsePayrollTemplates("C:\\Zerkon\\sourceZERKON\\"); }

    void StartedWith(const std::string& data_file) {
        context_.eldp = {data_file, !data_file.empty()};
        flow_.Opened();
    }

    PayrollInstallation payroll_;
    ProgramContext context_ = ProgramContext::ForRun("C:\\Zerkon\\zerkon.exe", {});
    FakeMessageBoxes boxes_;
    EldpExportList export_list_;
    int printed_ = 0;
    EldpOutputServices services_{
        .read_payroll_folder = [this] { return payroll_.base_text(); },
        .context = context_,
        .regional = RegionalSettings::Czech(),
        .export_list = export_list_,
        .print_eldp_job =
            [this](const std::vector<std::string>&) {
                ++printed_;
                return Status::Ok();
            },
        .choose_data_files =
            [this](const std::string& folder) {
                chosen_in_ = folder;
                return chosen_;
            },
        .files = testing::Disk(),
    };
    std::vector<std::string> chosen_;
    std::string chosen_in_;
    FakeForm form_;
    int ended_ = 0;
    EldpFormFlow flow_{form_, services_, boxes_, [this] { ++ended_; }};
};

TEST_F(EldpFormFlowTest, OpensEmptyFromTheMainWindow) {
    StartedWith("");
    EXPECT_EQ(form_.calls, "");
    EXPECT_FALSE(form_.reload_visible);
    flow_.Back();
    EXPECT_EQ(ended_, 0);  // "Zpět" only closes the form
}

TEST_F(EldpFormFlowTest, ELDPModeLoadsTheDataFileAndZpetEndsTheProgram) {
    const std::string data_file = TextFromPath(EldpData("novak.txt"));
    form_.shown.tech_code = "T1";
    form_.shown.rows[2].months[0] = true;  // a mark set by hand survives the load
    StartedWith(data_file);
    EXPECT_EQ(form_.shown.surname, " Nováková "_cz);
    EXPECT_EQ(form_.shown.rows[1].base, "180 500");
    EXPECT_EQ(form_.shown.tech_code, "T1");
    EXPECT_TRUE(form_.shown.rows[2].months[0]);
    EXPECT_FALSE(form_.shown.rows[1].months[12]);  // "x" is no mark
    EXPECT_EQ(form_.hint, data_file);
    EXPECT_TRUE(form_.reload_visible);

    // Reload overwrites what was typed.
    form_.shown.surname = "Typed";
    flow_.Reload();
    EXPECT_EQ(form_.shown.surname, " Nováková "_cz);

    flow_.Back();
    EXPECT_EQ(ended_, 1);
}

TEST_F(EldpFormFlowTest, AnOutputFinishesTheFocusedFieldFirstAndShowsTheTypeItWrote) {
    StartedWith(TextFromPath(EldpData("batch/svoboda.txt")));
    form_.shown.type = "";
    form_.calls.clear();
    const EldpOutcome outcome = flow_.Output(kEldpXmlTag);
    EXPECT_NE(outcome.xml_file, "");
    EXPECT_EQ(form_.calls, "focus read show ");
    EXPECT_EQ(form_.shown.type, "01");
    EXPECT_EQ(context_.source_folder, payroll_.base_text() + "\\SOURCERAL\\");
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].caption, "Uložení datové věty XML"_cz);

    EXPECT_TRUE(flow_.Output(kEldpWorksheetTag).printed);
    EXPECT_EQ(printed_, 1);
}

TEST_F(EldpFormFlowTest, FailuresAreToldToTheUser) {
    StartedWith(TextFromPath(EldpData("batch/svoboda.txt")));
    form_.shown.birth_date = "31.02.1975";
    EXPECT_FALSE(flow_.Output(kEldpOriginalTag).status.ok());
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].text, "'31.02.1975' is not a valid date");
    EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(printed_, 0);

    // An XML folder that cannot be made: a file stands where it should be.
    form_.shown.birth_date = "12.07.1968";
    testing::WriteBytes(payroll_.base() / "xml-manualne", "not a folder");
    EXPECT_EQ(flow_.Output(kEldpXmlTag).status.code(), StatusCode::kCannotCreateFolder);
    ASSERT_EQ(boxes_.shown.size(), 2u);
    EXPECT_NE(boxes_.shown[1].text.find("eldp09.xml nebyl uložen"_cz), std::string::npos);
}

TEST_F(EldpFormFlowTest, TheXmlIsCheckedFirstAndNePutsTheCaretIntoTheFirstFieldNamed) {
    StartedWith(TextFromPath(EldpData("novak.txt")));  // birth number and IČ are wrong
    boxes_.answer = MessageResult::No;
    EXPECT_TRUE(Nothing(flow_.Output(kEldpXmlTag)));
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].text,
              "Kontrola listu ELDP našla chyby:\n\n"
              "Rodné číslo pojištěnce: nesouhlasí kontrolní číslice (číslo není dělitelné 11)\n"
              "IČ: nesouhlasí kontrolní číslice\n\nPřesto uložit eldp09.xml?"_cz);
    EXPECT_EQ(boxes_.shown[0].caption, "Kontrola ELDP");
    EXPECT_EQ(boxes_.shown[0].buttons, MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(form_.focused, "leRC");
    EXPECT_FALSE(std::filesystem::exists(payroll_.xml_file()));

    // A draft is printed unchecked; "Ano" saves the sheet as it is.
    EXPECT_TRUE(flow_.Output(kEldpWorksheetTag).printed);
    boxes_.answer = MessageResult::Yes;
    EXPECT_NE(flow_.Output(kEldpXmlTag).xml_file, "");
    EXPECT_EQ(boxes_.shown.size(), 3u);
}

TEST_F(EldpFormFlowTest, ABatchIsCheckedInTheOrderOfTheFileNamesAndRefusedBeyondTheLimit) {
    StartedWith("");
    const std::string svoboda = TextFromPath(EldpData("batch/svoboda.txt"));
    chosen_ = {svoboda, TextFromPath(EldpData("batch/mala.txt"))};
    boxes_.answer = MessageResult::No;
    EXPECT_TRUE(Nothing(flow_.Batch()));
    EXPECT_EQ(chosen_in_, payroll_.base_text());
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].text,
              "Listů ELDP: 2, z toho s chybami: 1.\n\nmala.txt:\n    Rodné číslo pojištěnce: "
              "nesouhlasí kontrolní číslice (číslo není dělitelné 11)\n\n"
              "Přesto uložit všechny listy do eldp09.xml?"_cz);
    EXPECT_FALSE(std::filesystem::exists(payroll_.xml_file()));

    // "Ano" writes the golden submission (end-to-end test); more than a submission holds, or a
    // file that cannot be read, writes nothing.
    chosen_.assign(kEldpSheetsPerSubmission + 1, svoboda);
    EXPECT_TRUE(Nothing(flow_.Batch()));
    EXPECT_NE(boxes_.shown.back().text.find("nejvýše 1500"_cz), std::string::npos);
    chosen_ = {svoboda, svoboda + ".none"};
    flow_.Batch();
    EXPECT_NE(boxes_.shown.back().text.find("nelze přečíst"_cz), std::string::npos);
}

}  // namespace
}  // namespace zerkon
