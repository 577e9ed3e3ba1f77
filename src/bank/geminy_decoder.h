#pragma once
// Geminy batches of payment orders as preview text: fixed-width records, one
// order per line. The kind of payment, the debited account, its bank code and
// name and the due date come from line 1 only; credited account, bank code
// and name, amount (halere), symbols and the information for the recipient
// from every non-empty line. Nothing is rejected.

#include <filesystem>

#include "bank/bank_file.h"
#include "common/regional.h"

namespace zerkon {

// Clears `preview` and fills it with the entries of the file.
void DecodeGeminy(const BankSource& source, const RegionalSettings& regional,
                  PreviewLines& preview);

// Reads the file first; throws BankFileError when it cannot be read (with
// `preview` left empty).
void DecodeGeminy(const std::filesystem::path& path, PreviewLines& preview,
                  const RegionalSettings& regional = RegionalSettings::Czech());

}  // namespace zerkon
