#include "files/file_copy.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/cp1250_literal.h"
#include "common/file_helpers.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include "../print/fake_message_boxes.h"
#include "../print/scratch_folder.h"

namespace zerkon {
namespace {

using testing::FakeMessageBoxes;
using testing::ScratchFolder;
namespace fs = std::filesystem;

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
    FakeMessageBoxes boxes;
    const std::string target = scratch.Text() + "a\\b\\c\\";
    EXPECT_TRUE(CopyFileChecked(scratch.Text() + "src\\", target, "data.bin", "", boxes));
    EXPECT_EQ(ScratchFolder::Read(target + "data.bin"), content);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(CopyFileCheckedTest, RefusesACopyOntoItselfWhateverTheLetterCase) {
    ScratchFolder scratch;
    scratch.Write("data.txt", "abc");
    FakeMessageBoxes boxes;
    std::string upper_folder = scratch.Text();
    EXPECT_FALSE(CopyFileChecked(scratch.Text(), upper_folder, "data.txt", "DATA.TXT", boxes));
    EXPECT_EQ(ScratchFolder::Read(scratch.Text() + "data.txt"), "abc");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(CopyFileCheckedTest, CleansTheNamesBeforeUse) {
    ScratchFolder scratch;
    scratch.Write("src\\ab.txt", "obsah");
    FakeMessageBoxes boxes;
    EXPECT_TRUE(CopyFileChecked(scratch.Text() + "src\\", scratch.Text() + "dst\\", "a:b.txt",
                                "c?d", boxes));
    EXPECT_EQ(ScratchFolder::Read(scratch.Text() + "dst\\cd"), "obsah");
}

TEST(CopyFileCheckedTest, MissingSourceOrEmptyNameGivesFalseSilently) {
    ScratchFolder scratch;
    FakeMessageBoxes boxes;
    EXPECT_FALSE(CopyFileChecked(scratch.Text(), scratch.Text() + "t\\", "none.txt", "", boxes));
    EXPECT_FALSE(CopyFileChecked(scratch.Text() + "nofolder\\", scratch.Text(), "x", "", boxes));
    EXPECT_FALSE(CopyFileChecked(scratch.Text(), scratch.Text() + "t\\", "", "x", boxes));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(CopyFileCheckedTest, TargetThatCannotBeCreatedShowsTheHeldOpenBox) {
    ScratchFolder scratch;
    scratch.Write("src\\busy.txt", "abc");
    fs::create_directories(PathFromText(scratch.Text() + "dst\\busy.txt"));
    FakeMessageBoxes boxes;
    EXPECT_FALSE(
        CopyFileChecked(scratch.Text() + "src\\", scratch.Text() + "dst\\", "busy.txt", "", boxes));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              "Pravděpodobně soubor \"busy.txt\" je otevřen jiným programem.\r\n"_cz
              "Pokusím se tento soubor přepsat a opětovně uložit."_cz);
    EXPECT_EQ(boxes.shown[0].caption, "Problém při ukládání dat na disk"_cz);
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok);
}

#ifndef _WIN32
TEST(CopyFileCheckedTest, AWriteThatFailsIsNoSuccess) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    ScratchFolder scratch;
    scratch.Write("big.bin", std::string(10000, 'z'));
    FakeMessageBoxes boxes;
    EXPECT_FALSE(CopyFileChecked(scratch.Text(), "/dev/", "big.bin", "full", boxes));
    EXPECT_TRUE(fs::exists("/dev/full"));
}
#endif

TEST(CopyFileViaTest, ReplacesAReadOnlyTargetAndLeavesNoTemporaryFile) {
    ScratchFolder scratch;
    scratch.Write("src\\Zuta.exe", "new program");
    const std::string target = scratch.Write("dst\\Zuta.exe", "old");
    MakeReadOnly(target);
    FakeMessageBoxes boxes;
    FixedClock clock;
    EXPECT_TRUE(
        CopyFileVia(scratch.Text() + "src", scratch.Text() + "dst", "Zuta.exe", boxes, clock));
    EXPECT_EQ(ScratchFolder::Read(target), "new program");
    EXPECT_FALSE(ScratchFolder::Exists(scratch.Text() + "dst\\tmpFile140509.tmp"));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(CopyFileViaTest, AFailedCopyKeepsTheExistingTarget) {
    ScratchFolder scratch;
    const std::string target = scratch.Write("dst\\Zuta.exe", "old");
    FakeMessageBoxes boxes;
    FixedClock clock;
    EXPECT_FALSE(
        CopyFileVia(scratch.Text() + "src", scratch.Text() + "dst", "Zuta.exe", boxes, clock));
    EXPECT_EQ(ScratchFolder::Read(target), "old");
    EXPECT_FALSE(ScratchFolder::Exists(scratch.Text() + "dst\\tmpFile140509.tmp"));
}

TEST(CopyFileViaTest, TargetThatCannotBeReplacedStaysAndIsReported) {
    ScratchFolder scratch;
    scratch.Write("src\\Zuta.exe", "new");
    scratch.Write("dst\\Zuta.exe\\inside.txt", "a folder in the way");
    FakeMessageBoxes boxes;
    FixedClock clock;
    EXPECT_FALSE(
        CopyFileVia(scratch.Text() + "src", scratch.Text() + "dst", "Zuta.exe", boxes, clock));
    EXPECT_EQ(ScratchFolder::Read(scratch.Text() + "dst\\Zuta.exe\\inside.txt"),
              "a folder in the way");
    EXPECT_FALSE(ScratchFolder::Exists(scratch.Text() + "dst\\tmpFile140509.tmp"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("\"Zuta.exe\" je otevřen"_cz), std::string::npos);
}

#ifdef _WIN32
TEST(CopyFileViaTest, TargetHeldOpenWithoutSharingStaysAsItWas) {
    ScratchFolder scratch;
    scratch.Write("src\\Zuta.exe", "new");
    const std::string target = scratch.Write("dst\\Zuta.exe", "old");
    HANDLE held = CreateFileW(PathFromText(target).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    FakeMessageBoxes boxes;
    FixedClock clock;
    const bool copied =
        CopyFileVia(scratch.Text() + "src", scratch.Text() + "dst", "Zuta.exe", boxes, clock);
    CloseHandle(held);
    EXPECT_FALSE(copied);
    EXPECT_EQ(ScratchFolder::Read(target), "old");
    EXPECT_FALSE(ScratchFolder::Exists(scratch.Text() + "dst\\tmpFile140509.tmp"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("\"Zuta.exe\" je otevřen jiným programem"_cz),
              std::string::npos);
}
#endif

TEST(CopyFileViaTest, EmptyFolderArgumentsGiveFalse) {
    ScratchFolder scratch;
    FakeMessageBoxes boxes;
    FixedClock clock;
    EXPECT_FALSE(CopyFileVia("", scratch.Text(), "x", boxes, clock));
    EXPECT_FALSE(CopyFileVia(scratch.Text(), "", "x", boxes, clock));
}

}  // namespace
}  // namespace zerkon
