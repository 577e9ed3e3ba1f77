#include "eldp/eldp_output.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/cp1250_literal.h"
#include "eldp/eldp_data_file.h"
#include "eldp_test_support.h"

namespace zerkon {
namespace {

using testing::EldpData;
using testing::PayrollInstallation;
using testing::ReadBytes;
using testing::WriteBytes;

TEST(ResolveEldpFolders, BuildsTheFoldersBelowThePayrollProgram) {
    const EldpFolders folders = ResolveEldpFolders("C:\\RAL", "C:\\Zerkon\\");
    EXPECT_EQ(folders.payroll_base, "C:\\RAL");
    EXPECT_EQ(folders.source_folder, "C:\\RAL\\SOURCERAL\\");
    EXPECT_EQ(folders.xml_output_folder, "C:\\RAL\\xml-manualne\\");
}

TEST(ResolveEldpFolders, FallsBackToTheProgramFolder) {
    const EldpFolders folders = ResolveEldpFolders("", "C:\\Zerkon\\");
    EXPECT_EQ(folders.payroll_base, "C:\\Zerkon\\");
    EXPECT_EQ(folders.source_folder, "C:\\Zerkon\\SOURCERAL\\");
    EXPECT_EQ(folders.xml_output_folder, "C:\\Zerkon\\\\xml-manualne\\");
}

TEST(ResolveEldpFolders, KeepsTheOpeningOfANetworkPath) {
    EXPECT_EQ(ResolveEldpFolders("\\\\server\\mzdy\\RAL\\", "").source_folder,
              "\\\\server\\mzdy\\RAL\\SOURCERAL\\");
    EXPECT_EQ(ResolveEldpFolders("D:\\\\RAL\\", "").source_folder, "D:\\RAL\\SOURCERAL\\");
}

class EldpOutputTest : public ::testing::Test {
  protected:
    EldpOutputTest()
        : services_{
              .read_payroll_folder = [this] { return payroll_folder_; },
              .context = context_,
              .regional = RegionalSettings::Czech(),
              .export_list = export_list_,
              .print_eldp_job =
                  [this](const std::vector<std::string>& lines) {
                      printed_.push_back(lines);
                      return Status::Ok();
                  },
              .choose_data_files = {},
              .files = testing::Disk(),
          } {
        IniEldp(testing::Disk(), TextFromPath(EldpData("novak.txt")), record_);
    }

    EldpOutcome Press(int tag) { return RunEldpOutput(tag, record_, services_); }

    static std::vector<std::string> DataArea(const std::vector<std::string>& job) {
        auto at = std::find(job.begin(), job.end(), "[DataArea]");
        if (at == job.end()) return {};
        return std::vector<std::string>(at + 1, job.end());
    }

    PayrollInstallation payroll_;
    ProgramContext context_ = ProgramContext::ForRun("C:\\Zerkon\\zerkon.exe", {});
    std::string payroll_folder_ = payroll_.base_text();
    EldpExportList export_list_;
    std::vector<std::vector<std::string>> printed_;
    EldpOutputServices services_;
    EldpRecord record_;
};

TEST_F(EldpOutputTest, BothPrintButtonsHandTheSameDataRecordToTheEngine) {
    EXPECT_TRUE(Press(kEldpWorksheetTag).printed);
    EXPECT_TRUE(Press(kEldpOriginalTag).printed);
    ASSERT_EQ(printed_.size(), 2u);
    EXPECT_EQ(printed_[0].front(), "[ExtProgram]ZERKON pro RALwin");
    EXPECT_EQ(printed_[0][1], "[Sestava]Podklady pro ELDP 2009 (tisk včetně rámečků)"_cz);
    EXPECT_EQ(printed_[1][1], "[Sestava]ELDP 2009 na originální tiskopis"_cz);

    std::string data;
    for (const std::string& line : DataArea(printed_[0])) data += line + "\r\n";
    EXPECT_EQ(data, ReadBytes(EldpData("novak_print.txt")));
    EXPECT_EQ(DataArea(printed_[0]), DataArea(printed_[1]));
    EXPECT_EQ(context_.source_folder, payroll_folder_ + "\\SOURCERAL\\");
}

TEST_F(EldpOutputTest, APrintWithoutItsDocumentEntryDoesNothing) {
    record_.type = "";
    std::filesystem::remove(payroll_.source() / "menucall.src");
    EXPECT_EQ(Press(kEldpWorksheetTag).print_document, "");

    WriteBytes(payroll_.source() / "menucall.src", "[callTiskDoc]\r\n{22150}ELDP09xml\r\n");
    EXPECT_EQ(Press(kEldpOriginalTag).print_document, "");

    EXPECT_TRUE(printed_.empty());
    EXPECT_EQ(record_.type, "");
}

TEST_F(EldpOutputTest, ADocumentWithoutJobTemplateEntrySavesNothing) {
    record_.type = "";
    WriteBytes(
        payroll_.source() / "menucall.src",
        "[callTiskDoc]\r\n{28150}NEZNAMY\r\n[Olbrix]\r\n{ELDP09ramecky}<ELDP09tisk.src>\r\n");
    const EldpOutcome unbegun = Press(kEldpWorksheetTag);
    EXPECT_TRUE(unbegun.status.ok());
    EXPECT_FALSE(unbegun.printed);
    EXPECT_TRUE(printed_.empty());
    EXPECT_EQ(record_.type, "01");  // the record was read all the same
}

TEST_F(EldpOutputTest, TheXmlButtonWorksWithoutTheMenuFile) {
    record_.type = "";
    std::filesystem::remove(payroll_.source() / "menucall.src");
    const EldpOutcome outcome = Press(kEldpXmlTag);
    EXPECT_TRUE(outcome.status.ok());
    EXPECT_NE(outcome.xml_file, "");
    EXPECT_EQ(record_.type, "01");
    ASSERT_EQ(export_list_.size(), 1u);
    EXPECT_EQ(export_list_[0].type, "01");
    EXPECT_TRUE(std::filesystem::exists(payroll_.xml_file()));
    EXPECT_TRUE(printed_.empty());
}

TEST_F(EldpOutputTest, AnImpossibleDateStopsThePrintButNotTheXml) {
    record_.birth_date = "31.02.1975";
    const EldpOutcome print = Press(kEldpWorksheetTag);
    EXPECT_EQ(print.status.message(), "'31.02.1975' is not a valid date");
    EXPECT_TRUE(printed_.empty());

    EXPECT_NE(Press(kEldpXmlTag).xml_file, "");
    EXPECT_NE(ReadBytes(payroll_.xml_file()).find("<birth dat=\"\" nam="), std::string::npos);
}

TEST_F(EldpOutputTest, ABrokenMenuEntryStopsOnlyThePrint) {
    WriteBytes(payroll_.source() / "menucall.src",
               "[callTiskDoc]\r\n{abc}ELDP09xml\r\n{28150}ELDP09ramecky\r\n");
    const EldpOutcome print = Press(kEldpWorksheetTag);
    EXPECT_EQ(print.status.message(), "'abc' is not a valid integer value");
    EXPECT_TRUE(printed_.empty());
    EXPECT_NE(Press(kEldpXmlTag).xml_file, "");
}

TEST_F(EldpOutputTest, WithoutARegisteredPayrollProgramItLooksBelowItsOwnFolder) {
    payroll_folder_ = "";
    context_.program_folder = payroll_.base_text() + "\\";
    EXPECT_TRUE(Press(kEldpWorksheetTag).printed);
    const EldpOutcome xml = Press(kEldpXmlTag);
    EXPECT_EQ(xml.folders.source_folder, payroll_.base_text() + "\\SOURCERAL\\");
    EXPECT_NE(xml.xml_file, "");
    EXPECT_TRUE(std::filesystem::exists(payroll_.xml_file()));
}

}  // namespace
}  // namespace zerkon
