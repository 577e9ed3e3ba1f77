#pragma once
// Bank files as CSV for spreadsheets: a header row of Czech column names,
// then one row per item, made from the same records the previews read (a GPC
// statement's turnover items, the payment orders of KPC and Geminy batches)
// and streamed as they are: a file of any size takes a block of memory.
//
//   GPC     Účet (the statement's), Výpis (its number), Protiúčet, Částka
//           (debits and storno credits below zero), Kód účtování, VS, KS, SS,
//           Zpráva, Datum splatnosti, Číslo dokladu
//   KPC     Účet plátce, Protiúčet, Částka, VS, KS, SS, Splatnost (the
//           group's), Zpráva
//   Geminy  Účet plátce, Protiúčet, Částka, VS, KS, SS, Splatnost (both from
//           line 1), Zpráva, Název protiúčtu
//
// How the cells are written is CsvWriter's (csv_writer.h).

#include <filesystem>

#include "bank/bank_file.h"
#include "bank/bank_format.h"
#include "bank/csv_writer.h"
#include "bank/output_text.h"
#include "common/regional.h"

namespace zerkon {

// Writes the CSV of the lines and returns the number of items (the rows
// after the header). Amounts are read as the previews read them. Fails when
// the lines cannot be read or the output cannot be written.
Result<long long> WriteBankCsv(BankFormat format, BankLines& lines,
                               const RegionalSettings& regional, CsvEncoding encoding,
                               OutputText& out);

// Reads the file a block at a time.
Result<long long> WriteBankCsv(BankFormat format, FileSystem& files,
                               const std::filesystem::path& file, const RegionalSettings& regional,
                               CsvEncoding encoding, OutputText& out);

}  // namespace zerkon
