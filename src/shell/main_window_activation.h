#pragma once
// What the main window does each time it becomes active: its caption with the program's
// version, the program's context renewed (folders, the command line read again).

#include <string>
#include <string_view>
#include <vector>

#include "common/cp1250_literal.h"
#include "shell/program_context.h"

namespace zerkon {

// The fixed caption text; the version follows it directly.
inline constexpr std::string_view kMainCaptionPrefix = " Zerkon - užitečný pomocník "_cz;

struct MainWindowActivation {
    std::string caption;
    // Replaces the main window's context: the template folder is the program's own again.
    ProgramContext context;
    // True in ELDP mode: the main window minimises itself and opens the ELDP form.
    bool open_eldp_minimised = false;
};

// file_version: the "FileVersion" string of the program's version resource (may be empty);
// program_path: the running executable; arguments: the split command line (element 0 is the
// program).
MainWindowActivation ActivateMainWindow(std::string_view file_version,
                                        std::string_view program_path,
                                        const std::vector<std::string>& arguments);

}  // namespace zerkon
