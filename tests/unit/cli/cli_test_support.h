#pragma once
// Runs a zerkon-cli command in the test process and keeps what it wrote.

#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "common/disk_file_system.h"

namespace zerkon::cli {

struct Result {
    int code;
    std::string out;
    std::string err;
};

// On the disk, as main runs it.
inline Result Call(CommandFunction command, const std::vector<std::string>& args) {
    DiskFileSystem files;
    std::ostringstream out;
    std::ostringstream err;
    const int code = command(files, args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace zerkon::cli
