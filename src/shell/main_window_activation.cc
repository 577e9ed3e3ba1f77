#include "shell/main_window_activation.h"

#include "shell/install_paths.h"

namespace zerkon {

MainWindowActivation ActivateMainWindow(std::string_view file_version,
                                        std::string_view program_path,
                                        const std::vector<std::string>& arguments) {
    MainWindowActivation result;
    result.caption = std::string(kMainCaptionPrefix) + std::string(file_version);
    result.program_folder = FolderOf(program_path);
    result.source_folder = result.program_folder + std::string(kSourceFolderName);
    result.eldp = ParseEldpSwitch(arguments);
    result.open_eldp_minimised = result.eldp.from_command_line;
    return result;
}

void PublishActivation(const MainWindowActivation& activation) {
    ProgramFolder = activation.program_folder;
    SourceFolder = activation.source_folder;
    EldpDataFile = activation.eldp.data_file;
    EldpFromCommandLine = activation.eldp.from_command_line;
}

}  // namespace zerkon
