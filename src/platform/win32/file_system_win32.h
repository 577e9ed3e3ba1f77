#pragma once
// The disk as FileSystem, with the writing steps done by Windows itself so
// that a failure is told in the system's own words (LastFailure). The other
// steps are RealFileSystem()'s.

#include <windows.h>

#include "common/file_system.h"

namespace zerkon {

class Win32FileSystem final : public FileSystem {
  public:
    std::optional<std::string> ReadWhole(const std::filesystem::path& file) override {
        return RealFileSystem().ReadWhole(file);
    }
    WriteStep Write(const std::filesystem::path& file, std::string_view bytes) override;
    WriteStep Append(const std::filesystem::path& file, std::string_view bytes) override;
    bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool Remove(const std::filesystem::path& file) override;
    PathKind Kind(const std::filesystem::path& path) override {
        return RealFileSystem().Kind(path);
    }
    bool IsReadOnly(const std::filesystem::path& file) override {
        return RealFileSystem().IsReadOnly(file);
    }
    bool SetReadOnly(const std::filesystem::path& file, bool read_only) override {
        return RealFileSystem().SetReadOnly(file, read_only);
    }
    bool CreateFolders(const std::filesystem::path& folder) override {
        return RealFileSystem().CreateFolders(folder);
    }
    std::optional<std::uintmax_t> FreeSpace(const std::filesystem::path& folder) override {
        return RealFileSystem().FreeSpace(folder);
    }
    std::vector<std::filesystem::path> Files(const std::filesystem::path& folder) override {
        return RealFileSystem().Files(folder);
    }
    std::string LastFailure() override;

  private:
    WriteStep WriteTo(const std::filesystem::path& file, std::string_view bytes, bool append);
    DWORD last_error_ = ERROR_SUCCESS;
};

}  // namespace zerkon
