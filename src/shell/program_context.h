#pragma once
// What the windows and outputs of one run work with: the installation's folders and the start-up
// request. The main window owns it, renews it at every activation and hands it to the windows it
// opens; nothing else keeps a copy that could go stale.

#include <string>
#include <string_view>

#include "shell/command_line.h"

namespace zerkon {

inline constexpr std::string_view kSourceFolderName = "sourceZERKON\\";

struct ProgramContext {
    // Folder of the running executable, with a trailing backslash.
    std::string program_folder;
    // Where the print templates are read: program_folder + "sourceZERKON\", except after an ELDP
    // output, which reads the payroll program's templates until the main window is active again.
    std::string source_folder;
    // The "/ELDP(path)" request of the command line.
    EldpSwitch eldp;

    // The context of a program started from program_path with these arguments (element 0 is
    // the program).
    static ProgramContext ForRun(std::string_view program_path,
                                 const std::vector<std::string>& arguments);

    // An ELDP output points the template folder at the payroll program's templates.
    void UsePayrollTemplates(std::string payroll_source_folder) {
        source_folder = std::move(payroll_source_folder);
    }
};

// The folder of a file path, with trailing backslash ("C:\Prog\zerkon.exe" -> "C:\Prog\").
// Both "\" and "/" count as separators; a bare file name gives an empty folder.
std::string FolderOf(std::string_view file_path);

}  // namespace zerkon
