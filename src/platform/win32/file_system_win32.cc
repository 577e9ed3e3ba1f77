#include "platform/win32/file_system_win32.h"

#include <algorithm>

#include "platform/win32/system_message.h"

namespace zerkon {

WriteStep Win32FileSystem::Write(const std::filesystem::path& file, std::string_view bytes) {
    return WriteTo(file, bytes, false);
}

WriteStep Win32FileSystem::Append(const std::filesystem::path& file, std::string_view bytes) {
    return WriteTo(file, bytes, true);
}

WriteStep Win32FileSystem::WriteTo(const std::filesystem::path& file, std::string_view bytes,
                                   bool append) {
    HANDLE handle =
        CreateFileW(file.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, 0, nullptr,
                    append ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        last_error_ = GetLastError();
        return WriteStep::kOpenFailed;
    }
    bool written = true;
    while (written && !bytes.empty()) {
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 30));
        DWORD done = 0;
        written = WriteFile(handle, bytes.data(), part, &done, nullptr) && done == part;
        if (!written) last_error_ = GetLastError();
        bytes.remove_prefix(done);
    }
    if (!CloseHandle(handle) && written) {
        last_error_ = GetLastError();
        written = false;
    }
    return written ? WriteStep::kDone : WriteStep::kWriteFailed;
}

bool Win32FileSystem::MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    last_error_ = GetLastError();
    return false;
}

// Clears up after a failure, whose reason it keeps.
bool Win32FileSystem::Remove(const std::filesystem::path& file) {
    if (DeleteFileW(file.c_str())) return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::string Win32FileSystem::LastFailure() {
    return last_error_ == ERROR_SUCCESS ? std::string() : SystemMessage(last_error_);
}

}  // namespace zerkon
