#pragma once
// The ELDP data file that the payroll program leaves for this program: a
// Windows-1250 text whose lines, joined with nothing between them, carry each
// field as key="value" with a space in front of the key.

#include <optional>
#include <string>
#include <string_view>

#include "common/file_system.h"
#include "eldp/eldp_record.h"

namespace zerkon {

// The value of key in the joined text: found only with a space in front of
// the key (or at the very start of the text), keys compared without regard to
// Windows-1250 letter case, the first occurrence counts, the value runs to the
// next double quote and keeps its own case. Empty when the key or the closing
// quote is missing.
std::string GetAttrValue(std::string_view joined_text, std::string_view key);

// Fills the record from the joined text. Every text field with a key is set
// (emptied when its key is missing); a month box is checked by the value "X"
// and never unchecked. The technical code and the correction date keep what
// they hold.
void ApplyEldpData(std::string_view joined_text, EldpRecord& record);

// The data file's lines (program text path), joined with nothing between
// them; a failure when it cannot be read.
Result<std::string> ReadEldpDataFile(FileSystem& files, std::string_view data_file);

// Loads the data file into the record; a missing file empties every text
// field.
void IniEldp(FileSystem& files, std::string_view data_file, EldpRecord& record);

}  // namespace zerkon
