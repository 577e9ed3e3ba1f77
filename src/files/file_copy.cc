#include "files/file_copy.h"

#include <cstdint>
#include <filesystem>
#include <optional>

#include "common/cp1250.h"
#include "common/file_helpers.h"

namespace zerkon {
namespace fs = std::filesystem;

namespace {

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

void ShowDiskProblem(MessageBoxes& boxes, const std::string& text) {
    boxes.Show(text, kDiskProblemCaption, MessageIcon::Warning, MessageButtons::Ok);
}

std::string FileHeldOpenText(std::string_view name) {
    return "Pravděpodobně soubor \""_cz + std::string(name) +
           "\" je otevřen jiným programem.\r\n"_cz +
           "Pokusím se tento soubor přepsat a opětovně uložit."_cz;
}

// The free-space box: a drive that may be full, and the file that did not fit.
void ShowLowSpace(MessageBoxes& boxes, std::string_view target_folder, std::string_view name) {
    // Without a drive letter (a network path) the folder stands for the drive.
    const std::string drive = IsDriveLetterPath(target_folder)
                                  ? std::string(1, UpperCase1250(target_folder[0])) + ":\\"
                                  : std::string(target_folder);
    ShowDiskProblem(boxes, "Pravděpodobně na disku "_cz + drive +
                               " je málo volného prostoru.\r\nSoubor \""_cz + std::string(name) +
                               "\" nelze na tento disk uložit."_cz);
}

}  // namespace

bool CopyFileChecked(std::string_view source_folder, std::string_view target_folder,
                     std::string_view source_name, std::string_view target_name,
                     MessageBoxes& boxes, FileSystem& files) {
    std::string a(source_name);
    std::string b = target_name.empty() ? a : std::string(target_name);
    if (SameText(source_folder, target_folder) && SameText(a, b)) return false;
    if (a.empty()) return false;
    a = StripFileNameChars(a);
    b = StripFileNameChars(b);

    const fs::path source = PathFromText(std::string(source_folder) + a);
    const fs::path target = PathFromText(std::string(target_folder) + b);
    if (files.Kind(PathFromText(source_folder)) != PathKind::kFolder) return false;
    if (!files.CreateFolders(PathFromText(target_folder))) return false;
    if (files.Kind(source) != PathKind::kFile) return false;

    const std::optional<std::string> bytes = files.ReadWhole(source);
    if (IsDriveLetterPath(target_folder)) {
        // A free space that cannot be told skips the check rather than refusing every copy.
        const std::optional<std::uintmax_t> free_space =
            files.FreeSpace(PathFromText(target_folder));
        if (free_space && bytes && bytes->size() > *free_space) {
            ShowLowSpace(boxes, target_folder, a);
            return false;
        }
    }
    if (!bytes) return false;
    switch (files.Write(target, *bytes)) {
        case WriteStep::kDone:
            return true;
        case WriteStep::kOpenFailed:
            ShowDiskProblem(boxes, FileHeldOpenText(b));
            return false;
        case WriteStep::kWriteFailed:
            break;
    }
    // A half-written copy must not pass for the file.
    files.Remove(target);
    ShowLowSpace(boxes, target_folder, a);
    return false;
}

bool CopyFileVia(std::string_view source_folder, std::string_view target_folder,
                 std::string_view name, MessageBoxes& boxes, const Clock& clock,
                 FileSystem& files) {
    if (source_folder.empty() || target_folder.empty()) return false;
    const std::string source = WithBackslash(source_folder);
    const std::string target = WithBackslash(target_folder);
    const std::string temporary = TemporaryFileName(clock.Now());
    const fs::path temporary_path = PathFromText(target + temporary);
    try {
        if (!CopyFileChecked(source, target, name, temporary, boxes, files)) {
            files.Remove(temporary_path);
            return false;
        }
        const std::string clean_name = StripFileNameChars(name);
        if (MoveTemporaryOver(files, temporary_path, PathFromText(target + clean_name)) !=
            ReplaceFault::kNone) {
            ShowDiskProblem(boxes, FileHeldOpenText(clean_name));
            return false;
        }
        return true;
    } catch (const std::exception&) {
        files.Remove(temporary_path);
        return false;
    }
}

}  // namespace zerkon
