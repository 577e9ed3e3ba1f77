#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli_test_support.h"
#include "common/cp1250_literal.h"
#include "eldp/eldp_batch.h"

namespace zerkon::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kBatch = fs::path(ZERKON_TEST_DATA) / "eldp" / "batch";
const fs::path kDemoTemplates =
    fs::path(ZERKON_TEST_DATA) / ".." / ".." / "demo" / "RAL" / "SOURCERAL";

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(EldpCheckCommand, NamesEachProblemWithItsFileAndExitsOneWhenThereIsAny) {
    const std::string good = (kBatch / "svoboda.txt").string();
    const std::string wrong = (kBatch / "mala.txt").string();
    const Result clean = Call(RunEldpCheck, {good});
    EXPECT_EQ(clean.code, 0);
    EXPECT_EQ(clean.out, "");

    const Result found = Call(RunEldpCheck, {good, wrong});
    EXPECT_EQ(found.code, 1);
    EXPECT_EQ(found.out, wrong +
                             Cp1250ToUtf8(": Rodné číslo pojištěnce: nesouhlasí kontrolní "
                                          "číslice (číslo není dělitelné 11)"_cz) +
                             std::string(kTerminalLineEnd));
    EXPECT_EQ(Call(RunEldpCheck, {good, (kBatch / "none.txt").string()}).code, 1);
    EXPECT_EQ(Call(RunEldpCheck, {}).code, 2);
}

class EldpXmlCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        payroll_ = fs::temp_directory_path() /
                   ("zerkon-cli-eldp-" + std::to_string(std::random_device{}()));
        fs::create_directories(payroll_ / "SOURCERAL");
        for (const char* name : {"ELDP09.src", "ELDP09xml.src"}) {
            fs::copy_file(kDemoTemplates / name, payroll_ / "SOURCERAL" / name);
        }
    }
    void TearDown() override { fs::remove_all(payroll_); }
    fs::path payroll_;
};

TEST_F(EldpXmlCommand, WritesOneSubmissionOfTheFilesInTheirOrderAndNoMoreThanTheLimit) {
    const Result written =
        Call(RunEldpXml, {(kBatch / "mala.txt").string(), (kBatch / "svoboda.txt").string(),
                          "--payroll-dir", payroll_.string()});
    ASSERT_EQ(written.code, 0) << written.err;
    const fs::path xml = payroll_ / "xml-manualne" / "eldp09.xml";
    EXPECT_EQ(ReadBytes(xml), ReadBytes(kBatch / "batch.xml"));

    fs::remove(xml);
    std::vector<std::string> args(kEldpSheetsPerSubmission + 1, (kBatch / "mala.txt").string());
    args.insert(args.end(), {"--payroll-dir", payroll_.string()});
    const Result refused = Call(RunEldpXml, args);
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("at most 1500"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(xml));
}

}  // namespace
}  // namespace zerkon::cli
