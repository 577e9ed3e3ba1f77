#include "shell/program_context.h"

namespace zerkon {

ProgramContext ProgramContext::ForRun(std::string_view program_path,
                                      const std::vector<std::string>& arguments) {
    ProgramContext context;
    context.program_folder = FolderOf(program_path);
    context.source_folder = context.program_folder + std::string(kSourceFolderName);
    context.eldp = ParseEldpSwitch(arguments);
    return context;
}

std::string FolderOf(std::string_view file_path) {
    size_t separator = file_path.find_last_of("\\/");
    if (separator == std::string_view::npos) return {};
    return std::string(file_path.substr(0, separator)) + "\\";
}

}  // namespace zerkon
