#include "common/file_helpers.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"

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

bool DeleteFileForced(std::string_view path) {
    std::error_code ec;
    const fs::path file = PathFromText(path);
    const fs::file_status status = fs::symlink_status(file, ec);
    if (status.type() == fs::file_type::not_found) return true;
    if (ec || fs::is_directory(status)) return false;
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
    fs::remove(file, ec);
    return !fs::exists(fs::symlink_status(file, ec));
}

std::int32_t GetFileSizeOrMinusOne(std::string_view path) {
    std::error_code ec;
    const fs::path file = PathFromText(path);
    if (!fs::exists(file, ec)) return -1;
    std::ifstream in(file, std::ios::binary);
    if (!in) return 0;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) return 0;
    return static_cast<std::int32_t>(std::min<std::uintmax_t>(size, INT32_MAX));
}

bool DeleteFilesByMask(std::string_view folder, std::string_view extension) {
    if (folder.empty()) return false;
    std::error_code ec;
    const fs::path dir = PathFromText(folder);
    if (!fs::is_directory(dir, ec)) return false;
    const bool any = extension.empty() || extension == "*";
    const std::string wanted = UpperCase1250(extension);
    for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        if (!any) {
            std::string ext = TextFromPath(entry.path().extension());
            if (!ext.empty()) ext.erase(0, 1);
            if (UpperCase1250(ext) != wanted) continue;
        }
        fs::remove(entry.path(), ec);
    }
    return true;
}

std::string ReadTextFileJoined(std::string_view path) {
    std::ifstream in(PathFromText(path), std::ios::binary);
    if (!in) return {};
    std::string result;
    char c;
    while (in.get(c)) {
        if (c != '\r' && c != '\n') result += c;
    }
    return result;
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
