#pragma once
// Small file operations shared by the program. Paths and folders are
// Windows-1250 program text (backslashes as on Windows); PathFromText turns
// them into file-system paths.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "common/date_time.h"
#include "common/file_system.h"

namespace zerkon {

// Program text path -> file-system path. Off Windows, backslashes become "/"
// so that the same program text works in native tests.
std::filesystem::path PathFromText(std::string_view text);
std::string TextFromPath(const std::filesystem::path& path);

// "tmpFile" + hhmmss + ".tmp".
std::string TemporaryFileName(const LocalDateTime& now);

// True when the file does not exist; otherwise clears read-only (and the
// other attributes), deletes it and returns whether it is gone. Never throws.
bool DeleteFileForced(FileSystem& files, std::string_view path);

// -1 when the file does not exist, 0 when it cannot be opened, else its size
// (capped to the 32-bit range).
std::int32_t GetFileSizeOrMinusOne(FileSystem& files, std::string_view path);

// Deletes every file folder + "*." + extension ("*" for an empty extension),
// ignoring failures. False when the folder argument is empty or the folder
// does not exist.
bool DeleteFilesByMask(FileSystem& files, std::string_view folder, std::string_view extension);

// Removes " ' : ; / \ < > * ? CR LF so that the text can serve as a file name.
std::string StripFileNameChars(std::string_view text);

// The emergency stop after the print job folder could be neither found nor
// created: asks the application to end. It deletes nothing.
void TerminateAfterFailure(const std::function<void()>& request_quit);

}  // namespace zerkon
