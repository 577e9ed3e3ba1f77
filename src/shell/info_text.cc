#include "shell/info_text.h"

namespace zerkon {

std::string InformationText(std::string_view payroll_folder, std::string_view program_folder) {
    std::string_view folder = payroll_folder.empty() ? program_folder : payroll_folder;
    while (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
    return "Cesta k ELPD09: " + std::string(folder) + "\\SOURCERAL\\\r\n";
}

}  // namespace zerkon
