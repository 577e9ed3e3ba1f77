#pragma once
// Copies of whole files for the update flow, with the message to tell the user
// when the disk or another program stands in the way. A copy is complete or it is not reported
// as made: the target of CopyFileVia is only ever replaced by renaming a
// finished temporary copy over it.

#include <string>
#include <string_view>

#include "common/cp1250_literal.h"
#include "common/file_system.h"
#include "common/status.h"
#include "platform/clock.h"

namespace zerkon {

// Caption of the box in which a copy's failure with a message is shown.
inline constexpr std::string_view kDiskProblemCaption = "Problém při ukládání dat na disk"_cz;

// Copies source_folder + source_name to target_folder + target_name (an empty
// target name means the source name). Folders end with a backslash. Fails
// without a message for a copy onto itself (names compared in any letter
// case), an empty source name, a missing source folder or file, or a target
// folder that can be neither found nor created (missing parents are created).
// Names are cleaned with StripFileNameChars first. Fails with the free-space
// message when the target drive lacks space, and with the held-open message
// when the target cannot be created (held open by another program). A write
// that falls short (a full disk) fails with the free-space message and
// removes the incomplete target.
Status CopyFileChecked(FileSystem& files, std::string_view source_folder,
                       std::string_view target_folder, std::string_view source_name,
                       std::string_view target_name);

// Copies source_folder\name to target_folder\name through the temporary file
// tmpFile<hhmmss>.tmp in the target folder, which is renamed over the target
// only once complete; on any failure an existing target stays as it was and
// the temporary file is removed. A read-only target is replaced, as every
// replaced file is (MoveTemporaryOver); one that cannot be replaced fails
// with the held-open message. Fails without a message when a folder argument
// is empty, and as CopyFileChecked otherwise.
Status CopyFileVia(FileSystem& files, std::string_view source_folder,
                   std::string_view target_folder, std::string_view name, const Clock& clock);

}  // namespace zerkon
