#pragma once
// The print-job file (".vrex") handed to the print engine. Its text, in this
// order, one list entry a line (an entry may itself hold CR LF):
//   the caller line            "[ExtProgram]Zerkon" or "[ExtProgram]ZERKON pro RALwin"
//   one template section       copied as it stands; one of its lines is the table
//                              list line "[TABLENAME]name1,name2"
//   per listed table           "", "[StructureTable]" + name, that table's lines of
//                              dataPrint.src
//   the data area              "", "[DataArea]", then the caller's records
// Job lines are Windows-1250 text. Folders are program text with a trailing
// backslash.

#include <string>
#include <string_view>
#include <vector>

#include "common/file_system.h"
#include "common/status.h"

namespace zerkon {

inline constexpr std::string_view kBankCallerLine = "[ExtProgram]Zerkon";
inline constexpr std::string_view kEldpCallerLine = "[ExtProgram]ZERKON pro RALwin";
inline constexpr std::string_view kBankTemplateFile = "zdrojZerkonfr3.src";
inline constexpr std::string_view kStructureFile = "dataPrint.src";
inline constexpr std::string_view kMenuFile = "menucall.src";
inline constexpr std::string_view kJobFileExtension = ".vrex";

// Appends the head of a bank job to `job_lines` (cleared by the caller): the
// caller line, the section `section_name` of source_folder + zdrojZerkonfr3.src,
// the structure tables and the data-area line. The bank preview calls it with
// "Vypis" before the GPC decoder appends its records. Fails (kCannotOpen or
// kNotFound, "Nelze otevřít soubor ..." with the system's reason) when the
// template file cannot be read.
Status BeginBankJob(FileSystem& files, std::string_view source_folder,
                    std::string_view section_name, std::vector<std::string>& job_lines);

// Looks `document_name` up in source_folder + menucall.src (section "Olbrix",
// then "Olbrix_08"); the entry's text between "<" and ">" names the template
// file. Without an entry: false, nothing appended. Otherwise appends the ELDP
// caller line, that template's section `document_name`, the structure tables
// and the data-area line, and gives true. Fails with the lookup's missing-file
// message when menucall.src cannot be read, and like BeginBankJob when the
// named template cannot.
Result<bool> BeginEldpJob(FileSystem& files, std::string_view source_folder,
                          std::string_view document_name, std::vector<std::string>& job_lines);

// Appends the non-empty lines of the section that starts at the first line
// containing "#" + section_name + "#" (Latin letters compared in upper case)
// and runs to the next line beginning with "#". False when there is no such
// section; fails like BeginBankJob when the file cannot be read.
Result<bool> CopyTemplateSection(FileSystem& files, std::string_view template_path,
                                 std::string_view section_name,
                                 std::vector<std::string>& job_lines);

// Finds the table list line among job_lines (the last line is never looked
// at) and appends, per listed table, "", "[StructureTable]" + name and the
// table's section of source_folder + dataPrint.src.
void WriteStructureTables(FileSystem& files, std::string_view source_folder,
                          std::vector<std::string>& job_lines);

// The job file's bytes: every entry followed by CR LF.
std::string JobFileText(const std::vector<std::string>& job_lines);

// Writes job_folder + job_name + ".vrex" with WriteReplacing, so the engine never
// sees a half-written job and a read-only job file of the same name is
// replaced. Fails with "Nelze vytvořit soubor ..." and the system's reason when
// the file cannot be written (for example a missing folder); an earlier job
// file of that name then stays as it was.
Status SaveJobFile(FileSystem& files, std::string_view job_folder, std::string_view job_name,
                   const std::vector<std::string>& job_lines);

}  // namespace zerkon
