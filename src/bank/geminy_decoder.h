#pragma once
// Geminy batches of payment orders as preview text: fixed-width records, one
// order per line. The kind of payment, the debited account, its bank code and
// name and the due date come from line 1 only; credited account, bank code
// and name, amount (halere), symbols and the information for the recipient
// from every non-empty line. Nothing is rejected.

#include <filesystem>

#include "bank/bank_file.h"
#include "bank/output_text.h"
#include "common/regional.h"

namespace zerkon {

// Writes the preview, every line followed by CR LF. kTooLarge when a held
// preview would pass its limits, before anything is written.
Status DecodeGeminy(const BankSource& source, const RegionalSettings& regional,
                    OutputText& preview);

// Reads the file a block at a time; a file that cannot be opened or read (or
// that changed between its two readings) fails with the file named.
Status DecodeGeminy(FileSystem& files, const std::filesystem::path& path,
                    const RegionalSettings& regional, OutputText& preview);

}  // namespace zerkon
