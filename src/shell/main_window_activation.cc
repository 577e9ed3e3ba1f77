#include "shell/main_window_activation.h"

namespace zerkon {

MainWindowActivation ActivateMainWindow(std::string_view file_version,
                                        std::string_view program_path,
                                        const std::vector<std::string>& arguments) {
    MainWindowActivation result;
    result.caption = std::string(kMainCaptionPrefix) + std::string(file_version);
    result.context = ProgramContext::ForRun(program_path, arguments);
    result.open_eldp_minimised = result.context.eldp.from_command_line;
    return result;
}

}  // namespace zerkon
