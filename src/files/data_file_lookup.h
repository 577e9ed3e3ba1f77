#pragma once
// Lookups in sectioned data files (Windows-1250 text, read whole each time):
//   [NAME]rest         opens section NAME (names match in any letter case) up
//                      to the next line starting with "["; empty lines skipped
//   text{key}text      a keyed line; its value is the line without the first
//                      brace segment
// A missing file, or a line not found, is a failure whose message the caller
// may show (OK, a warning icon and the caption "Chyba").

#include <string>
#include <string_view>
#include <vector>

#include "common/file_system.h"
#include "common/status.h"

namespace zerkon {

// Appends the non-empty lines of the first section named `section` to
// `lines`; header_remainder := the header line without its "[NAME]" part.
// True when at least one line was appended; false for a missing file, section
// or empty section (nothing appended).
bool ReadIniSection(FileSystem& files, std::string_view section, std::string_view file_path,
                    std::vector<std::string>& lines, std::string& header_remainder);

// The value of the first keyed line of the section whose key equals `key` in
// any letter case; empty when there is none. A missing file fails with
// kNotFound and the missing-file message.
Result<std::string> FindKeyedLine(FileSystem& files, std::string_view section, std::string_view key,
                                  std::string_view file_path);

// The value of the first keyed line of the section whose key, read as an
// integer, equals `number` ({07} matches 7). Fails with kNotFound and the
// missing-file message for a missing file, with kNotFound and the not-found
// message when no line matches, and with kNotValid ("'<key>' is not a valid
// integer value") for a non-integer key met before the match. Whether a
// failure is told is the caller's choice.
Result<std::string> FindNumberedLine(FileSystem& files, std::string_view section, int number,
                                     std::string_view file_path);

// Splits file bytes into lines at CR LF, CR or LF (no empty last line for a
// trailing break). Shared by the template readers.
std::vector<std::string> SplitTextLines(std::string_view text);

// Caption of the lookups' messages.
inline constexpr std::string_view kLookupMessageCaption = "Chyba";

}  // namespace zerkon
