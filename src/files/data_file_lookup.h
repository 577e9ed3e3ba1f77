#pragma once
// Lookups in sectioned data files (Windows-1250 text, read whole each time):
//   [NAME]rest         opens section NAME (names match in any letter case) up
//                      to the next line starting with "["; empty lines skipped
//   text{key}text      a keyed line; its value is the line without the first
//                      brace segment
// The missing-file and not-found boxes carry OK, a warning icon and "Chyba".

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box.h"

namespace zerkon {

// Appends the non-empty lines of the first section named `section` to
// `lines`; header_remainder := the header line without its "[NAME]" part.
// True when at least one line was appended; false for a missing file, section
// or empty section (nothing appended). Shows nothing.
bool ReadIniSection(std::string_view section, std::string_view file_path,
                    std::vector<std::string>& lines, std::string& header_remainder);

// The value of the first keyed line of the section whose key equals `key` in
// any letter case; empty when there is none. A missing file shows the
// missing-file box.
std::string FindKeyedLine(std::string_view section, std::string_view key,
                          std::string_view file_path, MessageBoxes& boxes);

// Thrown by FindNumberedLine for a key in the section that is not an integer.
class KeyConversionError : public std::exception {
  public:
    explicit KeyConversionError(std::string key) : key_(std::move(key)) {}
    const char* what() const noexcept override { return key_.c_str(); }
    const std::string& key() const { return key_; }

  private:
    std::string key_;
};

// The value of the first keyed line of the section whose key, read as an
// integer, equals `number` ({07} matches 7). With show_errors, nothing found
// shows the not-found box and a missing file the missing-file box; without it
// both stay silent. A non-integer key met before the match throws
// KeyConversionError.
std::string FindNumberedLine(std::string_view section, int number, bool show_errors,
                             std::string_view file_path, MessageBoxes& boxes);

// Splits file bytes into lines at CR LF, CR or LF (no empty last line for a
// trailing break). Shared by the template readers.
std::vector<std::string> SplitTextLines(std::string_view text);

// Reads a whole file as bytes; false when it cannot be opened.
bool ReadWholeFile(std::string_view file_path, std::string& contents);

}  // namespace zerkon
