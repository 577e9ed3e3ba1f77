#include "print/job_file.h"

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/file_helpers.h"
#include "common/text_helpers.h"
#include "files/data_file_lookup.h"

namespace zerkon {

namespace {

constexpr std::string_view kTableListMark = "[TABLENAME]";
constexpr std::string_view kDataAreaLine = "[DataArea]";
constexpr std::string_view kStructureTableLine = "[StructureTable]";

// Upper case of the Latin letters only, as template markers are compared.
std::string LatinUpper(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

void EndJobHead(FileSystem& files, std::string_view source_folder,
                std::vector<std::string>& job_lines) {
    WriteStructureTables(files, source_folder, job_lines);
    job_lines.emplace_back();
    job_lines.emplace_back(kDataAreaLine);
}

// The menu entry of a document: section "Olbrix", then "Olbrix_08".
Result<std::string> MenuEntry(FileSystem& files, std::string_view menu_path,
                              std::string_view document_name) {
    Result<std::string> entry = FindKeyedLine(files, "Olbrix", document_name, menu_path);
    if (entry.ok() && entry->empty()) {
        entry = FindKeyedLine(files, "Olbrix_08", document_name, menu_path);
    }
    return entry;
}

}  // namespace

Result<bool> CopyTemplateSection(FileSystem& files, std::string_view template_path,
                                 std::string_view section_name,
                                 std::vector<std::string>& job_lines) {
    // A menu entry without "<file>" names the template folder itself: no file to read either.
    const Result<std::string> contents = files.ReadWhole(PathFromText(template_path));
    if (!contents.ok()) {
        return contents.status().Reworded("Nelze otevřít soubor \""_cz +
                                          std::string(template_path) + "\".");
    }
    const std::string marker = "#" + LatinUpper(section_name) + "#";
    bool inside = false;
    for (const std::string& line : SplitTextLines(*contents)) {
        if (!inside) {
            inside = LatinUpper(line).find(marker) != std::string::npos;
            continue;
        }
        if (!line.empty() && line.front() == '#') break;
        if (!line.empty()) job_lines.push_back(line);
    }
    return inside;
}

void WriteStructureTables(FileSystem& files, std::string_view source_folder,
                          std::vector<std::string>& job_lines) {
    std::string table_list;
    bool found = false;
    for (std::size_t i = 0; i + 1 < job_lines.size(); ++i) {
        if (job_lines[i].empty()) continue;
        std::string rest = job_lines[i];
        const std::string part = ExtractDelimited(rest, '[', ']', true);
        if (UpperCase1250(part).find(kTableListMark) != std::string::npos) {
            table_list = rest;
            found = true;
            break;
        }
    }
    if (!found) return;
    if (!table_list.empty() && table_list.back() != ',') table_list += ',';
    const std::string structure_file = std::string(source_folder) + std::string(kStructureFile);
    while (table_list.find(',') != std::string::npos) {
        const std::string table = SplitAt(table_list, ",");
        job_lines.emplace_back();
        job_lines.push_back(std::string(kStructureTableLine) + table);
        std::string header_remainder;
        ReadIniSection(files, table, structure_file, job_lines, header_remainder);
    }
}

Status BeginBankJob(FileSystem& files, std::string_view source_folder,
                    std::string_view section_name, std::vector<std::string>& job_lines) {
    job_lines.emplace_back(kBankCallerLine);
    const Result<bool> copied =
        CopyTemplateSection(files, std::string(source_folder) + std::string(kBankTemplateFile),
                            section_name, job_lines);
    if (!copied.ok()) return copied.status();
    EndJobHead(files, source_folder, job_lines);
    return Status::Ok();
}

Result<bool> BeginEldpJob(FileSystem& files, std::string_view source_folder,
                          std::string_view document_name, std::vector<std::string>& job_lines) {
    Result<std::string> entry =
        MenuEntry(files, std::string(source_folder) + std::string(kMenuFile), document_name);
    if (!entry.ok()) return entry.status();
    if (entry->empty()) return false;
    const std::string template_file = ExtractDelimited(*entry, '<', '>', false);
    job_lines.emplace_back(kEldpCallerLine);
    const Result<bool> copied = CopyTemplateSection(
        files, std::string(source_folder) + template_file, document_name, job_lines);
    if (!copied.ok()) return copied.status();
    EndJobHead(files, source_folder, job_lines);
    return true;
}

std::string JobFileText(const std::vector<std::string>& job_lines) {
    std::string text;
    for (const std::string& line : job_lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

Status SaveJobFile(FileSystem& files, std::string_view job_folder, std::string_view job_name,
                   const std::vector<std::string>& job_lines) {
    const std::string job_path =
        std::string(job_folder) + std::string(job_name) + std::string(kJobFileExtension);
    return WriteReplacing(files, PathFromText(job_path), JobFileText(job_lines))
        .Reworded("Nelze vytvořit soubor \""_cz + job_path + "\".");
}

}  // namespace zerkon
