#include "common/file_system.h"

#include <gtest/gtest.h>

#include "common/file_helpers.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include "../print/scratch_folder.h"

namespace zerkon {
namespace {

using testing::ScratchFolder;
namespace fs = std::filesystem;

class RealFileSystemTest : public ::testing::Test {
  protected:
    fs::path Path(std::string_view name) const { return scratch_.path() / fs::path(name); }
    ScratchFolder scratch_;
    FileSystem& files_ = RealFileSystem();
};

TEST_F(RealFileSystemTest, ReadsFilesOnly) {
    scratch_.Write("a.txt", "A\r\nB");
    EXPECT_EQ(files_.ReadWhole(Path("a.txt")), std::optional<std::string>("A\r\nB"));
    EXPECT_EQ(files_.ReadWhole(Path("none.txt")), std::nullopt);
    EXPECT_EQ(files_.ReadWhole(scratch_.path()), std::nullopt);
    EXPECT_EQ(files_.Kind(scratch_.path()), PathKind::kFolder);
    EXPECT_FALSE(files_.Remove(scratch_.path()));  // never a folder
    EXPECT_TRUE(fs::is_directory(scratch_.path()));
}

// Windows refuses to move over a read-only file; the replacement clears the flag first.
TEST_F(RealFileSystemTest, ReplacesAReadOnlyTargetWithoutATemporaryFileLeft) {
    scratch_.Write("out.xml", "old");
    ASSERT_TRUE(files_.SetReadOnly(Path("out.xml"), true));
    ASSERT_TRUE(files_.IsReadOnly(Path("out.xml")));
    EXPECT_EQ(WriteReplacing(files_, Path("out.xml"), "new"), ReplaceFault::kNone);
    EXPECT_EQ(files_.ReadWhole(Path("out.xml")), std::optional<std::string>("new"));
    EXPECT_EQ(files_.Kind(Path("out.xml.tmp")), PathKind::kNone);
}

TEST_F(RealFileSystemTest, MissingFolderFailsAtOpenAndCreatesNothing) {
    EXPECT_EQ(WriteReplacing(files_, Path("none/out.xml"), "new"), ReplaceFault::kOpen);
    EXPECT_EQ(files_.Kind(Path("none")), PathKind::kNone);
}

#ifdef _WIN32
TEST_F(RealFileSystemTest, TargetHeldOpenStaysAndTheTemporaryFileGoes) {
    scratch_.Write("job.vrex", "old");
    HANDLE held =
        CreateFileW(Path("job.vrex").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const ReplaceFault fault = WriteReplacing(files_, Path("job.vrex"), "new");
    CloseHandle(held);
    EXPECT_EQ(fault, ReplaceFault::kMove);
    EXPECT_EQ(files_.ReadWhole(Path("job.vrex")), std::optional<std::string>("old"));
    EXPECT_EQ(files_.Kind(Path("job.vrex.tmp")), PathKind::kNone);
}
#else
TEST_F(RealFileSystemTest, AFullDiskIsAFailedWrite) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(files_.Write("/dev/full", std::string(10000, 'z')), WriteStep::kWriteFailed);
}
#endif

}  // namespace
}  // namespace zerkon
