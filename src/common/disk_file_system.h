#pragma once
// The disk as FileSystem, through std::filesystem and the C++ streams: the real file system of
// the command line off Windows and of the native tests. A failure's reason is the C library's
// text for the error. On Windows the program uses Win32FileSystem, which tells the system's own
// words.

#include "common/file_system.h"

namespace zerkon {

class DiskFileSystem : public FileSystem {
  public:
    Result<std::string> ReadWhole(const std::filesystem::path& file) override;
    Result<std::unique_ptr<FileReader>> OpenForReading(const std::filesystem::path& file) override;
    Status Write(const std::filesystem::path& file, std::string_view bytes) override;
    Status Append(const std::filesystem::path& file, std::string_view bytes) override;
    Status MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool Remove(const std::filesystem::path& file) override;
    PathKind Kind(const std::filesystem::path& path) override;
    bool IsReadOnly(const std::filesystem::path& file) override;
    bool SetReadOnly(const std::filesystem::path& file, bool read_only) override;
    Status CreateFolders(const std::filesystem::path& folder) override;
    std::optional<std::uintmax_t> FreeSpace(const std::filesystem::path& folder) override;
    std::vector<std::filesystem::path> Files(const std::filesystem::path& folder) override;
};

// The local date of a file time.
CalendarDate LocalDateOf(std::filesystem::file_time_type time);

}  // namespace zerkon
