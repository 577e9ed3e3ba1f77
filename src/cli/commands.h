#pragma once
// The commands of zerkon-cli. Each gets the arguments that follow its name
// on the command line (options included, UTF-8), writes its result to `out`
// and its messages to `err`, and returns the process exit code: 0 success,
// 1 a file could not be read or written, 2 a usage error.

#include <ostream>
#include <string>
#include <vector>

#include "common/file_system.h"

namespace zerkon::cli {

// `files`: the disk, as main hands it on.
using CommandFunction = int (*)(FileSystem& files, const std::vector<std::string>& args,
                                std::ostream& out, std::ostream& err);

struct Command {
    const char* name;
    const char* usage;  // one line: arguments after the name
    const char* summary;
    CommandFunction run;
};

// bank_commands.cc
// preview kpc|gpc|geminy FILE: the preview text of a bank file.
int RunPreview(FileSystem& files, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err);
// gpc-data FILE: the print-data records of a GPC statement.
int RunGpcData(FileSystem& files, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err);
// csv kpc|gpc|geminy FILE: the items of a bank file as CSV, the bytes of the file.
int RunCsv(FileSystem& files, const std::vector<std::string>& args, std::ostream& out,
           std::ostream& err);

// eldp_commands.cc
// eldp-check DATAFILE...: the problems of each sheet before filing; 1 when there are any.
int RunEldpCheck(FileSystem& files, const std::vector<std::string>& args, std::ostream& out,
                 std::ostream& err);
// eldp-xml DATAFILE...: the XML export of ELDP data files, one sheet each, in one submission.
int RunEldpXml(FileSystem& files, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err);
// eldp-print-data DATAFILE: the ELDP data record of the print job.
int RunEldpPrintData(FileSystem& files, const std::vector<std::string>& args, std::ostream& out,
                     std::ostream& err);

}  // namespace zerkon::cli
