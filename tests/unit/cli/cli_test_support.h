#pragma once
// Runs a zerkon-cli command in the test process and keeps what it wrote.

#include <sstream>
#include <string>
#include <vector>

#include "../common/fake_file_system.h"
#include "cli/commands.h"

namespace zerkon::cli {

struct Result {
    int code;
    std::string out;
    std::string err;
};

// On the disk, as main runs it.
inline Result Call(CommandFunction command, const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = command(testing::Disk(), args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace zerkon::cli
