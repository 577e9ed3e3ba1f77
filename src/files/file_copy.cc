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

// A failure told to nobody: the copy is simply not made.
Status Silent(StatusCode code) {
    return Status::Failed(code, "");
}

Status HeldOpen(const Status& step, std::string_view name) {
    return step.Reworded("Pravděpodobně soubor \""_cz + std::string(name) +
                         "\" je otevřen jiným programem.\r\n"_cz +
                         "Pokusím se tento soubor přepsat a opětovně uložit."_cz);
}

// A drive that may be full, and the file that did not fit.
Status LowSpace(const Status& step, std::string_view target_folder, std::string_view name) {
    // Without a drive letter (a network path) the folder stands for the drive.
    const std::string drive = IsDriveLetterPath(target_folder)
                                  ? std::string(1, UpperCase1250(target_folder[0])) + ":\\"
                                  : std::string(target_folder);
    return step.Reworded("Pravděpodobně na disku "_cz + drive +
                         " je málo volného prostoru.\r\nSoubor \""_cz + std::string(name) +
                         "\" nelze na tento disk uložit."_cz);
}

}  // namespace

Status CopyFileChecked(FileSystem& files, std::string_view source_folder,
                       std::string_view target_folder, std::string_view source_name,
                       std::string_view target_name) {
    std::string a(source_name);
    std::string b = target_name.empty() ? a : std::string(target_name);
    if (SameText(source_folder, target_folder) && SameText(a, b)) {
        return Silent(StatusCode::kCannotOpen);
    }
    if (a.empty()) return Silent(StatusCode::kNotFound);
    a = StripFileNameChars(a);
    b = StripFileNameChars(b);

    const fs::path source = PathFromText(std::string(source_folder) + a);
    const fs::path target = PathFromText(std::string(target_folder) + b);
    if (files.Kind(PathFromText(source_folder)) != PathKind::kFolder) {
        return Silent(StatusCode::kNotFound);
    }
    if (Status made = files.CreateFolders(PathFromText(target_folder)); !made.ok()) {
        return made.Reworded("");
    }
    if (files.Kind(source) != PathKind::kFile) return Silent(StatusCode::kNotFound);

    const Result<std::string> bytes = files.ReadWhole(source);
    if (IsDriveLetterPath(target_folder)) {
        // A free space that cannot be told skips the check rather than refusing every copy.
        const std::optional<std::uintmax_t> free_space =
            files.FreeSpace(PathFromText(target_folder));
        if (free_space && bytes.ok() && bytes->size() > *free_space) {
            return LowSpace(Status::Failed(StatusCode::kCannotWrite, ""), target_folder, a);
        }
    }
    if (!bytes.ok()) return bytes.status().Reworded("");
    const Status written = files.Write(target, *bytes);
    if (written.ok()) return written;
    if (written.code() == StatusCode::kCannotOpen) return HeldOpen(written, b);
    // A half-written copy must not pass for the file.
    files.Remove(target);
    return LowSpace(written, target_folder, a);
}

Status CopyFileVia(FileSystem& files, std::string_view source_folder,
                   std::string_view target_folder, std::string_view name, const Clock& clock) {
    if (source_folder.empty() || target_folder.empty()) return Silent(StatusCode::kNotFound);
    const std::string source = WithBackslash(source_folder);
    const std::string target = WithBackslash(target_folder);
    const std::string temporary = TemporaryFileName(clock.Now());
    const fs::path temporary_path = PathFromText(target + temporary);
    if (Status copied = CopyFileChecked(files, source, target, name, temporary); !copied.ok()) {
        files.Remove(temporary_path);
        return copied;
    }
    const std::string clean_name = StripFileNameChars(name);
    const Status moved =
        MoveTemporaryOver(files, temporary_path, PathFromText(target + clean_name));
    return moved.ok() ? moved : HeldOpen(moved, clean_name);
}

}  // namespace zerkon
