#pragma once
// A year's ELDP sheets filed at once: one data file of the payroll program a sheet, each checked
// before filing, all of them written as one submission (one eldp09.xml).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp1250_literal.h"
#include "common/file_system.h"
#include "eldp/eldp_check.h"
#include "eldp/eldp_export.h"
#include "eldp/eldp_record.h"

namespace zerkon {

// The office's schema takes at most this many sheets in one submission.
inline constexpr std::size_t kEldpSheetsPerSubmission = 1500;

struct EldpSheet {
    std::string data_file;  // program text, as chosen
    EldpRecord record;
    std::vector<EldpProblem> problems;
};

struct EldpBatch {
    std::vector<EldpSheet> sheets;
    std::string unreadable;  // the first data file that could not be read; loading stopped there
};

// Loads the data files in the given order as IniEldp does, each into an empty record, and
// checks every sheet.
EldpBatch LoadEldpBatch(const std::vector<std::string>& data_files, FileSystem& files);

// The export list in the files' order (sqnr 1 ... N).
EldpExportList EldpBatchExportList(EldpBatch& batch);

// The Czech messages of a batch (Windows-1250): more files than a submission takes; a file that
// cannot be read; the summary of the check, which names the files with problems and their
// first problems and asks whether to save anyway.
std::string TooManySheetsMessage(std::size_t files);
std::string UnreadableDataFileMessage(const std::string& data_file);
std::string EldpBatchQuestion(const EldpBatch& batch);
bool HasProblems(const EldpBatch& batch);

// Captions: the check's question, and the batch's refusals.
inline constexpr std::string_view kEldpCheckCaption = "Kontrola ELDP";
inline constexpr std::string_view kEldpBatchCaption = "Dávka XML"_cz;

}  // namespace zerkon
