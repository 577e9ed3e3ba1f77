#pragma once
// Small file operations shared by the program. Paths and folders are
// Windows-1250 program text (backslashes as on Windows); PathFromText turns
// them into file-system paths. A copy is complete or it is not reported as
// made: the target of CopyFileVia is only ever replaced by renaming a finished
// temporary copy over it.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/cp1250_literal.h"
#include "platform/clock.h"
#include "platform/message_box.h"

namespace zerkon {

// A file that could not be read or written; what() is Czech Windows-1250 text
// for the user.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Program text path -> file-system path. Off Windows, backslashes become "/"
// so that the same program text works in native tests.
std::filesystem::path PathFromText(std::string_view text);
std::string TextFromPath(const std::filesystem::path& path);

// Title of the two boxes of CopyFileChecked.
inline constexpr std::string_view kDiskProblemCaption = "Problém při ukládání dat na disk"_cz;

// Copies source_folder + source_name to target_folder + target_name (an empty
// target name means the source name). Folders end with a backslash. False,
// without a message, for a copy onto itself (names compared in any letter
// case), an empty source name, a missing source folder or file, or a target
// folder that can be neither found nor created (missing parents are created).
// Names are cleaned with StripFileNameChars first. Shows a box and gives false
// when the target drive lacks space or the target cannot be created (held open
// by another program). A read or write that falls short gives false and
// removes the incomplete target.
bool CopyFileChecked(std::string_view source_folder, std::string_view target_folder,
                     std::string_view source_name, std::string_view target_name,
                     MessageBoxes& boxes);

// Copies source_folder\name to target_folder\name through the temporary file
// tmpFile<hhmmss>.tmp in the target folder, which is renamed over the target
// only once complete; on any failure an existing target stays as it was and
// the temporary file is removed. A read-only target is replaced. False when a
// folder argument is empty or the copy failed.
bool CopyFileVia(std::string_view source_folder, std::string_view target_folder,
                 std::string_view name, MessageBoxes& boxes, const Clock& clock);

// "tmpFile" + hhmmss + ".tmp".
std::string TemporaryFileName(const LocalDateTime& now);

// True when the file does not exist; otherwise clears read-only (and the
// other attributes), deletes it and returns whether it is gone. Never throws.
bool DeleteFileForced(std::string_view path);

// -1 when the file does not exist, 0 when it cannot be opened, else its size
// (capped to the 32-bit range).
std::int32_t GetFileSizeOrMinusOne(std::string_view path);

// Deletes every file folder + "*." + extension ("*" for an empty extension),
// ignoring failures. False when the folder argument is empty or the folder
// does not exist.
bool DeleteFilesByMask(std::string_view folder, std::string_view extension);

// All lines of a text file joined without separators; empty when missing.
std::string ReadTextFileJoined(std::string_view path);

// Removes " ' : ; / \ < > * ? CR LF so that the text can serve as a file name.
std::string StripFileNameChars(std::string_view text);

// The emergency stop after the print job folder could be neither found nor
// created: asks the application to end. It deletes nothing.
void TerminateAfterFailure(const std::function<void()>& request_quit);

}  // namespace zerkon
