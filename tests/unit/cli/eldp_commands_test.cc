#include <gtest/gtest.h>

#include "../eldp/eldp_test_support.h"
#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli_test_support.h"
#include "common/cp1250_literal.h"
#include "eldp/eldp_batch.h"

namespace zerkon::cli {
namespace {

std::string Batch(const std::string& name) {
    return testing::EldpData("batch/" + name).string();
}

TEST(EldpCheckCommand, NamesEachProblemWithItsFileAndExitsOneWhenThereIsAny) {
    const Result clean = Call(RunEldpCheck, {Batch("svoboda.txt")});
    EXPECT_EQ(clean.code, 0);
    EXPECT_EQ(clean.out, "");

    const Result found = Call(RunEldpCheck, {Batch("svoboda.txt"), Batch("mala.txt")});
    EXPECT_EQ(found.code, 1);
    EXPECT_EQ(found.out, Batch("mala.txt") +
                             Cp1250ToUtf8(": Rodné číslo pojištěnce: nesouhlasí kontrolní "
                                          "číslice (číslo není dělitelné 11)"_cz) +
                             std::string(kTerminalLineEnd));
    EXPECT_EQ(Call(RunEldpCheck, {Batch("svoboda.txt"), Batch("none.txt")}).code, 1);
    EXPECT_EQ(Call(RunEldpCheck, {}).code, 2);
}

TEST(EldpXmlCommand, WritesOneSubmissionOfTheFilesInTheirOrderAndNoMoreThanTheLimit) {
    const testing::PayrollInstallation payroll;
    const Result written = Call(RunEldpXml, {Batch("mala.txt"), Batch("svoboda.txt"),
                                             "--payroll-dir", payroll.base().string()});
    ASSERT_EQ(written.code, 0) << written.err;
    EXPECT_EQ(testing::ReadBytes(payroll.xml_file()), testing::ReadBytes(Batch("batch.xml")));

    std::filesystem::remove(payroll.xml_file());
    std::vector<std::string> args(kEldpSheetsPerSubmission + 1, Batch("mala.txt"));
    args.insert(args.end(), {"--payroll-dir", payroll.base().string()});
    const Result refused = Call(RunEldpXml, args);
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("at most 1500"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(payroll.xml_file()));
}

}  // namespace
}  // namespace zerkon::cli
