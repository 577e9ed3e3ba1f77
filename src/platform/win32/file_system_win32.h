#pragma once
// The disk as the program sees it on Windows: opening, reading, writing, moving and deleting
// files are done by Windows itself, so that a failure carries the system's own words in the
// user's language. The other steps are DiskFileSystem's.

#include <windows.h>

#include "common/disk_file_system.h"

namespace zerkon {

class Win32FileSystem final : public DiskFileSystem {
  public:
    Result<std::string> ReadWhole(const std::filesystem::path& file) override;
    Result<std::unique_ptr<FileReader>> OpenForReading(const std::filesystem::path& file) override;
    Status Write(const std::filesystem::path& file, std::string_view bytes) override;
    Status Append(const std::filesystem::path& file, std::string_view bytes) override;
    Status MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool Remove(const std::filesystem::path& file) override;
};

}  // namespace zerkon
