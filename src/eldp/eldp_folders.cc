#include "eldp/eldp_folders.h"

#include "common/text_helpers.h"

namespace zerkon {

EldpFolders ResolveEldpFolders(std::string_view payroll_install_path,
                               std::string_view program_folder) {
    EldpFolders folders;
    folders.payroll_base =
        std::string(payroll_install_path.empty() ? program_folder : payroll_install_path);

    std::string source = folders.payroll_base + "\\SOURCERAL\\";
    // A network path keeps the two backslashes that open it; collapsing them
    // would point at the root of the current drive instead.
    const bool network = source.starts_with("\\\\");
    if (network) source.erase(0, 2);
    ReplaceAll(source, "\\\\", "\\");
    if (network) source.insert(0, "\\\\");
    folders.source_folder = source;

    folders.xml_output_folder = folders.payroll_base + "\\xml-manualne\\";
    return folders;
}

}  // namespace zerkon
