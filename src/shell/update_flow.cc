#include "shell/update_flow.h"

#include <iterator>
#include <vector>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/file_helpers.h"
#include "files/file_copy.h"
#include "shell/maker_settings.h"
#include "shell/windows_version.h"

namespace zerkon {
namespace {

// Which of the maker's programs hosts this update code; nothing in this program sets it.
constexpr int kHostProgramKind = 0;
// Start-up delay (whole seconds) and fallback folder of Zuta: unset in this program.
constexpr int kStartDelaySeconds = 0;
constexpr std::string_view kFallbackFolder = "";

struct HostProgram {
    std::string_view window_class;
    std::string_view name;
};

// The maker's programs that Zuta may be serving, found by their main windows.
constexpr HostProgram kHostPrograms[] = {
    {"TFormRalWin", "RALwin"},
    {"TFormDebWin", "DEBwin"},
    {"TFormOrmWin", "ORMwin"},
};

// The host programs whose running main window means that Zuta may be busy serving them. A
// program that hosts this update code looks for its own kind's window. This program hosts none
// (kind 0), yet a Zuta it finds may be serving any of them: it looks for all three rather than
// close Zuta in the middle of their work.
std::vector<HostProgram> HostProgramsToCheck(int kind) {
    switch (kind) {
        case 0:
            return {std::begin(kHostPrograms), std::end(kHostPrograms)};
        case 1:
        case 2:
            return {kHostPrograms[0]};
        case 3:
            return {kHostPrograms[1]};
        case 6:
            return {kHostPrograms[2]};
        default:
            return {};
    }
}

// A copy that failed with a message is told; the update goes on as far as it can.
void TellCopyProblem(UpdateServices& s, const Status& copied) {
    if (!copied.ok() && !copied.message().empty()) {
        s.boxes.Show(copied.message(), kDiskProblemCaption, MessageIcon::Warning,
                     MessageButtons::Ok);
    }
}

bool FileExists(UpdateServices& s, const std::string& path) {
    return s.files.Kind(PathFromText(path)) == PathKind::kFile;
}

void ShowCannotStart(MessageBoxes& boxes) {
    boxes.Show(
        "Program \"Zuta\" nelze spustit.\r\n\r\n"
        "Program pro komunikaci s Zuta pravděpodobně není nainstalovaný.\r\n"_cz
        "Proveďte opětovnou instalaci programu."_cz,
        "Spojení s internetem?"_cz, MessageIcon::Warning, MessageButtons::Ok);
}

bool AskOnWindows95(UpdateServices& s) {
    if (!IsWindows95(s.windows_version)) return true;
    return s.boxes.Show(
               "Bohužel na vašem počítači je nainstalovaný\r\n"_cz
               "starší operační systém Windows 95.\r\n\r\n"_cz
               "Tato verze Windows neumožňuje komunikaci s našimi webovými stránkami,\r\n"_cz
               "přesto mám zkusit webovou komunikaci ?"_cz,
               "Pro Windows 95 nelze použít"_cz, MessageIcon::Warning,
               MessageButtons::YesNo) == MessageResult::Yes;
}

// A running Zuta serving the host program must be left alone; otherwise it is closed so that
// it can be started afresh with this program's request.
bool ZutaIsFree(UpdateServices& s) {
    if (s.windows.FindWindowByClass(kZutaWindowClass) == 0) return true;
    for (const HostProgram& host : HostProgramsToCheck(kHostProgramKind)) {
        if (s.windows.FindWindowByClass(host.window_class) != 0) {
            s.boxes.Show(
                "Program pro komunikaci s internetem (Zuta) využívá program "_cz +
                    std::string(host.name) + "," +
                    "a proto v této chvíli tento program nemůže komunikovat s internetem."_cz,
                "Program pro komunikaci s webem nelze použít"_cz, MessageIcon::Warning,
                MessageButtons::Ok);
            return false;
        }
    }
    s.close_window_by_class(kZutaWindowClass);
    s.feedback.Wait(500);
    return s.windows.FindWindowByClass(kZutaWindowClass) == 0;
}

void DownloadZuta(UpdateServices& s) {
    s.feedback.ShowBusyCursor();
    s.downloader.DownloadToFile(ZutaDownloadAddress(s.windows_version, kMakerWebHost),
                                s.program_folder + "Zuta.exe");
    s.feedback.ShowDefaultCursor();
}

}  // namespace

UpdateInputs MainWindowUpdateInputs(int window_left, int window_top, std::string version,
                                    const std::string& program_folder, WindowHandle caller) {
    UpdateInputs inputs;
    inputs.x = window_left + 30;
    inputs.y = window_top + 60;
    inputs.mode = 0;
    inputs.host = std::string(kMakerWebHost);
    inputs.product = "Zerkon";
    inputs.version = std::move(version);
    inputs.download_folder = program_folder + "stahovani";
    inputs.caller = caller;
    return inputs;
}

std::string ZutaDownloadAddress(WindowsVersion version, std::string_view host) {
    std::string address = IsOldWindowsForHttps(version) ? "http" : "https";
    return address + "://" + std::string(host) + "/download/Zuta.exe ?a=b";
}

void RunUpdateFlow(const UpdateInputs& inputs, UpdateServices& s) {
    if (!AskOnWindows95(s)) return;
    if (!ZutaIsFree(s)) return;

    std::string install_folder = ReadMakerSetting(s.registry, kZutaSubKey, "", kInstallPathValue);
    if (install_folder.empty()) install_folder = std::string(kFallbackFolder);
    std::string download_folder = inputs.download_folder;
    if (UpperCase1250(download_folder).find("STAHOVANI") == std::string::npos) {
        download_folder = std::string(kFallbackFolder) + "stahovani\\";
    }

    if (!FileExists(s, download_folder + "\\Zuta.exe")) {
        TellCopyProblem(s,
                        CopyFileVia(s.files, install_folder, download_folder, "Zuta.exe", s.clock));
    }
    if (!FileExists(s, install_folder + "\\Zuta.exe")) {
        TellCopyProblem(s,
                        CopyFileVia(s.files, download_folder, install_folder, "Zuta.exe", s.clock));
    }
    if (install_folder.empty()) {
        ShowCannotStart(s.boxes);
        return;
    }
    if (!s.files.CreateFolders(PathFromText(download_folder)).ok()) {
        s.boxes.Show("Cesta pro uložení dat: \""_cz + download_folder + "\" nelze vytvořit."_cz,
                     "Nelze založit adresář"_cz, MessageIcon::Warning, MessageButtons::Ok);
        return;
    }
    // Read as the maker's other programs do; nothing here depends on it.
    (void)ReadMakerSetting(s.registry, kZutaSubKey, "", kInstallVersionValue);

    WindowHandle zuta = s.windows.FindWindowByClass(kZutaWindowClass);
    if (zuta != 0) {
        s.bring_to_front(zuta);
    } else {
        // A copy beside this program serves this start; a downloaded one serves the next.
        std::string start_folder = install_folder;
        if (FileExists(s, s.program_folder + "Zuta.exe")) {
            start_folder = s.program_folder;
        } else {
            DownloadZuta(s);
        }
        // Quoted, so that a folder with blanks cannot start another program.
        if (!s.starter.Start("\"" + start_folder + "\\Zuta\"")) ShowCannotStart(s.boxes);
        s.feedback.Wait(1000 + kStartDelaySeconds * 1000);
        zuta = s.windows.FindWindowByClass(kZutaWindowClass);
    }
    auto request = BuildUpdateRequest(zuta, inputs);
    s.windows.SendCopyData(zuta, 0, request);
}

}  // namespace zerkon
