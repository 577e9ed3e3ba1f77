#include "common/file_helpers.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "common/cp1250.h"
#include "common/file_system.h"

namespace zerkon {
namespace fs = std::filesystem;

fs::path PathFromText(std::string_view text) {
#ifdef _WIN32
    const std::u16string wide = Cp1250ToUtf16(text);
    return fs::path(std::wstring(wide.begin(), wide.end()));
#else
    std::string utf8 = Cp1250ToUtf8(text);
    std::replace(utf8.begin(), utf8.end(), '\\', '/');
    return fs::path(utf8);
#endif
}

std::string TextFromPath(const fs::path& path) {
#ifdef _WIN32
    const std::wstring wide = path.wstring();
    return Utf16ToCp1250(std::u16string(wide.begin(), wide.end()));
#else
    return Utf8ToCp1250(path.string());
#endif
}

std::string TemporaryFileName(const LocalDateTime& now) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d%02d%02d", now.hour % 100, now.minute % 100,
                  now.second % 100);
    return std::string("tmpFile") + digits + ".tmp";
}

bool DeleteFileForced(FileSystem& files, std::string_view path) {
    const fs::path file = PathFromText(path);
    if (files.Kind(file) == PathKind::kFolder) return false;
    if (files.IsReadOnly(file)) files.SetReadOnly(file, false);
    return files.Remove(file);
}

std::int32_t GetFileSizeOrMinusOne(FileSystem& files, std::string_view path) {
    const fs::path file = PathFromText(path);
    if (files.Kind(file) == PathKind::kNone) return -1;
    const Result<std::string> contents = files.ReadWhole(file);
    if (!contents.ok()) return 0;
    return static_cast<std::int32_t>(std::min<std::uintmax_t>(contents->size(), INT32_MAX));
}

bool DeleteFilesByMask(FileSystem& files, std::string_view folder, std::string_view extension) {
    if (folder.empty()) return false;
    const fs::path dir = PathFromText(folder);
    if (files.Kind(dir) != PathKind::kFolder) return false;
    const bool any = extension.empty() || extension == "*";
    const std::string wanted = UpperCase1250(extension);
    for (const fs::path& file : files.Files(dir)) {
        if (!any) {
            std::string ext = TextFromPath(file.extension());
            if (!ext.empty()) ext.erase(0, 1);
            if (UpperCase1250(ext) != wanted) continue;
        }
        files.Remove(file);
    }
    return true;
}

std::string StripFileNameChars(std::string_view text) {
    static constexpr std::string_view kNotAllowed = "\"':;/\\<>*?\r\n";
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (kNotAllowed.find(c) == std::string_view::npos) result += c;
    }
    return result;
}

void TerminateAfterFailure(const std::function<void()>& request_quit) {
    if (request_quit) request_quit();
}

}  // namespace zerkon
