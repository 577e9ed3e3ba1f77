#include <gtest/gtest.h>

#include <set>

#include "common/cp1250_literal.h"
#include "eldp/eldp_form_flow.h"
#include "eldp/eldp_form_layout.h"
#include "eldp_test_support.h"

namespace zerkon {
namespace {

using testing::EldpData;
using testing::PayrollInstallation;
using testing::RecordingBoxes;

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

    EldpRecord shown;
    std::string calls;
    std::string hint;
    bool reload_visible = false;
};

class EldpFormFlowTest : public ::testing::Test {
  protected:
    EldpFormFlowTest() { context_.UsePayrollTemplates("C:\\Zerkon\\sourceZERKON\\"); }

    void StartedWith(const std::string& data_file) {
        context_.eldp = {data_file, !data_file.empty()};
        flow_.Opened();
    }

    PayrollInstallation payroll_;
    ProgramContext context_ = ProgramContext::ForRun("C:\\Zerkon\\zerkon.exe", {});
    RecordingBoxes boxes_;
    EldpExportList export_list_;
    int printed_ = 0;
    EldpOutputServices services_{
        .read_payroll_folder = [this] { return payroll_.base_text(); },
        .context = context_,
        .regional = RegionalSettings::Czech(),
        .boxes = boxes_,
        .export_list = export_list_,
        .print_eldp_job = [this](const std::vector<std::string>&) { ++printed_; },
    };
    FakeForm form_;
    int ended_ = 0;
    EldpFormFlow flow_{form_, services_, [this] { ++ended_; }};
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
    StartedWith(TextFromPath(EldpData("novak.txt")));
    form_.shown.type = "";
    form_.calls.clear();
    const EldpOutcome outcome = flow_.Output(kEldpXmlTag);
    EXPECT_EQ(outcome.xml.status, EldpXmlStatus::kWritten);
    EXPECT_EQ(form_.calls, "focus read show ");
    EXPECT_EQ(form_.shown.type, "01");
    EXPECT_EQ(context_.source_folder, payroll_.base_text() + "\\SOURCERAL\\");
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].caption, "Uložení datové věty XML"_cz);

    EXPECT_EQ(flow_.Output(kEldpWorksheetTag).status, EldpOutputStatus::kPrinted);
    EXPECT_EQ(printed_, 1);
}

TEST_F(EldpFormFlowTest, FailuresAreToldToTheUser) {
    StartedWith(TextFromPath(EldpData("novak.txt")));
    form_.shown.birth_date = "31.02.1975";
    EXPECT_EQ(flow_.Output(kEldpOriginalTag).status, EldpOutputStatus::kError);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].text, "'31.02.1975' is not a valid date");
    EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(printed_, 0);

    // An XML folder that cannot be made: a file stands where it should be.
    testing::WriteBytes(payroll_.base() / "xml-manualne", "not a folder");
    EXPECT_EQ(flow_.Output(kEldpXmlTag).xml.status, EldpXmlStatus::kOutputFolderFailed);
    ASSERT_EQ(boxes_.shown.size(), 2u);
    EXPECT_NE(boxes_.shown[1].text.find("eldp09.xml nebyl uložen"_cz), std::string::npos);
}

}  // namespace
}  // namespace zerkon
