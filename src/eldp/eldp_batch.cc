#include "eldp/eldp_batch.h"

#include <algorithm>

#include "common/cp1250_literal.h"
#include "eldp/eldp_data_file.h"
#include "eldp/eldp_xml.h"

namespace zerkon {
namespace {

constexpr std::size_t kFilesListed = 5;
constexpr std::size_t kProblemsPerFile = 3;

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

EldpBatch LoadEldpBatch(const std::vector<std::string>& data_files, FileSystem& files) {
    EldpBatch batch;
    batch.sheets.reserve(data_files.size());
    for (const std::string& data_file : data_files) {
        const Result<std::string> text = ReadEldpDataFile(files, data_file);
        if (!text.ok()) {
            batch.unreadable = data_file;
            return batch;
        }
        EldpSheet& sheet = batch.sheets.emplace_back();
        sheet.data_file = data_file;
        ApplyEldpData(*text, sheet.record);
        sheet.problems = CheckEldpRecord(sheet.record);
    }
    return batch;
}

EldpExportList EldpBatchExportList(EldpBatch& batch) {
    EldpExportList list;
    list.reserve(batch.sheets.size());
    for (EldpSheet& sheet : batch.sheets) list.push_back(MakeEldpExportRecord(sheet.record));
    return list;
}

bool HasProblems(const EldpBatch& batch) {
    return std::any_of(batch.sheets.begin(), batch.sheets.end(),
                       [](const EldpSheet& sheet) { return !sheet.problems.empty(); });
}

std::string TooManySheetsMessage(std::size_t files) {
    return "Vybráno souborů: "_cz + std::to_string(files) +
           ".\nDo jednoho podání (jednoho souboru eldp09.xml) patří nejvýše "_cz +
           std::to_string(kEldpSheetsPerSubmission) +
           " listů ELDP.\nSoubor eldp09.xml nebyl uložen."_cz;
}

std::string UnreadableDataFileMessage(const std::string& data_file) {
    return "Soubor \""_cz + data_file + "\" nelze přečíst.\nSoubor eldp09.xml nebyl uložen."_cz;
}

std::string EldpBatchQuestion(const EldpBatch& batch) {
    std::size_t with_problems = 0;
    std::string listed;
    for (const EldpSheet& sheet : batch.sheets) {
        if (sheet.problems.empty()) continue;
        if (++with_problems > kFilesListed) continue;
        listed += FileNameOf(sheet.data_file) + ":\n" +
                  EldpProblemLines(sheet.problems, kProblemsPerFile, "    ");
    }
    std::string text = "Listů ELDP: "_cz + std::to_string(batch.sheets.size()) +
                       ", z toho s chybami: "_cz + std::to_string(with_problems) + ".\n\n" + listed;
    if (with_problems > kFilesListed) {
        text += "… a další soubory s chybami: "_cz + std::to_string(with_problems - kFilesListed) +
                "\n";
    }
    return text + "\nPřesto uložit všechny listy do "_cz + kEldpXmlFile + "?";
}

}  // namespace zerkon
