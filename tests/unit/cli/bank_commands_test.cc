#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli_test_support.h"
#include "common/cp1250.h"

namespace zerkon::cli {
namespace {

std::string Data(const std::string& name) {
    return std::string(ZERKON_TEST_DATA) + "/bank/" + name;
}

std::string ReadData(const std::string& name) {
    std::ifstream stream(Data(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// The expected preview after its first lines, which name the file and date.
std::string Tail(const std::string& text, int skipped_lines) {
    size_t pos = 0;
    for (int i = 0; i < skipped_lines; ++i) pos = text.find("\r\n", pos) + 2;
    return text.substr(pos);
}

TEST(PreviewCommand, RawOutputIsThePreviewInWindows1250) {
    const Result kpc = Call(RunPreview, {"kpc", Data("kpc_one_group.kpc"), "--raw"});
    ASSERT_EQ(kpc.code, 0) << kpc.err;
    EXPECT_TRUE(kpc.out.starts_with("Soubor:  "));
    EXPECT_EQ(Tail(kpc.out, 2), Tail(ReadData("kpc_one_group.expected"), 2));

    const Result gpc = Call(RunPreview, {"--raw", "gpc", Data("gpc_statement.gpc")});
    ASSERT_EQ(gpc.code, 0) << gpc.err;
    EXPECT_EQ(Tail(gpc.out, 1), Tail(ReadData("gpc_statement.expected"), 1));

    const Result geminy = Call(RunPreview, {"geminy", "--raw", Data("geminy_orders.gem")});
    ASSERT_EQ(geminy.code, 0) << geminy.err;
    EXPECT_EQ(Tail(geminy.out, 2), Tail(ReadData("geminy_orders.expected"), 2));
}

TEST(PreviewCommand, TerminalOutputIsUtf8AndRegionalSettingsAreSelectable) {
    const Result czech = Call(RunPreview, {"kpc", Data("kpc_one_group.kpc")});
    ASSERT_EQ(czech.code, 0);
    EXPECT_NE(czech.out.find("Celkov\xC3\xA1 \xC4\x8D\xC3\xA1stka k proplacen\xC3\xAD:  1 540,50" +
                             std::string(kTerminalLineEnd)),
              std::string::npos);
    const Result english = Call(RunPreview, {"--regional", "en", "kpc", Data("kpc_one_group.kpc")});
    EXPECT_NE(english.out.find(":  1540.50"), std::string::npos);
}

TEST(GpcDataCommand, PrintsTheRecords) {
    const Result data = Call(RunGpcData, {Data("gpc_statement.gpc"), "--raw"});
    ASSERT_EQ(data.code, 0) << data.err;
    const std::string expected = ReadData("gpc_statement.job");
    // Only the <Soubor> line differs: it names the real path.
    const size_t file_line = expected.find("<Soubor>");
    EXPECT_EQ(data.out.substr(0, file_line), expected.substr(0, file_line));
    EXPECT_TRUE(data.out.ends_with(Tail(expected.substr(file_line), 1)));
}

TEST(CsvCommand, WritesTheFileBytesInTheChosenEncoding) {
    const Result utf8 = Call(RunCsv, {"gpc", Data("gpc_statement.gpc")});
    ASSERT_EQ(utf8.code, 0) << utf8.err;
    EXPECT_EQ(utf8.out, ReadData("gpc_statement.csv"));
    const Result cp1250 =
        Call(RunCsv, {"--encoding", "windows-1250", "gpc", Data("gpc_statement.gpc")});
    EXPECT_EQ(Cp1250ToUtf8(cp1250.out), utf8.out.substr(3));  // no byte-order mark
    const Result english = Call(RunCsv, {"kpc", Data("kpc_one_group.kpc"), "--regional", "en"});
    EXPECT_NE(
        english.out.find("\r\n123456789/0800,2900123456/2010,1234.56,1111,308,,20.03.2009,AV:"),
        std::string::npos)
        << english.out;

    EXPECT_EQ(Call(RunCsv, {"gpc", Data("no-such-file.gpc")}).code, 1);
    EXPECT_EQ(Call(RunCsv, {"--encoding", "latin-2", "gpc", Data("gpc_statement.gpc")}).code, 2);
    EXPECT_EQ(Call(RunCsv, {"abo", Data("gpc_statement.gpc")}).code, 2);
    EXPECT_EQ(Call(RunCsv, {"gpc", Data("gpc_statement.gpc"), "--raw"}).code, 2);
}

TEST(BankCommands, FailuresAreReportedWithAnExitCode) {
    const Result missing = Call(RunPreview, {"kpc", Data("no-such-file.kpc")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_NE(missing.err.find("Nelze otev\xC5\x99\xC3\xADt soubor"), std::string::npos)
        << missing.err;
    EXPECT_NE(missing.err.find("no-such-file.kpc\"."), std::string::npos) << missing.err;
    EXPECT_EQ(Call(RunGpcData, {Data("no-such-file.gpc")}).code, 1);

    EXPECT_EQ(Call(RunPreview, {"abo", Data("kpc_one_group.kpc")}).code, 2);
    EXPECT_EQ(Call(RunPreview, {"kpc"}).code, 2);
    EXPECT_EQ(Call(RunPreview, {"kpc", "a", "b"}).code, 2);
    EXPECT_EQ(Call(RunPreview, {"--regional", "de", "kpc", "a"}).code, 2);
    EXPECT_EQ(Call(RunGpcData, {"--bogus", "a"}).code, 2);
    const Result help = Call(RunGpcData, {"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.starts_with("usage: zerkon-cli gpc-data"));
}

}  // namespace
}  // namespace zerkon::cli
