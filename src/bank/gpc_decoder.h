#pragma once
// GPC account statements as preview text and as print data. A statement is
// a head record "074" (account, name, old and new balance, turnovers,
// statement number, dates) followed by turnover items "075" (counter-account,
// document number, amount and posting code, symbols, message, due date);
// amounts are whole halere with a separate sign character. Lines of other
// types show as empty preview lines; nothing is rejected.
//
// Print data: one "[Table]<zerkon>" record per item, with the running
// balance after debits (code 1) and credits (code 2), and the
// "[Table]<zerkonHead>" record of the last statement head with the counts,
// last of all.

#include <filesystem>

#include "bank/bank_file.h"
#include "common/regional.h"

namespace zerkon {

// Clears `preview` and fills it; appends the print records to `job_lines`
// (which already hold the job's head) without clearing them.
void DecodeGpc(const BankSource& source, const RegionalSettings& regional, PreviewLines& preview,
               JobLines& job_lines);

// Reads the file first; throws BankFileError when it cannot be read, leaving
// `preview` empty and `job_lines` as they were.
void DecodeGpc(const std::filesystem::path& path, PreviewLines& preview, JobLines& job_lines,
               const RegionalSettings& regional = RegionalSettings::Czech());

}  // namespace zerkon
