// Data files with the awkward content payroll clerks produce (Czech letters,
// XML-reserved characters, stray spaces, keys in odd case, missing keys and
// quotes, impossible dates) against their hand-made XML and print records.

#include <gtest/gtest.h>

#include "common/date_helpers.h"
#include "eldp/eldp_data_file.h"
#include "eldp/eldp_export.h"
#include "eldp/eldp_print_data.h"
#include "eldp/eldp_xml.h"
#include "eldp_test_support.h"

namespace zerkon {
namespace {

using testing::EldpData;
using testing::PayrollInstallation;
using testing::ReadBytes;

EldpRecord Load(const std::string& data_file) {
    EldpRecord record;
    IniEldp(testing::Disk(), TextFromPath(EldpData(data_file)), record);
    return record;
}

std::string ExportedXml(const std::string& data_file) {
    PayrollInstallation payroll;
    EldpRecord record = Load(data_file);
    const EldpExportList list{MakeEldpExportRecord(record)};
    EXPECT_TRUE(WriteEldpXml(testing::Disk(), list, payroll.base_text() + "\\SOURCERAL\\",
                             payroll.base_text() + "\\xml-manualne\\")
                    .ok())
        << data_file;
    return ReadBytes(payroll.xml_file());
}

std::string PrintRecord(const std::string& data_file, Status* data = nullptr) {
    EldpRecord record = Load(data_file);
    std::vector<std::string> lines;
    const Status appended = AppendEldpPrintData(record, RegionalSettings::Czech(), lines);
    if (data) *data = appended;
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

TEST(EldpGolden, ExportsTheXmlOfAwkwardDataFiles) {
    for (const char* name : {"stastna", "nukova", "dvorak"}) {
        EXPECT_EQ(ExportedXml(std::string(name) + ".txt"),
                  ReadBytes(EldpData(std::string(name) + ".xml")))
            << name;
    }
}

TEST(EldpGolden, PrintsTheDataRecordOfAwkwardDataFiles) {
    for (const char* name : {"stastna", "nukova"}) {
        EXPECT_EQ(PrintRecord(std::string(name) + ".txt"),
                  ReadBytes(EldpData(std::string(name) + "_print.txt")))
            << name;
    }
}

TEST(EldpGolden, AnImpossibleBirthDateStopsThePrintWithTheTriedText) {
    Status data;
    PrintRecord("dvorak.txt", &data);
    EXPECT_EQ(data.message(), "'31.02.2009' is not a valid date");
}

}  // namespace
}  // namespace zerkon
