#pragma once
// Handing a print job to the print engine, step by step as the user sees it:
// saving the job file into the engine's job folder, starting the engine when
// its window is not found (telling the user when it cannot be), and sending it
// the PrintRequest with WM_COPYDATA.
//
// Engine folder: "InstallPath" below "\Olbrix" in the maker's registry key.
// Job folder:    engine folder + "\vrex\".
// Engine start:  "<engine folder>\Olbrix" {SW_NOQUIT}{SW_ESCMASK}, the program
//                path always quoted so that a folder with blanks cannot start
//                another program.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/cp1250_literal.h"
#include "common/file_system.h"
#include "common/status.h"
#include "files/file_message.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/process_starter.h"
#include "platform/ui_feedback.h"
#include "platform/window_messenger.h"

namespace zerkon {

inline constexpr std::string_view kEngineWindowClass = "TFormOlbrix";
inline constexpr std::string_view kEngineSwitches = "{SW_NOQUIT}{SW_ESCMASK}";
inline constexpr std::string_view kEldpJobName = "Podklady pro ELDP - ruční zadání"_cz;
// How long a freshly started engine is given to open its window.
inline constexpr int kEngineStartTimeoutMs = 5000;
inline constexpr int kEngineStartPollMs = 100;

// "<program>" followed by one blank and the arguments; the quotes keep a path
// with blanks ("C:\Program Files\Olbrix\Olbrix") one program name.
std::string QuotedCommandLine(std::string_view program, std::string_view arguments);

// Job folder for an engine folder: engine folder + "\vrex\".
std::string JobFolderFor(std::string_view engine_folder);

// Bank job name for the clock's present moment: GPC-yyyy-mm-dd(hh-mm-ss).
std::string BankJobName(const Clock& clock);

// "Tiskový manažer Olbrix není pravděpodobně nainstalovaný." box (OK/Cancel,
// warning icon); the answer is not used.
void ShowEngineMissing(MessageBoxes& boxes);

// A message of the message file, shown with the buttons and icon given, after the missing-file
// box of each message file that could not be read; nothing when the message was not found.
std::optional<MessageResult> ShowFileMessage(FileSystem& files, MessageBoxes& boxes,
                                             std::string_view message_name,
                                             const std::vector<std::string>& arguments,
                                             MessageButtons buttons, MessageIcon icon,
                                             const MessageFileSettings& settings);

// Everything the hand-off needs from the rest of the program.
struct PrintEngineServices {
    // "InstallPath" below "\Olbrix"; empty when the engine is not installed.
    std::function<std::string()> read_engine_folder;
    WindowMessenger& windows;
    ProcessStarter& starter;
    MessageBoxes& boxes;
    UiFeedback& feedback;
    const Clock& clock;
    // This program's folder with trailing backslash (the engine beside it is
    // the bank caller's second choice).
    std::string program_folder;
    // This program's main window, named in the request.
    WindowHandle own_window = 0;
    // Where the "NoCreateDir" and "NeniOlbrix_V" texts come from.
    MessageFileSettings message_file;
    // Ends the application after the job folder could not be created.
    std::function<void()> request_quit;
    // Where the job folder is made and the job file written.
    FileSystem& files;
};

class PrintEngineFlow {
  public:
    explicit PrintEngineFlow(PrintEngineServices services) : s_(std::move(services)) {}

    // The bank preview's "Tisk": without a registered engine nothing happens.
    // Otherwise saves the job as GPC-<date>(<time>).vrex and sends the request,
    // starting the engine first (from the engine folder, else beside this
    // program) when its window is not found; a started engine is given up to
    // kEngineStartTimeoutMs to open its window. A job file that cannot be
    // written fails (for the standard error dialog) before anything is started
    // or sent.
    Status PrintBankJob(const std::vector<std::string>& job_lines);

    // The ELDP form's print, after BeginEldpJob succeeded and the data records
    // were appended: EnsureJobFolder, save as "Podklady pro ELDP - ruční
    // zadání.vrex", HandJobToEngine. Fails like PrintBankJob.
    Status PrintEldpJob(const std::vector<std::string>& job_lines);

    // Sets the job folder and creates it when missing. An unregistered engine
    // shows ShowEngineMissing; a folder that cannot be created shows the
    // "NoCreateDir" message and asks the application to end. False then.
    bool EnsureJobFolder();

    // Finds (or starts, with the "NeniOlbrix_V" message when that fails) the
    // engine and sends it the request for job_name + ".vrex".
    void HandJobToEngine(std::string_view job_name);

    // The job folder set by the last hand-off (with trailing backslash).
    const std::string& job_folder() const { return job_folder_; }

  private:
    // Polls for the engine window after a start, bounded by kEngineStartTimeoutMs.
    WindowHandle WaitForEngineWindow(int already_waited_ms);
    WindowHandle FindEngine();
    bool StartEngine(std::string_view program_without_extension);
    void SendRequest(WindowHandle engine, std::string_view job_file_name,
                     std::string_view program_name);

    PrintEngineServices s_;
    std::string job_folder_;
};

}  // namespace zerkon
