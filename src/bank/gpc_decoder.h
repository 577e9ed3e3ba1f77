#pragma once
// GPC account statements as preview text and as print data. A statement is a
// head record "074" followed by turnover items "075" (gpc_record.h has their
// fields). Lines of other types show as empty preview lines; nothing is
// rejected.
//
// Print data: one "[Table]<zerkon>" record per item, with the running balance
// after debits (code 1) and credits (code 2), and, last of all, the
// "[Table]<zerkonHead>" record of the last statement head with the counts.

#include <filesystem>

#include "bank/bank_file.h"
#include "bank/output_text.h"
#include "common/regional.h"

namespace zerkon {

// Writes the preview (every line followed by CR LF) and the print records
// (every record followed by CR LF, as the entries of a job). Either may be
// unwanted. kTooLarge when a held output would pass its limits, before
// anything is written. The preview's failure is told; the records' own (their
// file is full) is left to the caller, in records.status().
Status DecodeGpc(const BankSource& source, const RegionalSettings& regional, OutputText& preview,
                 OutputText& records);

// Reads the file a block at a time; a file that cannot be opened or read
// fails with the file named and the system's reason.
Status DecodeGpc(FileSystem& files, const std::filesystem::path& path,
                 const RegionalSettings& regional, OutputText& preview, OutputText& records);

}  // namespace zerkon
