#include "eldp/eldp_form_flow.h"

#include "common/cp1250_literal.h"
#include "eldp/eldp_data_file.h"
#include "platform/message_box.h"

namespace zerkon {

std::string EldpFormCaption(std::string_view file_version) {
    return " Evidenční list důchodového pojištění "_cz + std::string(file_version);
}

EldpFormFlow::EldpFormFlow(EldpFormView& view, EldpOutputServices& services,
                           std::function<void()> end_program)
    : view_(view), services_(services), end_program_(std::move(end_program)) {}

void EldpFormFlow::Opened() {
    if (services_.context.eldp.from_command_line) Reload();
}

void EldpFormFlow::Reload() {
    const std::string& data_file = services_.context.eldp.data_file;
    EldpRecord record = view_.ReadRecord();
    IniEldp(data_file, record);
    view_.ShowRecord(record);
    view_.ShowDataFileHint(data_file);
    view_.ShowReloadButton();
}

EldpOutcome EldpFormFlow::Output(int tag) {
    view_.FocusYear();
    EldpRecord record = view_.ReadRecord();
    EldpOutcome outcome = RunEldpOutput(tag, record, services_);
    view_.ShowRecord(record);  // the sheet type "01" an output put into an empty field
    ReportOutcome(outcome);
    return outcome;
}

void EldpFormFlow::Back() {
    if (services_.context.eldp.from_command_line && end_program_) end_program_();
}

void EldpFormFlow::ReportOutcome(const EldpOutcome& outcome) {
    if (outcome.status == EldpOutputStatus::kError) {
        services_.boxes.Show(outcome.error, "Zerkon", MessageIcon::Error, MessageButtons::Ok);
    } else if (outcome.xml.status == EldpXmlStatus::kOutputFolderFailed) {
        // Nothing was written: the user must not take the silence for a saved file.
        services_.boxes.Show("Složku \""_cz + outcome.folders.xml_output_folder +
                                 "\" nelze vytvořit.\nSoubor eldp09.xml nebyl uložen."_cz,
                             "Uložení datové věty XML"_cz, MessageIcon::Warning,
                             MessageButtons::Ok);
    }
}

}  // namespace zerkon
