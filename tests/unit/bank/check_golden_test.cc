// A second set of sample files, written independently of the first, against
// previews and print data worked out by hand: two KPC groups with lines after
// the end mark, two GPC statements with CR-only line ends, storno codes,
// negative balances and a cut-off item, and Geminy files with an empty or a
// full first line and lines shorter than the fields.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "bank/geminy_decoder.h"
#include "bank/gpc_decoder.h"
#include "bank/kpc_decoder.h"
#include "bank_test_support.h"
#include "common/cp1250_literal.h"
#include "common/disk_file_system.h"

namespace zerkon {
namespace {

using testing::Held;
using testing::ReadBankData;

const RegionalSettings kCzech = RegionalSettings::Czech();
constexpr CalendarDate kModified{2009, 1, 5};

std::string CheckData(const std::string& name) {
    const std::string bytes = ReadBankData("check/" + name);
    EXPECT_FALSE(bytes.empty()) << name;
    return bytes;
}

TEST(CheckGolden, KpcTwoGroupsAndIgnoredTail) {
    const std::string bytes = CheckData("check_two_groups.kpc");
    EXPECT_EQ(Held([&](OutputText& out) {
                  DecodeKpc(BankSource{bytes, "C:\\Banka\\kontrola.kpc", kModified}, kCzech, out);
              }),
              CheckData("check_two_groups.kpc.expected"));
}

TEST(CheckGolden, GpcTwoStatementsPreviewAndPrintData) {
    const std::string bytes = CheckData("check_two_statements.gpc");
    OutputText preview;
    OutputText records;
    DecodeGpc(BankSource{bytes, "C:\\Banka\\kontrola.gpc", kModified}, kCzech, preview, records);
    EXPECT_EQ(preview.Take(), CheckData("check_two_statements.gpc.expected"));
    EXPECT_EQ(records.Take(), CheckData("check_two_statements.gpc.job"));
}

TEST(CheckGolden, GeminyEmptyFirstLineAndShortLines) {
    const std::string bytes = CheckData("check_empty_first_line.gem");
    EXPECT_EQ(
        Held([&](OutputText& out) {
            DecodeGeminy(BankSource{bytes, "C:\\Banka\\kontrola.gem", kModified}, kCzech, out);
        }),
        CheckData("check_empty_first_line.gem.expected"));
}

TEST(CheckGolden, GeminyHeaderFromFullFirstLine) {
    const std::string bytes = CheckData("check_header.gem");
    EXPECT_EQ(
        Held([&](OutputText& out) {
            DecodeGeminy(BankSource{bytes, "C:\\Banka\\kontrola.gem", kModified}, kCzech, out);
        }),
        CheckData("check_header.gem.expected"));
}

// Read from disk as bytes: a Ctrl+Z or a lone CR inside the file neither ends
// it nor changes it, as a text-mode read on Windows would.
TEST(CheckGolden, FileReadFromDiskKeepsCtrlZAndLoneCr) {
    namespace fs = std::filesystem;
    const fs::path path =
        fs::temp_directory_path() /
        ("zerkon-check-" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + ".kpc");
    std::ofstream(path, std::ios::binary) << "H\r\n1\r\n2 A 100 010109\r\nx 100 1 2 3 a\x1A"
                                             "b\ry 200\n\x1A\r\n";
    DiskFileSystem files;
    const std::string text =
        Held([&](OutputText& out) { ASSERT_TRUE(DecodeKpc(files, path, kCzech, out).ok()); });
    std::error_code ignored;
    fs::remove(path, ignored);
    EXPECT_NE(text.find("Zpráva pro příjemce:  a\x1A"_cz
                        "b\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Částka:  2,00\r\n"_cz), std::string::npos) << text;
    // The line holding only Ctrl+Z is one more item, with amount 0.
    EXPECT_NE(text.find("Celkový počet řádků:  3\r\nCelková částka k proplacení:  3,00\r\n"_cz),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace zerkon
