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

// Writes the preview, every line followed by CR LF. Throws OutputTooLarge
// when a held preview would pass its limits, before anything is written.
void DecodeGeminy(const BankSource& source, const RegionalSettings& regional, OutputText& preview);

// Reads the file first; throws BankFileError when it cannot be read, with
// nothing written.
void DecodeGeminy(const std::filesystem::path& path, const RegionalSettings& regional,
                  OutputText& preview);

}  // namespace zerkon
