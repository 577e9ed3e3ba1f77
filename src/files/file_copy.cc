#include "files/file_copy.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "common/cp1250.h"
#include "common/file_helpers.h"

namespace zerkon {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kCopyBlockSize = 2048;

std::string WithBackslash(std::string_view folder) {
    std::string result(folder);
    if (!result.empty() && result.back() != '\\') result += '\\';
    return result;
}

bool SameText(std::string_view a, std::string_view b) {
    return UpperCase1250(a) == UpperCase1250(b);
}

bool IsDriveLetterPath(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// Free space on the target's drive; -1 when it cannot be told, which skips
// the check rather than refusing every copy.
std::intmax_t FreeSpace(std::string_view folder) {
    std::error_code ec;
    const fs::space_info info = fs::space(PathFromText(folder), ec);
    if (ec) return -1;
    return static_cast<std::intmax_t>(info.available);
}

void ShowDiskProblem(MessageBoxes& boxes, const std::string& text) {
    boxes.Show(text, kDiskProblemCaption, MessageIcon::Warning, MessageButtons::Ok);
}

std::string FileHeldOpenText(std::string_view name) {
    return "Pravděpodobně soubor \""_cz + std::string(name) +
           "\" je otevřen jiným programem.\r\n"_cz +
           "Pokusím se tento soubor přepsat a opětovně uložit."_cz;
}

void RemoveIfRegularFile(const fs::path& path) {
    std::error_code ec;
    if (fs::is_regular_file(path, ec)) fs::remove(path, ec);
}

// Copies in blocks; false as soon as a read fails or a write falls short.
bool CopyBlocks(std::ifstream& in, std::ofstream& out) {
    std::array<char, kCopyBlockSize> block;
    for (;;) {
        in.read(block.data(), block.size());
        const std::streamsize got = in.gcount();
        if (in.bad()) return false;
        if (got == 0) break;
        out.write(block.data(), got);
        if (!out) return false;
        if (in.eof()) break;
    }
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace

bool CopyFileChecked(std::string_view source_folder, std::string_view target_folder,
                     std::string_view source_name, std::string_view target_name,
                     MessageBoxes& boxes) {
    std::string a(source_name);
    std::string b = target_name.empty() ? a : std::string(target_name);
    if (SameText(source_folder, target_folder) && SameText(a, b)) return false;
    if (a.empty()) return false;
    a = StripFileNameChars(a);
    b = StripFileNameChars(b);

    std::error_code ec;
    const fs::path source = PathFromText(std::string(source_folder) + a);
    const fs::path target = PathFromText(std::string(target_folder) + b);
    if (!fs::is_directory(PathFromText(source_folder), ec)) return false;
    const fs::path target_dir = PathFromText(target_folder);
    if (!fs::is_directory(target_dir, ec)) {
        fs::create_directories(target_dir, ec);
        if (!fs::is_directory(target_dir, ec)) return false;
    }
    if (!fs::is_regular_file(source, ec)) return false;

    if (IsDriveLetterPath(target_folder)) {
        const std::intmax_t free_space = FreeSpace(target_folder);
        const std::int32_t size = GetFileSizeOrMinusOne(std::string(source_folder) + a);
        if (free_space >= 0 && size > free_space) {
            const char drive = UpperCase1250(target_folder[0]);
            ShowDiskProblem(boxes, std::string("Pravděpodobně na disku "_cz) + drive +
                                       ":\\ je málo volného prostoru.\r\nSoubor \""_cz + a +
                                       "\" nelze na tento disk uložit."_cz);
            return false;
        }
    }

    std::ifstream in(source, std::ios::binary);
    if (!in) return false;
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!out) {
        ShowDiskProblem(boxes, FileHeldOpenText(b));
        return false;
    }
    const bool copied = CopyBlocks(in, out);
    in.close();
    out.close();
    if (!copied || out.fail()) {
        // A half-written copy must not pass for the file.
        RemoveIfRegularFile(target);
        return false;
    }
    return true;
}

bool CopyFileVia(std::string_view source_folder, std::string_view target_folder,
                 std::string_view name, MessageBoxes& boxes, const Clock& clock) {
    if (source_folder.empty() || target_folder.empty()) return false;
    const std::string source = WithBackslash(source_folder);
    const std::string target = WithBackslash(target_folder);
    const std::string temporary = TemporaryFileName(clock.Now());
    const fs::path temporary_path = PathFromText(target + temporary);
    try {
        if (!CopyFileChecked(source, target, name, temporary, boxes)) {
            RemoveIfRegularFile(temporary_path);
            return false;
        }
        const std::string clean_name = StripFileNameChars(name);
        const fs::path target_path = PathFromText(target + clean_name);
        std::error_code ec;
        const fs::file_status old_status = fs::status(target_path, ec);
        const bool had_target = fs::is_regular_file(old_status);
        if (had_target) {
            fs::permissions(target_path, fs::perms::owner_write, fs::perm_options::add, ec);
        }
        fs::rename(temporary_path, target_path, ec);
        if (ec) {
            if (had_target) fs::permissions(target_path, old_status.permissions(), ec);
            RemoveIfRegularFile(temporary_path);
            ShowDiskProblem(boxes, FileHeldOpenText(clean_name));
            return false;
        }
        return true;
    } catch (const std::exception&) {
        RemoveIfRegularFile(temporary_path);
        return false;
    }
}

}  // namespace zerkon
