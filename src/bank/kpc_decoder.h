#pragma once
// KPC batches of payment orders as preview text. A KPC file holds a file
// header (line 1: the client's name at 11-30), an accounting-file header
// (line 2: the debited bank code at 15-18), a group header on line 3 and on
// every later line starting "2 " (debited account, group amount, due date),
// payment items (credited account, amount in halere, VS, bank code + KS, SS,
// message), "3 +" closing a group and "5 +" closing the file. Nothing is
// rejected: short or broken lines show what their positions hold.

#include <filesystem>

#include "bank/bank_file.h"
#include "bank/output_text.h"
#include "common/regional.h"

namespace zerkon {

// Writes the preview, every line followed by CR LF. kTooLarge when a held
// preview would pass its limits, before anything is written.
Status DecodeKpc(const BankSource& source, const RegionalSettings& regional, OutputText& preview);

// Reads the file a block at a time; a file that cannot be opened or read
// fails with the file named and the system's reason.
Status DecodeKpc(FileSystem& files, const std::filesystem::path& path,
                 const RegionalSettings& regional, OutputText& preview);

}  // namespace zerkon
