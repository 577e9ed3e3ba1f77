#include "files/file_copy.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/cp1250_literal.h"
#include "common/disk_file_system.h"
#include "common/file_helpers.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/file_system_win32.h"
#endif

#include "../print/scratch_folder.h"

namespace zerkon {
namespace {

using testing::ScratchFolder;
namespace fs = std::filesystem;

#ifdef _WIN32
Win32FileSystem disk;
#else
DiskFileSystem disk;
#endif

class FixedClock final : public Clock {
  public:
    LocalDateTime Now() const override { return {2009, 3, 7, 14, 5, 9}; }
};

void MakeReadOnly(const std::string& text_path) {
    fs::permissions(PathFromText(text_path),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

TEST(CopyFileCheckedTest, CreatesMissingTargetFoldersAndCopiesEveryByte) {
    ScratchFolder scratch;
    std::string content(5000, 'x');  // more than two copy blocks
    content[4999] = '\x9a';
    scratch.Write("src\\data.bin", content);
    const std::string target = scratch.Text() + "a\\b\\c\\";
    EXPECT_TRUE(CopyFileChecked(disk, scratch.Text() + "src\\", target, "data.bin", "").ok());
    EXPECT_EQ(ScratchFolder::Read(target + "data.bin"), content);
}

TEST(CopyFileCheckedTest, RefusesACopyOntoItselfWhateverTheLetterCase) {
    ScratchFolder scratch;
    scratch.Write("data.txt", "abc");
    std::string upper_folder = scratch.Text();
    EXPECT_FALSE(CopyFileChecked(disk, scratch.Text(), upper_folder, "data.txt", "DATA.TXT").ok());
    EXPECT_EQ(ScratchFolder::Read(scratch.Text() + "data.txt"), "abc");
}

TEST(CopyFileCheckedTest, CleansTheNamesBeforeUse) {
    ScratchFolder scratch;
    scratch.Write("src\\ab.txt", "obsah");
    EXPECT_TRUE(
        CopyFileChecked(disk, scratch.Text() + "src\\", scratch.Text() + "dst\\", "a:b.txt", "c?d")
            .ok());
    EXPECT_EQ(ScratchFolder::Read(scratch.Text() + "dst\\cd"), "obsah");
}

TEST(CopyFileCheckedTest, MissingSourceOrEmptyNameGivesFalseSilently) {
    ScratchFolder scratch;
    EXPECT_FALSE(
        CopyFileChecked(disk, scratch.Text(), scratch.Text() + "t\\", "none.txt", "").ok());
    EXPECT_FALSE(
        CopyFileChecked(disk, scratch.Text() + "nofolder\\", scratch.Text(), "x", "").ok());
    EXPECT_FALSE(CopyFileChecked(disk, scratch.Text(), scratch.Text() + "t\\", "", "x").ok());
}

TEST(CopyFileCheckedTest, TargetThatCannotBeCreatedShowsTheHeldOpenBox) {
    ScratchFolder scratch;
    scratch.Write("src\\busy.txt", "abc");
    fs::create_directories(PathFromText(scratch.Text() + "dst\\busy.txt"));
    const Status held =
        CopyFileChecked(disk, scratch.Text() + "src\\", scratch.Text() + "dst\\", "busy.txt", "");
    EXPECT_EQ(held.message(),
              "Pravděpodobně soubor \"busy.txt\" je otevřen jiným programem.\r\n"_cz
              "Pokusím se tento soubor přepsat a opětovně uložit."_cz);
}

#ifndef _WIN32
TEST(CopyFileCheckedTest, AWriteThatFailsIsNoSuccess) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    ScratchFolder scratch;
    scratch.Write("big.bin", std::string(10000, 'z'));
    EXPECT_FALSE(CopyFileChecked(disk, scratch.Text(), "/dev/", "big.bin", "full").ok());
    EXPECT_TRUE(fs::exists("/dev/full"));
}
#endif

TEST(CopyFileViaTest, ReplacesAReadOnlyTargetAndLeavesNoTemporaryFile) {
    ScratchFolder scratch;
    scratch.Write("src\\Zuta.exe", "new program");
    const std::string target = scratch.Write("dst\\Zuta.exe", "old");
    MakeReadOnly(target);
    FixedClock clock;
    EXPECT_TRUE(
        CopyFileVia(disk, scratch.Text() + "src", scratch.Text() + "dst", "Zuta.exe", clock).ok());
    EXPECT_EQ(ScratchFolder::Read(target), "new program");
    EXPECT_FALSE(ScratchFolder::Exists(scratch.Text() + "dst\\tmpFile140509.tmp"));
}

TEST(CopyFileViaTest, AFailedCopyKeepsTheExistingTarget) {
    ScratchFolder scratch;
    const std::string target = scratch.Write("dst\\Zuta.exe", "old");
    FixedClock clock;
    EXPECT_FALSE(
        CopyFileVia(disk, scratch.Text() + "src", scratch.Text() + "dst", "Zuta.exe", clock).ok());
    EXPECT_EQ(ScratchFolder::Read(target), "old");
    EXPECT_FALSE(ScratchFolder::Exists(scratch.Text() + "dst\\tmpFile140509.tmp"));
}

TEST(CopyFileViaTest, TargetThatCannotBeReplacedStaysAndIsReported) {
    ScratchFolder scratch;
    scratch.Write("src\\Zuta.exe", "new");
    scratch.Write("dst\\Zuta.exe\\inside.txt", "a folder in the way");
    FixedClock clock;
    const Status copied =
        CopyFileVia(disk, scratch.Text() + "src", scratch.Text() + "dst", "Zuta.exe", clock);
    EXPECT_EQ(ScratchFolder::Read(scratch.Text() + "dst\\Zuta.exe\\inside.txt"),
              "a folder in the way");
    EXPECT_FALSE(ScratchFolder::Exists(scratch.Text() + "dst\\tmpFile140509.tmp"));
    EXPECT_NE(copied.message().find("\"Zuta.exe\" je otevřen"_cz), std::string::npos);
}

#ifdef _WIN32
TEST(CopyFileViaTest, TargetHeldOpenWithoutSharingStaysAsItWas) {
    ScratchFolder scratch;
    scratch.Write("src\\Zuta.exe", "new");
    const std::string target = scratch.Write("dst\\Zuta.exe", "old");
    HANDLE held = CreateFileW(PathFromText(target).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    FixedClock clock;
    const Status copied =
        CopyFileVia(disk, scratch.Text() + "src", scratch.Text() + "dst", "Zuta.exe", clock);
    CloseHandle(held);
    EXPECT_EQ(ScratchFolder::Read(target), "old");
    EXPECT_FALSE(ScratchFolder::Exists(scratch.Text() + "dst\\tmpFile140509.tmp"));
    EXPECT_NE(copied.message().find("\"Zuta.exe\" je otevřen jiným programem"_cz),
              std::string::npos);
}
#endif

TEST(CopyFileViaTest, EmptyFolderArgumentsGiveFalse) {
    ScratchFolder scratch;
    FixedClock clock;
    EXPECT_FALSE(CopyFileVia(disk, "", scratch.Text(), "x", clock).ok());
    EXPECT_FALSE(CopyFileVia(disk, scratch.Text(), "", "x", clock).ok());
}

}  // namespace
}  // namespace zerkon
