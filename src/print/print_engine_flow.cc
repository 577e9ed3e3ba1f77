#include "print/print_engine_flow.h"

#include "common/cp1250_literal.h"
#include "common/date_helpers.h"
#include "common/file_helpers.h"
#include "print/job_file.h"
#include "print/print_request.h"

namespace zerkon {
namespace {

constexpr int kEldpEngineStartWaitMs = 1000;

}  // namespace

std::string QuotedCommandLine(std::string_view program, std::string_view arguments) {
    std::string line = "\"" + std::string(program) + "\"";
    if (!arguments.empty()) line += " " + std::string(arguments);
    return line;
}

std::string JobFolderFor(std::string_view engine_folder) {
    return std::string(engine_folder) + "\\vrex\\";
}

std::string BankJobName(const Clock& clock) {
    const LocalDateTime now = clock.Now();  // one reading: date and time agree
    return "GPC-" + TodayIso(now) + "(" + TimeStampDashed(now) + ")";
}

void ShowEngineMissing(MessageBoxes& boxes) {
    boxes.Show(
        "Tiskový manažer Olbrix není pravděpodobně nainstalovaný.\r\n"_cz
        "Proveďte instalaci programu Olbrix."_cz,
        "Program \"Olbrix\" nelze spustit.", MessageIcon::Warning, MessageButtons::OkCancel);
}

std::optional<MessageResult> ShowFileMessage(FileSystem& files, MessageBoxes& boxes,
                                             std::string_view message_name,
                                             const std::vector<std::string>& arguments,
                                             MessageButtons buttons, MessageIcon icon,
                                             const MessageFileSettings& settings) {
    const FileMessageLookup lookup = LookUpFileMessage(files, message_name, arguments, settings);
    for (const Status& missing : lookup.missing_files) {
        boxes.Show(missing.message(), "Chyba", MessageIcon::Warning, MessageButtons::Ok);
    }
    if (lookup.message.text.empty()) return std::nullopt;
    return boxes.Show(lookup.message.text, lookup.message.caption, icon, buttons);
}

WindowHandle PrintEngineFlow::FindEngine() {
    return s_.windows.FindWindowByClass(kEngineWindowClass);
}

bool PrintEngineFlow::StartEngine(std::string_view program_without_extension) {
    return s_.starter.Start(QuotedCommandLine(program_without_extension, kEngineSwitches));
}

WindowHandle PrintEngineFlow::WaitForEngineWindow(int already_waited_ms) {
    for (int waited = already_waited_ms; waited < kEngineStartTimeoutMs;
         waited += kEngineStartPollMs) {
        s_.feedback.Wait(kEngineStartPollMs);
        if (const WindowHandle engine = FindEngine()) return engine;
    }
    return 0;
}

void PrintEngineFlow::SendRequest(WindowHandle engine, std::string_view job_file_name,
                                  std::string_view program_name) {
    PrintRequestFields fields;
    fields.engine_window = static_cast<std::uint32_t>(engine);
    fields.caller_window = static_cast<std::uint32_t>(s_.own_window);
    fields.job_file_name = job_file_name;
    fields.job_folder = job_folder_;
    fields.program_name = program_name;
    const PrintRequest request = BuildPrintRequest(fields);
    s_.windows.SendCopyData(engine, 0, request);
}

Status PrintEngineFlow::PrintBankJob(const std::vector<std::string>& job_lines) {
    const std::string engine_folder = s_.read_engine_folder();
    if (engine_folder.empty()) return Status::Ok();
    job_folder_ = JobFolderFor(engine_folder);
    const std::string job_name = BankJobName(s_.clock);
    if (Status saved = SaveJobFile(s_.files, job_folder_, job_name, job_lines); !saved.ok()) {
        return saved;
    }

    WindowHandle engine = FindEngine();
    if (engine == 0) {
        bool started = StartEngine(engine_folder + "\\Olbrix");
        if (!started) started = StartEngine(s_.program_folder + "Olbrix");
        engine = FindEngine();
        // A just-started engine needs a moment for its window; without it the
        // first print after the start would be lost.
        if (engine == 0 && started) engine = WaitForEngineWindow(0);
    }
    SendRequest(engine, job_name + std::string(kJobFileExtension), kBankProgramName);
    s_.feedback.ShowDefaultCursor();
    return Status::Ok();
}

bool PrintEngineFlow::EnsureJobFolder() {
    const std::string engine_folder = s_.read_engine_folder();
    if (engine_folder.empty()) {
        ShowEngineMissing(s_.boxes);
        return false;
    }
    job_folder_ = JobFolderFor(engine_folder);
    if (!s_.files.CreateFolders(PathFromText(job_folder_)).ok()) {
        ShowFileMessage(s_.files, s_.boxes, "NoCreateDir", {job_folder_}, MessageButtons::Ok,
                        MessageIcon::Warning, s_.message_file);
        TerminateAfterFailure(s_.request_quit);
        return false;
    }
    return true;
}

void PrintEngineFlow::HandJobToEngine(std::string_view job_name) {
    const std::string engine_folder = s_.read_engine_folder();
    WindowHandle engine = FindEngine();
    if (engine == 0) {
        const bool started = StartEngine(engine_folder + "\\Olbrix");
        if (!started) {
            ShowFileMessage(s_.files, s_.boxes, "NeniOlbrix_V",
                            {"Olbrix", engine_folder + "\\Olbrix.exe"}, MessageButtons::OkCancel,
                            MessageIcon::Warning, s_.message_file);
        }
        s_.feedback.ShowBusyCursor();
        s_.feedback.Wait(kEldpEngineStartWaitMs);
        engine = FindEngine();
        if (engine == 0 && started) engine = WaitForEngineWindow(kEldpEngineStartWaitMs);
    }
    const std::string clean_name = StripFileNameChars(job_name);
    const std::string job_file_name =
        clean_name.empty() ? std::string() : clean_name + std::string(kJobFileExtension);
    SendRequest(engine, job_file_name, kEldpProgramName);
    s_.feedback.ShowDefaultCursor();
}

Status PrintEngineFlow::PrintEldpJob(const std::vector<std::string>& job_lines) {
    if (!EnsureJobFolder()) return Status::Ok();  // told already
    if (Status saved = SaveJobFile(s_.files, job_folder_, kEldpJobName, job_lines); !saved.ok()) {
        return saved;
    }
    HandJobToEngine(kEldpJobName);
    return Status::Ok();
}

}  // namespace zerkon
