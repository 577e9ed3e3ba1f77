#include "platform/win32/file_system_win32.h"

#include <algorithm>

#include "platform/win32/system_message.h"

namespace zerkon {

namespace {

Status Failed(StatusCode code, DWORD error) {
    return Status::Failed(code, "", SystemMessage(error));
}

// A file that cannot be opened is not there, or is there and refused.
Status OpenFailure(DWORD error) {
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return Failed(missing ? StatusCode::kNotFound : StatusCode::kCannotOpen, error);
}

CalendarDate LocalDateOf(const FILETIME& written) {
    FILETIME local{};
    SYSTEMTIME time{};
    if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &time)) {
        return {};
    }
    return {time.wYear, time.wMonth, time.wDay};
}

class HandleReader final : public FileReader {
  public:
    HandleReader(HANDLE handle, CalendarDate modified) : handle_(handle), modified_(modified) {}
    ~HandleReader() override { CloseHandle(handle_); }
    HandleReader(const HandleReader&) = delete;
    HandleReader& operator=(const HandleReader&) = delete;

    Result<std::size_t> Read(char* into, std::size_t size) override {
        DWORD got = 0;
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30));
        if (!ReadFile(handle_, into, part, &got, nullptr)) {
            return Failed(StatusCode::kCannotRead, GetLastError());
        }
        return static_cast<std::size_t>(got);
    }

    Status Rewind() override {
        LARGE_INTEGER start{};
        if (SetFilePointerEx(handle_, start, nullptr, FILE_BEGIN)) return Status::Ok();
        return Failed(StatusCode::kCannotRead, GetLastError());
    }

    CalendarDate Modified() const override { return modified_; }

  private:
    HANDLE handle_;
    CalendarDate modified_;
};

Status WriteTo(const std::filesystem::path& file, std::string_view bytes, bool append) {
    HANDLE handle =
        CreateFileW(file.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, 0, nullptr,
                    append ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return Failed(StatusCode::kCannotOpen, GetLastError());
    Status written;
    while (written.ok() && !bytes.empty()) {
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 30));
        DWORD done = 0;
        if (!WriteFile(handle, bytes.data(), part, &done, nullptr) || done != part) {
            written = Failed(StatusCode::kCannotWrite, GetLastError());
        }
        bytes.remove_prefix(done);
    }
    if (!CloseHandle(handle) && written.ok()) {
        written = Failed(StatusCode::kCannotWrite, GetLastError());
    }
    return written;
}

}  // namespace

Result<std::string> Win32FileSystem::ReadWhole(const std::filesystem::path& file) {
    Result<std::unique_ptr<FileReader>> reader = OpenForReading(file);
    if (!reader.ok()) return reader.status();
    return ReadToEnd(**reader);
}

Result<std::unique_ptr<FileReader>> Win32FileSystem::OpenForReading(
    const std::filesystem::path& file) {
    // Others may go on writing it (a bank program still saving a statement).
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return OpenFailure(GetLastError());
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        const DWORD error = GetLastError();
        CloseHandle(handle);
        return Failed(StatusCode::kCannotOpen, error != 0 ? error : ERROR_ACCESS_DENIED);
    }
    return std::unique_ptr<FileReader>(
        std::make_unique<HandleReader>(handle, LocalDateOf(info.ftLastWriteTime)));
}

Status Win32FileSystem::Write(const std::filesystem::path& file, std::string_view bytes) {
    return WriteTo(file, bytes, false);
}

Status Win32FileSystem::Append(const std::filesystem::path& file, std::string_view bytes) {
    return WriteTo(file, bytes, true);
}

Status Win32FileSystem::MoveOver(const std::filesystem::path& from,
                                 const std::filesystem::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return Status::Ok();
    return Failed(StatusCode::kCannotReplace, GetLastError());
}

bool Win32FileSystem::Remove(const std::filesystem::path& file) {
    if (DeleteFileW(file.c_str())) return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace zerkon
