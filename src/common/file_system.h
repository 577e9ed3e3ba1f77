#pragma once
// Every file the program reads or writes goes through FileSystem: the real one works on the
// disk, a test puts a fake in its place and fails any single step. The steps are what Windows
// offers, with its rules: a read-only or held-open target can be neither overwritten nor
// replaced nor deleted, and a failed write may leave part of the bytes behind.
//
// A file that may already exist is always written by WriteReplacing: the bytes go to a temporary
// file beside the target, which is then moved over it. Under any fault the old file stays whole
// or the new one is complete, and no temporary file is left behind. A read-only target is
// replaced like any other: these are the program's own outputs (print jobs, the XML export, the
// copies of the update program), which it rewrites on every run.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zerkon {

enum class PathKind { kNone, kFile, kFolder, kOther };

enum class WriteStep { kDone, kOpenFailed, kWriteFailed };

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // The whole file; nothing when it is no file or cannot be read.
    virtual std::optional<std::string> ReadWhole(const std::filesystem::path& file) = 0;
    // Creates or truncates the file and writes the bytes. After kWriteFailed (a short write, a
    // full disk) the file may hold part of them.
    virtual WriteStep Write(const std::filesystem::path& file, std::string_view bytes) = 0;
    // Adds the bytes at the end of an existing file; kWriteFailed may leave part of them.
    virtual WriteStep Append(const std::filesystem::path& file, std::string_view bytes) = 0;
    // Moves `from` over `to`, replacing a file there.
    virtual bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Deletes a file (never a folder); true when no file is there afterwards.
    virtual bool Remove(const std::filesystem::path& file) = 0;

    virtual PathKind Kind(const std::filesystem::path& path) = 0;
    virtual bool IsReadOnly(const std::filesystem::path& file) = 0;
    virtual bool SetReadOnly(const std::filesystem::path& file, bool read_only) = 0;
    // Creates the folder with its missing parents; true when it is there afterwards.
    virtual bool CreateFolders(const std::filesystem::path& folder) = 0;
    // Free bytes on the folder's drive; nothing when that cannot be told.
    virtual std::optional<std::uintmax_t> FreeSpace(const std::filesystem::path& folder) = 0;
    // The files (not folders) directly in the folder.
    virtual std::vector<std::filesystem::path> Files(const std::filesystem::path& folder) = 0;

    // Why the last step that failed did, in the system's words (program text); "" when it
    // cannot tell.
    virtual std::string LastFailure() { return {}; }
};

// The disk, through std::filesystem (Win32 calls underneath on Windows).
FileSystem& RealFileSystem() noexcept;

// The step at which a replacement failed.
enum class ReplaceFault { kNone, kOpen, kWrite, kMove };

// Moves a finished temporary file over the target. A read-only target loses its flag first and
// gets it back when the move fails; a failed move removes the temporary file.
ReplaceFault MoveTemporaryOver(FileSystem& files, const std::filesystem::path& temporary,
                               const std::filesystem::path& target);

// Writes the bytes to `temporary` and moves it over the target (MoveTemporaryOver). The
// temporary file is gone afterwards, whatever failed.
ReplaceFault WriteReplacing(FileSystem& files, const std::filesystem::path& target,
                            std::string_view bytes, const std::filesystem::path& temporary);
// The same with the temporary file target + ".tmp".
ReplaceFault WriteReplacing(FileSystem& files, const std::filesystem::path& target,
                            std::string_view bytes);

// Text made a block at a time: `write` hands each block to the sink it gets.
using BlockSink = std::function<void(std::string_view block)>;
using BlockWriter = std::function<void(const BlockSink& sink)>;

// WriteReplacing of a text that is never held whole: the blocks go to the temporary file
// target + ".tmp" as they are made, and once the last is written it is moved over the target.
// After a failed step the writing stops. When `write` throws, the temporary file is removed and
// the exception passes on; the target is untouched then as after any fault.
ReplaceFault WriteReplacing(FileSystem& files, const std::filesystem::path& target,
                            const BlockWriter& write);

}  // namespace zerkon
