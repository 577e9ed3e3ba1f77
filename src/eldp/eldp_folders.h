#pragma once
// Where the ELDP outputs find the payroll program's files and where the XML
// goes. Worked out anew for every output from the payroll program's
// registered installation folder.

#include <string>
#include <string_view>

namespace zerkon {

struct EldpFolders {
    std::string payroll_base;       // the payroll program's folder, or this program's
    std::string source_folder;      // its "SOURCERAL" folder, with a trailing backslash
    std::string xml_output_folder;  // its "xml-manualne" folder, with a trailing backslash
};

// payroll_install_path is the payroll program's registered "InstallPath"
// (empty when it is not installed); program_folder ends with a backslash.
// Doubled backslashes in the source folder are made single, except the two
// that open a network path.
EldpFolders ResolveEldpFolders(std::string_view payroll_install_path,
                               std::string_view program_folder);

}  // namespace zerkon
