#include "eldp/eldp_form_flow.h"

#include <algorithm>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "eldp/eldp_batch.h"
#include "eldp/eldp_check.h"
#include "eldp/eldp_data_file.h"
#include "files/data_file_lookup.h"
#include "platform/message_box.h"

namespace zerkon {

namespace {

// Nothing done, nothing to tell: the user did not confirm.
EldpOutcome NotConfirmed() {
    return {};
}

}  // namespace

std::string EldpFormCaption(std::string_view file_version) {
    return " Evidenční list důchodového pojištění "_cz + std::string(file_version);
}

EldpFormFlow::EldpFormFlow(EldpFormView& view, EldpOutputServices& services, MessageBoxes& boxes,
                           std::function<void()> end_program)
    : view_(view), services_(services), boxes_(boxes), end_program_(std::move(end_program)) {}

void EldpFormFlow::Opened() {
    if (services_.context.eldp.from_command_line) Reload();
}

void EldpFormFlow::Reload() {
    const std::string& data_file = services_.context.eldp.data_file;
    EldpRecord record = view_.ReadRecord();
    IniEldp(services_.files, data_file, record);
    view_.ShowRecord(record);
    view_.ShowDataFileHint(data_file);
    view_.ShowReloadButton();
}

EldpOutcome EldpFormFlow::Output(int tag) {
    view_.FocusYear();
    EldpRecord record = view_.ReadRecord();
    // A draft may be printed; only what is filed is checked.
    if (tag == kEldpXmlTag) {
        const std::vector<EldpProblem> problems = CheckEldpRecord(record);
        if (!problems.empty() && !SaveAnyway(EldpCheckQuestion(problems))) {
            view_.FocusField(problems.front().field);
            return NotConfirmed();
        }
    }
    EldpOutcome outcome = RunEldpOutput(tag, record, services_);
    view_.ShowRecord(record);  // the sheet type "01" an output put into an empty field
    ReportOutcome(outcome, tag == kEldpXmlTag);
    return outcome;
}

EldpOutcome EldpFormFlow::Batch() {
    const EldpFolders folders = UsePayrollFolders(services_);
    std::vector<std::string> data_files = services_.choose_data_files(folders.payroll_base);
    if (data_files.empty()) return NotConfirmed();
    // The dialog's order is no order a clerk chose: the sheets go by file name.
    std::sort(data_files.begin(), data_files.end(), [](const std::string& a, const std::string& b) {
        return UpperCase1250(a) < UpperCase1250(b);
    });
    std::string refusal;
    EldpBatch batch;
    if (data_files.size() > kEldpSheetsPerSubmission) {
        refusal = TooManySheetsMessage(data_files.size());
    } else {
        batch = LoadEldpBatch(data_files, services_.files);
        if (!batch.unreadable.empty()) refusal = UnreadableDataFileMessage(batch.unreadable);
    }
    if (!refusal.empty()) {
        boxes_.Show(refusal, kEldpBatchCaption, MessageIcon::Warning, MessageButtons::Ok);
        return NotConfirmed();
    }
    if (HasProblems(batch) && !SaveAnyway(EldpBatchQuestion(batch))) {
        return NotConfirmed();
    }
    EldpOutcome outcome = WriteEldpSubmission(EldpBatchExportList(batch), folders, services_);
    ReportOutcome(outcome, true);
    return outcome;
}

bool EldpFormFlow::SaveAnyway(const std::string& question) {
    return boxes_.Show(question, kEldpCheckCaption, MessageIcon::Warning,
                       MessageButtons::YesNoDefaultNo) == MessageResult::Yes;
}

void EldpFormFlow::Back() {
    if (services_.context.eldp.from_command_line && end_program_) end_program_();
}

// The outputs' boxes: what was saved, or why nothing was, each with the caption and icon it has
// always had; any other failure in the standard error dialog.
void EldpFormFlow::ReportOutcome(const EldpOutcome& outcome, bool xml) {
    if (!outcome.xml_file.empty()) {
        boxes_.Show("Program ZERKON uložil data do "_cz + outcome.xml_file,
                    "Uložení datové věty XML"_cz, MessageIcon::Warning, MessageButtons::Ok);
        return;
    }
    const Status& failure = outcome.status;
    if (failure.ok()) return;
    if (xml && failure.code() == StatusCode::kNotFound) {
        boxes_.Show(failure.message(), "Datová věty XML"_cz, MessageIcon::Warning,
                    MessageButtons::Ok);
    } else if (xml && failure.code() == StatusCode::kCannotCreateFolder) {
        // Nothing was written: the user must not take the silence for a saved file.
        boxes_.Show(failure.message(), "Uložení datové věty XML"_cz, MessageIcon::Warning,
                    MessageButtons::Ok);
    } else if (!xml && failure.code() == StatusCode::kNotFound) {
        boxes_.Show(failure.message(), kLookupMessageCaption, MessageIcon::Warning,
                    MessageButtons::Ok);
    } else {
        boxes_.Show(failure.Text(), "Zerkon", MessageIcon::Error, MessageButtons::Ok);
    }
}

}  // namespace zerkon
