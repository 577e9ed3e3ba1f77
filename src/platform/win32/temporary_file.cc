#include "platform/win32/temporary_file.h"

#include <windows.h>

namespace zerkon {

std::filesystem::path NewTemporaryFile() {
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH) return {};
    wchar_t file[MAX_PATH];
    // "zk" and four hex digits; the 0 makes Windows create the file.
    if (GetTempFileNameW(folder, L"zk", 0, file) == 0) return {};
    return std::filesystem::path(file);
}

}  // namespace zerkon
