#include "common/file_system.h"

#include <gtest/gtest.h>

#include "../print/scratch_folder.h"

namespace zerkon {
namespace {

using testing::ScratchFolder;

// The writers' tests cover replacing on the disk (read-only, held-open and missing targets, a
// full disk); here what they rely on besides: a folder is neither read nor removed.
TEST(RealFileSystemTest, ReadsAndRemovesFilesOnly) {
    ScratchFolder scratch;
    scratch.Write("a.txt", "A\r\nB");
    FileSystem& files = RealFileSystem();
    EXPECT_EQ(files.ReadWhole(scratch.path() / "a.txt"), std::optional<std::string>("A\r\nB"));
    EXPECT_EQ(files.ReadWhole(scratch.path() / "none.txt"), std::nullopt);
    EXPECT_EQ(files.ReadWhole(scratch.path()), std::nullopt);
    EXPECT_EQ(files.Kind(scratch.path()), PathKind::kFolder);
    EXPECT_FALSE(files.Remove(scratch.path()));
    EXPECT_EQ(files.Kind(scratch.path()), PathKind::kFolder);
    EXPECT_TRUE(files.Remove(scratch.path() / "a.txt"));
    EXPECT_TRUE(files.Remove(scratch.path() / "a.txt"));  // gone already
    EXPECT_EQ(files.Kind(scratch.path() / "a.txt"), PathKind::kNone);
}

}  // namespace
}  // namespace zerkon
