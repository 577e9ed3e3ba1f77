#pragma once
// Every file the program reads or writes goes through FileSystem, passed in explicitly: the real
// one (the disk, told to the program's and the command line's main) or, in a test, a fake that
// fails any single step. The steps are what Windows offers, with its rules: a read-only or
// held-open target can be neither overwritten nor replaced nor deleted, and a failed write may
// leave part of the bytes behind. A failed step gives back a Status whose reason is the system's
// own words; its message is left to the caller, who knows what the file was for.
//
// A file that may already exist is always written by WriteReplacing: the bytes go to a temporary
// file beside the target, which is then moved over it. Under any fault the old file stays whole
// or the new one is complete, and no temporary file is left behind. A read-only target is
// replaced like any other: these are the program's own outputs (print jobs, the XML export, the
// copies of the update program), which it rewrites on every run.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_time.h"
#include "common/status.h"

namespace zerkon {

enum class PathKind { kNone, kFile, kFolder, kOther };

// A file read from its start a block at a time (a bank file of any size).
class FileReader {
  public:
    virtual ~FileReader() = default;
    // Up to `size` bytes into `into`; 0 at the end of the file.
    virtual Result<std::size_t> Read(char* into, std::size_t size) = 0;
    // Back to the first byte.
    virtual Status Rewind() = 0;
    // The local date of the file's last change.
    virtual CalendarDate Modified() const = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // The whole file. kNotFound when nothing is there, kCannotOpen when it is no file or cannot
    // be opened, kCannotRead when the reading fails.
    virtual Result<std::string> ReadWhole(const std::filesystem::path& file) = 0;
    // The file opened for reading a block at a time; failures as ReadWhole's.
    virtual Result<std::unique_ptr<FileReader>> OpenForReading(
        const std::filesystem::path& file) = 0;
    // Creates or truncates the file and writes the bytes: kCannotOpen, or kCannotWrite after a
    // short write (a full disk), when the file may hold part of them.
    virtual Status Write(const std::filesystem::path& file, std::string_view bytes) = 0;
    // Adds the bytes at the end of an existing file; kCannotWrite may leave part of them.
    virtual Status Append(const std::filesystem::path& file, std::string_view bytes) = 0;
    // Moves `from` over `to`, replacing a file there (kCannotReplace).
    virtual Status MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Deletes a file (never a folder); true when no file is there afterwards.
    virtual bool Remove(const std::filesystem::path& file) = 0;

    virtual PathKind Kind(const std::filesystem::path& path) = 0;
    virtual bool IsReadOnly(const std::filesystem::path& file) = 0;
    virtual bool SetReadOnly(const std::filesystem::path& file, bool read_only) = 0;
    // Creates the folder with its missing parents (kCannotCreateFolder).
    virtual Status CreateFolders(const std::filesystem::path& folder) = 0;
    // Free bytes on the folder's drive; nothing when that cannot be told.
    virtual std::optional<std::uintmax_t> FreeSpace(const std::filesystem::path& folder) = 0;
    // The files (not folders) directly in the folder.
    virtual std::vector<std::filesystem::path> Files(const std::filesystem::path& folder) = 0;
};

// Reads what is left of the file into one text.
Result<std::string> ReadToEnd(FileReader& reader);

// Moves a finished temporary file over the target. A read-only target loses its flag first and
// gets it back when the move fails; a failed move removes the temporary file.
Status MoveTemporaryOver(FileSystem& files, const std::filesystem::path& temporary,
                         const std::filesystem::path& target);

// Writes the bytes to `temporary` and moves it over the target (MoveTemporaryOver). The
// temporary file is gone afterwards, whatever failed; the failure is the step's (kCannotOpen,
// kCannotWrite, kCannotReplace).
Status WriteReplacing(FileSystem& files, const std::filesystem::path& target,
                      std::string_view bytes, const std::filesystem::path& temporary);
// The same with the temporary file target + ".tmp".
Status WriteReplacing(FileSystem& files, const std::filesystem::path& target,
                      std::string_view bytes);

// Text made a block at a time: `write` hands each block to the sink it gets; the sink gives back
// how the block's writing went, and a writer stops at the first failure.
using BlockSink = std::function<Status(std::string_view block)>;
using BlockWriter = std::function<Status(const BlockSink& sink)>;

// WriteReplacing of a text that is never held whole: the blocks go to the temporary file
// target + ".tmp" as they are made, and once the last is written it is moved over the target.
// A failed step, or a failure of the writer itself (say, its source could not be read), removes
// the temporary file and leaves the target untouched.
Status WriteReplacing(FileSystem& files, const std::filesystem::path& target,
                      const BlockWriter& write);

}  // namespace zerkon
