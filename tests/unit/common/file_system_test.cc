#include "common/file_system.h"

#include <gtest/gtest.h>

#include "../print/scratch_folder.h"
#include "fake_file_system.h"

namespace zerkon {
namespace {

using testing::ScratchFolder;

// The writers' tests cover replacing on the disk (read-only, held-open and missing targets, a
// full disk); here what they rely on besides: a folder is neither read nor removed.
TEST(DiskFileSystemTest, ReadsAndRemovesFilesOnlyAndTellsWhyNot) {
    ScratchFolder scratch;
    scratch.Write("a.txt", "A\r\nB");
    DiskFileSystem files;
    EXPECT_EQ(files.ReadWhole(scratch.path() / "a.txt"), std::string("A\r\nB"));
    const Status missing = files.ReadWhole(scratch.path() / "none.txt").status();
    EXPECT_EQ(missing.code(), StatusCode::kNotFound);
    EXPECT_FALSE(missing.reason().empty());
    EXPECT_EQ(files.ReadWhole(scratch.path()).status().code(), StatusCode::kCannotOpen);
    EXPECT_EQ(files.Kind(scratch.path()), PathKind::kFolder);
    EXPECT_FALSE(files.Remove(scratch.path()));
    EXPECT_EQ(files.Kind(scratch.path()), PathKind::kFolder);
    EXPECT_TRUE(files.Remove(scratch.path() / "a.txt"));
    EXPECT_TRUE(files.Remove(scratch.path() / "a.txt"));  // gone already
    EXPECT_EQ(files.Kind(scratch.path() / "a.txt"), PathKind::kNone);
}

// A text written block by block: the target is replaced only once the last block is written, and
// a writer that fails on the way leaves the old file and no temporary one.
TEST(WriteReplacingBlocks, ReplacesOnlyWhenTheWholeTextIsWritten) {
    testing::FakeFileSystem files;
    files.Put("/out/a.csv", "old");
    const auto blocks = [](const BlockSink& sink) {
        sink("one,");
        sink("two");
        return Status::Failed(StatusCode::kCannotRead, "the bank file went away");
    };
    EXPECT_EQ(WriteReplacing(files, "/out/a.csv", blocks).message(), "the bank file went away");
    EXPECT_EQ(files.Bytes("/out/a.csv"), std::optional<std::string>("old"));
    EXPECT_EQ(files.files.size(), 1u);

    const auto whole = [](const BlockSink& sink) {
        sink("one,");
        return sink("two");
    };
    EXPECT_TRUE(WriteReplacing(files, "/out/a.csv", whole).ok());
    EXPECT_EQ(files.Bytes("/out/a.csv"), std::optional<std::string>("one,two"));
    EXPECT_TRUE(
        WriteReplacing(files, "/out/b.csv", [](const BlockSink&) { return Status::Ok(); }).ok());
    EXPECT_EQ(files.Bytes("/out/b.csv"), std::optional<std::string>(""));
}

}  // namespace
}  // namespace zerkon
