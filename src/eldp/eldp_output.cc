#include "eldp/eldp_output.h"

#include "common/date_helpers.h"
#include "common/file_helpers.h"
#include "eldp/eldp_print_data.h"
#include "files/data_file_lookup.h"
#include "print/job_file.h"

namespace zerkon {
namespace {

EldpOutcome RunPrint(EldpRecord& record, EldpOutcome outcome, EldpOutputServices& services) {
    std::vector<std::string>& lines = outcome.job_lines;
    try {
        const bool begun = BeginEldpJob(outcome.folders.source_folder, outcome.print_document,
                                        lines, services.boxes);
        AppendEldpPrintData(record, services.regional, lines);  // the record is read all the same
        if (!begun) {
            outcome.status = EldpOutputStatus::kJobNotBegun;
            return outcome;
        }
        // A job file that cannot be written is reported like any other file error.
        services.print_eldp_job(lines);
    } catch (const DateConversionError& e) {
        outcome.status = EldpOutputStatus::kError;
        outcome.error = e.what();
        return outcome;
    } catch (const FileError& e) {
        outcome.status = EldpOutputStatus::kError;
        outcome.error = e.what();
        return outcome;
    }
    outcome.status = EldpOutputStatus::kPrinted;
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
    outcome.xml = WriteEldpXml(services.export_list, folders.source_folder,
                               folders.xml_output_folder, services.boxes);
    outcome.status = outcome.xml.status == EldpXmlStatus::kTemplateMissing ||
                             outcome.xml.status == EldpXmlStatus::kWriteFailed
                         ? EldpOutputStatus::kError
                         : EldpOutputStatus::kXmlDone;
    outcome.error = outcome.xml.error;
    return outcome;
}

std::string LookUpPrintDocument(const std::string& source_folder, int tag, MessageBoxes& boxes) {
    return FindNumberedLine(kPrintDocumentSection, tag, false,
                            source_folder + std::string(kMenuFile), boxes);
}

EldpOutcome RunEldpOutput(int tag, EldpRecord& record, EldpOutputServices& services) {
    const bool xml = tag == kEldpXmlTag;
    EldpOutcome outcome;
    outcome.folders = UsePayrollFolders(services);
    try {
        outcome.print_document =
            LookUpPrintDocument(outcome.folders.source_folder, tag, services.boxes);
    } catch (const KeyConversionError& e) {
        // A broken entry in the payroll program's menu file must not keep the
        // XML export from working; a print cannot go on without its document.
        if (!xml) {
            outcome.status = EldpOutputStatus::kError;
            outcome.error = "'" + e.key() + "' is not a valid integer value";
            return outcome;
        }
    }
    if (!xml && outcome.print_document.empty()) {
        outcome.status = EldpOutputStatus::kNoPrintDocument;
        return outcome;
    }
    if (xml) {
        EldpOutcome written =
            WriteEldpSubmission({MakeEldpExportRecord(record)}, outcome.folders, services);
        written.print_document = std::move(outcome.print_document);
        return written;
    }
    return RunPrint(record, std::move(outcome), services);
}

}  // namespace zerkon
