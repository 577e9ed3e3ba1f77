#pragma once
// How preview entries become preview lines: an entry is split at each CR LF,
// so an entry ending in CR LF is followed by one empty line and an empty
// entry is one empty line. A NUL byte shows as a space.

#include <string>
#include <string_view>
#include <vector>

#include "bank/bank_file.h"

namespace zerkon {

std::vector<std::string> PreviewEntriesToLines(const PreviewLines& entries);

// The preview lines joined, each followed by line_end ("\r\n" for the memo
// and for files). Built in one allocation.
std::string PreviewEntriesToText(const PreviewLines& entries, std::string_view line_end);

}  // namespace zerkon
