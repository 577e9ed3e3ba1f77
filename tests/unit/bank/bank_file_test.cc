#include "bank/bank_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <fstream>

#include "bank/kpc_decoder.h"
#include "common/cp1250_literal.h"
#include "common/disk_file_system.h"

namespace zerkon {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

Lines AllLines(BankLines& lines) {
    Lines all;
    for (std::string_view line; lines.Next(line);) all.emplace_back(line);
    return all;
}

TEST(BankLines, CrLfCrAndLfEndLines) {
    for (const auto& [bytes, expected] : std::initializer_list<std::pair<std::string, Lines>>{
             {"", {}},
             {"a", {"a"}},
             {"a\r\n", {"a"}},
             {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
             {"\n\n", {"", ""}},
             {"a\r\r\nb\n\r", {"a", "", "b", ""}},
             {"a\rb\rc\nd\r\ne\r", {"a", "b", "c", "d", "e"}},
             {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
         }) {
        BankLines lines{std::string_view(bytes)};
        EXPECT_EQ(AllLines(lines), expected) << bytes;
        lines.Rewind();
        EXPECT_EQ(AllLines(lines), expected) << bytes;
    }
}

class BankFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("zerkon-bank-" +
                   std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path Write(const std::string& name, const std::string& bytes) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path folder_;
};

TEST_F(BankFileTest, ReadsBytesAndTheLocalModificationDate) {
    const std::string bytes("a\r\nč\0b"_cz, 6);
    const fs::path path = Write("platby.kpc", bytes);
    // Noon, local time, of 7 March 2009.
    std::tm noon{};
    noon.tm_year = 109;
    noon.tm_mon = 2;
    noon.tm_mday = 7;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    const auto when = std::chrono::system_clock::from_time_t(std::mktime(&noon));
    fs::last_write_time(path, std::chrono::file_clock::from_sys(when));

    DiskFileSystem files;
    Result<BankLines> lines = BankLines::Open(files, path);
    ASSERT_TRUE(lines.ok()) << lines.status().Text();
    EXPECT_EQ(AllLines(*lines), (Lines{"a", std::string("č\0b"_cz, 3)}));
    EXPECT_EQ(FormatFileDate(lines->modified()), "7.3.2009");

    OutputText preview;
    ASSERT_TRUE(DecodeKpc(files, path, RegionalSettings::Czech(), preview).ok());
    EXPECT_TRUE(preview.Take().starts_with("Soubor:  " + PathToProgramText(path) +
                                           "\r\nZe dne:  7.3.2009\r\n"));
}

// A file is read a block at a time: lines and CR LF pairs that cross the
// blocks' edges, and lines longer than a block, come out whole.
TEST_F(BankFileTest, FileReadInBlocksGivesTheLinesOfTheBytes) {
    std::string bytes = "074head\r\n\r\rx\n\r\n" + std::string(40, 'L') + "\r\nlast";
    for (int i = 0; i < 30; ++i) bytes += i % 3 == 0 ? "\r" : i % 3 == 1 ? "ab\r\n" : "c\n";
    const fs::path path = Write("bloky.gpc", bytes);
    BankLines in_memory{std::string_view(bytes)};
    const Lines expected = AllLines(in_memory);
    DiskFileSystem files;
    for (std::size_t block = 1; block <= 9; ++block) {
        BankLines lines = *BankLines::Open(files, path, block);
        EXPECT_EQ(AllLines(lines), expected) << block;
        lines.Rewind();
        EXPECT_EQ(AllLines(lines), expected) << block;
    }
}

TEST_F(BankFileTest, MissingFileOrFolderIsAnErrorNamingTheFile) {
    DiskFileSystem files;
    OutputText preview;
    const Status missing =
        DecodeKpc(files, folder_ / fs::path(u8"chybí.kpc"), RegionalSettings::Czech(), preview);
    EXPECT_EQ(missing.code(), StatusCode::kNotFound);
    EXPECT_NE(missing.Text().find("Nelze otevřít soubor \""_cz), std::string::npos);
    EXPECT_NE(missing.Text().find("chybí.kpc\". "_cz), std::string::npos) << missing.Text();
    EXPECT_EQ(preview.Take(), "");  // nothing written
    EXPECT_EQ(BankLines::Open(files, folder_).status().code(), StatusCode::kCannotOpen);
}

TEST(FormatFileDate, NoLeadingZeros) {
    EXPECT_EQ(FormatFileDate({2009, 3, 7}), "7.3.2009");
    EXPECT_EQ(FormatFileDate({2026, 12, 15}), "15.12.2026");
}

}  // namespace
}  // namespace zerkon
