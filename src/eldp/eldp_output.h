#pragma once
// The three outputs of the ELDP form, chosen by the Tag of the pressed
// button: the worksheet print with all frames, the print onto the official
// sheet, and the XML export. What they tell the user is the form's flow's.

#include <functional>
#include <string>
#include <vector>

#include "common/file_system.h"
#include "common/regional.h"
#include "common/status.h"
#include "eldp/eldp_export.h"
#include "eldp/eldp_folders.h"
#include "eldp/eldp_record.h"
#include "shell/program_context.h"

namespace zerkon {

inline constexpr int kEldpWorksheetTag = 28150;  // "Podklady pro ELDP (tisk včetně rámečků)"
inline constexpr int kEldpOriginalTag = 29150;   // "Tisk ELDP na originální tiskopis"
inline constexpr int kEldpXmlTag = 22150;        // "ELDP ve formátu XML - elektronicky"

inline constexpr char kPrintDocumentSection[] = "callTiskDoc";

// The payroll program's document entry for a button's Tag: the line {Tag}
// of section "callTiskDoc" in source_folder + "menucall.src", without its
// braced part. Empty when the file, the section or the line is missing; fails
// (kNotValid) for a key in the section that is no number.
Result<std::string> LookUpPrintDocument(FileSystem& files, const std::string& source_folder,
                                        int tag);

struct EldpOutputServices {
    // The payroll program's registered "InstallPath" (empty when it is not
    // installed); read at every press.
    std::function<std::string()> read_payroll_folder;
    // The run's folders: the program's own folder is the fallback of the payroll program's,
    // and the template folder becomes the payroll program's for every output.
    ProgramContext& context;
    RegionalSettings regional;
    // The program-wide export list; it keeps the last export's record.
    EldpExportList& export_list;
    // Saves the finished print job and hands it to the print engine.
    std::function<Status(const std::vector<std::string>& job_lines)> print_eldp_job;
    // The data files the user chooses in a file dialog that opens in the folder (program text);
    // none when cancelled.
    std::function<std::vector<std::string>(const std::string& folder)> choose_data_files;
    FileSystem& files;
};

// What an output did. A failure is in `status`; a print without a document, or without its
// entry in the menu file, did nothing and is no failure.
struct EldpOutcome {
    Status status;
    EldpFolders folders;
    std::string print_document;
    std::vector<std::string> job_lines;
    bool printed = false;  // the job went to the print engine
    std::string xml_file;  // the eldp09.xml written, as shown to the user
};

// Outputs the record in the mode of the button's Tag. An empty sheet type
// becomes "01" in the record in every mode that reads it. In print mode a
// filled date that is no real date stops the output with the date's failure
// and nothing is written; in the XML it becomes an empty value.
EldpOutcome RunEldpOutput(int tag, EldpRecord& record, EldpOutputServices& services);

// The folders of an output, worked out anew; the template folder becomes the payroll program's.
EldpFolders UsePayrollFolders(EldpOutputServices& services);

// Writes the list as the XML export (eldp09.xml in the folders' XML folder); it becomes the
// program's export list.
EldpOutcome WriteEldpSubmission(EldpExportList list, const EldpFolders& folders,
                                EldpOutputServices& services);

}  // namespace zerkon
