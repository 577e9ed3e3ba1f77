#include "common/file_helpers.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/cp1250_literal.h"
#include "common/disk_file_system.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include "../print/scratch_folder.h"

namespace zerkon {
namespace {

DiskFileSystem disk;

using testing::ScratchFolder;
namespace fs = std::filesystem;

void MakeReadOnly(const std::string& text_path) {
    fs::permissions(PathFromText(text_path),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

TEST(StripFileNameCharsTest, RemovesOnlyCharactersNotAllowedInFileNames) {
    EXPECT_EQ(StripFileNameChars("a\"b'c:d;e/f\\g<h>i*j?k\rl\nm|n.txt"), "abcdefghijklm|n.txt");
    EXPECT_EQ(StripFileNameChars("Podklady pro ELDP - ruční zadání"_cz),
              "Podklady pro ELDP - ruční zadání"_cz);
}

TEST(TemporaryFileNameTest, CarriesTheTimeToTheSecond) {
    EXPECT_EQ(TemporaryFileName({2009, 3, 7, 14, 35, 1}), "tmpFile143501.tmp");
    EXPECT_EQ(TemporaryFileName({2009, 3, 7, 0, 0, 0}), "tmpFile000000.tmp");
}

TEST(DeleteFileForcedTest, DeletesReadOnlyFilesAndAcceptsMissingOnes) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("ro.txt", "x");
    MakeReadOnly(file);
    EXPECT_TRUE(DeleteFileForced(disk, file));
    EXPECT_FALSE(ScratchFolder::Exists(file));
    EXPECT_TRUE(DeleteFileForced(disk, scratch.Text() + "missing.txt"));
    EXPECT_FALSE(DeleteFileForced(disk, scratch.Text()));  // a folder is no file
}

TEST(DeleteFilesByMaskTest, DeletesOnlyTheExtensionAsked) {
    ScratchFolder scratch;
    scratch.Write("a.FF2", "");
    scratch.Write("b.ff2", "");
    scratch.Write("c.cfg", "");
    EXPECT_TRUE(DeleteFilesByMask(disk, scratch.Text(), "FF2"));
    EXPECT_FALSE(ScratchFolder::Exists(scratch.Text() + "a.FF2"));
    EXPECT_FALSE(ScratchFolder::Exists(scratch.Text() + "b.ff2"));
    EXPECT_TRUE(ScratchFolder::Exists(scratch.Text() + "c.cfg"));
    EXPECT_TRUE(DeleteFilesByMask(disk, scratch.Text(), ""));
    EXPECT_FALSE(ScratchFolder::Exists(scratch.Text() + "c.cfg"));
    EXPECT_FALSE(DeleteFilesByMask(disk, "", "FF2"));
    EXPECT_FALSE(DeleteFilesByMask(disk, scratch.Text() + "none\\", "FF2"));
}

TEST(FileReadingTest, MeasuresSizes) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("t.txt", "AB\r\nCD\r\n");
    EXPECT_EQ(GetFileSizeOrMinusOne(disk, file), 8);
    EXPECT_EQ(GetFileSizeOrMinusOne(disk, scratch.Text() + "none.txt"), -1);
}

TEST(TerminateAfterFailureTest, OnlyAsksTheApplicationToEnd) {
    ScratchFolder scratch;
    const std::string keep = scratch.Write("FFSTRAN.CFG", "x");
    const fs::path before = fs::current_path();
    fs::current_path(scratch.path());
    int quits = 0;
    TerminateAfterFailure([&] { ++quits; });
    fs::current_path(before);
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(ScratchFolder::Exists(keep));
}

}  // namespace
}  // namespace zerkon
