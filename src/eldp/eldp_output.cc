#include "eldp/eldp_output.h"

#include "common/file_helpers.h"
#include "eldp/eldp_print_data.h"
#include "eldp/eldp_xml.h"
#include "files/data_file_lookup.h"
#include "print/job_file.h"

namespace zerkon {
namespace {

EldpOutcome RunPrint(EldpRecord& record, EldpOutcome outcome, EldpOutputServices& services) {
    std::vector<std::string>& lines = outcome.job_lines;
    const Result<bool> begun =
        BeginEldpJob(services.files, outcome.folders.source_folder, outcome.print_document, lines);
    // The record is read all the same: an empty type becomes "01".
    const Status data = AppendEldpPrintData(record, services.regional, lines);
    if (!begun.ok()) {
        outcome.status = begun.status();
    } else if (!data.ok()) {
        outcome.status = data;
    } else if (*begun) {
        // A job file that cannot be written is reported like any other file error.
        outcome.status = services.print_eldp_job(lines);
        outcome.printed = outcome.status.ok();
    }
    return outcome;
}

}  // namespace

EldpFolders UsePayrollFolders(EldpOutputServices& services) {
    EldpFolders folders =
        ResolveEldpFolders(services.read_payroll_folder(), services.context.program_folder);
    services.context.UsePayrollTemplates(folders.source_folder);
    return folders;
}

EldpOutcome WriteEldpSubmission(EldpExportList list, const EldpFolders& folders,
                                EldpOutputServices& services) {
    EldpOutcome outcome;
    outcome.folders = folders;
    services.export_list = std::move(list);
    Result<std::string> written = WriteEldpXml(services.files, services.export_list,
                                               folders.source_folder, folders.xml_output_folder);
    if (written.ok()) {
        outcome.xml_file = std::move(*written);
    } else {
        outcome.status = written.status();
    }
    return outcome;
}

Result<std::string> LookUpPrintDocument(FileSystem& files, const std::string& source_folder,
                                        int tag) {
    Result<std::string> line =
        FindNumberedLine(files, kPrintDocumentSection, tag, source_folder + std::string(kMenuFile));
    // Nothing found is no document, told to nobody.
    if (!line.ok() && line.status().code() == StatusCode::kNotFound) return std::string();
    return line;
}

EldpOutcome RunEldpOutput(int tag, EldpRecord& record, EldpOutputServices& services) {
    const bool xml = tag == kEldpXmlTag;
    EldpOutcome outcome;
    outcome.folders = UsePayrollFolders(services);
    Result<std::string> document =
        LookUpPrintDocument(services.files, outcome.folders.source_folder, tag);
    if (document.ok()) {
        outcome.print_document = std::move(*document);
    } else if (!xml) {
        // A broken entry in the payroll program's menu file must not keep the
        // XML export from working; a print cannot go on without its document.
        outcome.status = document.status();
        return outcome;
    }
    if (xml) {
        EldpOutcome written =
            WriteEldpSubmission({MakeEldpExportRecord(record)}, outcome.folders, services);
        written.print_document = std::move(outcome.print_document);
        return written;
    }
    if (outcome.print_document.empty()) return outcome;  // nothing happens
    return RunPrint(record, std::move(outcome), services);
}

}  // namespace zerkon
