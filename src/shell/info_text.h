#pragma once
// The text of the main window's "Informace" button: where the payroll program
// leaves its ELDP data.

#include <string>
#include <string_view>

namespace zerkon {

inline constexpr std::string_view kInformationCaption = "Informace";

// "Cesta k ELPD09: " + folder + "\SOURCERAL\" + CR LF, where folder is the
// payroll program's "InstallPath" or, when that is empty, the program's own
// folder. The two are joined by exactly one backslash, also when the folder
// already ends with one (as the program's folder always does).
std::string InformationText(std::string_view payroll_folder, std::string_view program_folder);

}  // namespace zerkon
