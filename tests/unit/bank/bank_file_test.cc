#include "bank/bank_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <fstream>

#include "bank/kpc_decoder.h"
#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

namespace fs = std::filesystem;

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

    const BankFile file = ReadBankFile(path);
    EXPECT_EQ(file.bytes, bytes);
    EXPECT_EQ(FormatFileDate(file.modified), "7.3.2009");

    PreviewLines preview;
    DecodeKpc(path, preview);
    EXPECT_EQ(preview[1], "Ze dne:  7.3.2009");
    EXPECT_EQ(preview[0], "Soubor:  " + PathToProgramText(path));
}

TEST_F(BankFileTest, MissingFileOrFolderIsAnErrorNamingTheFile) {
    PreviewLines preview{"old"};
    try {
        DecodeKpc(folder_ / fs::path(u8"chybí.kpc"), preview);
        FAIL() << "no error";
    } catch (const BankFileError& error) {
        EXPECT_NE(std::string(error.what()).find("chybí.kpc\" nelze načíst. "_cz),
                  std::string::npos)
            << error.what();
    }
    EXPECT_TRUE(preview.empty());
    EXPECT_THROW(ReadBankFile(folder_), BankFileError);
}

TEST(FormatFileDate, NoLeadingZeros) {
    EXPECT_EQ(FormatFileDate({2009, 3, 7}), "7.3.2009");
    EXPECT_EQ(FormatFileDate({2026, 12, 15}), "15.12.2026");
}

}  // namespace
}  // namespace zerkon
