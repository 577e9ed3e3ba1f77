#include "shell/install_paths.h"

namespace zerkon {

std::string ProgramFolder;
std::string SourceFolder;

std::string FolderOf(std::string_view file_path) {
    size_t separator = file_path.find_last_of("\\/");
    if (separator == std::string_view::npos) return {};
    return std::string(file_path.substr(0, separator)) + "\\";
}

}  // namespace zerkon
