#pragma once
// The program update: the update program Zuta does the work. This flow makes sure Zuta is there
// (copied between its installation and download folders, or downloaded), starts it or brings it
// to the front, and hands it an UpdateRequest.

#include <functional>
#include <string>
#include <string_view>

#include "common/file_system.h"
#include "platform/clock.h"
#include "platform/downloader.h"
#include "platform/message_box.h"
#include "platform/process_starter.h"
#include "platform/registry.h"
#include "platform/system_info.h"
#include "platform/ui_feedback.h"
#include "platform/window_messenger.h"
#include "shell/update_request.h"

namespace zerkon {

inline constexpr std::string_view kZutaWindowClass = "TFormZuta";
// The maker's web host: where Zuta.exe is downloaded from and what Zuta is told.
inline constexpr std::string_view kMakerWebHost = "www.morv.cz";

struct UpdateServices {
    MessageBoxes& boxes;
    WindowMessenger& windows;
    ProcessStarter& starter;
    UiFeedback& feedback;
    Downloader& downloader;
    const RegistryReader& registry;
    const Clock& clock;
    // Ends the update program Zuta by its window class: posts WM_QUIT to the top-level window of
    // that class (CloseWindowByClass). Never this program.
    std::function<void(std::string_view class_name)> close_window_by_class;
    // Brings the window to the foreground.
    std::function<void(WindowHandle window)> bring_to_front;
    WindowsVersion windows_version;
    std::string program_folder;  // with trailing backslash
    FileSystem& files;
};

// The inputs the main window gives: its top-left corner + (30, 60), mode 0, this program's name
// and version, and ProgramFolder + "stahovani".
UpdateInputs MainWindowUpdateInputs(int window_left, int window_top, std::string version,
                                    const std::string& program_folder, WindowHandle caller);

// "http[s]://" + host + "/download/Zuta.exe ?a=b"; https unless Windows is too old for it.
std::string ZutaDownloadAddress(WindowsVersion version, std::string_view host);

void RunUpdateFlow(const UpdateInputs& inputs, UpdateServices& services);

}  // namespace zerkon
