#include "shell/command_line.h"

namespace zerkon {

std::vector<std::string> SplitCommandLine(std::string_view command_line) {
    std::vector<std::string> arguments;
    size_t i = 0;
    const size_t n = command_line.size();
    for (;;) {
        while (i < n && static_cast<unsigned char>(command_line[i]) <= ' ') ++i;
        if (i >= n) break;
        std::string argument;
        bool quoted = false;
        while (i < n && (quoted || static_cast<unsigned char>(command_line[i]) > ' ')) {
            if (command_line[i] == '"') {
                quoted = !quoted;
            } else {
                argument += command_line[i];
            }
            ++i;
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

namespace {

std::string BracketedPart(std::string_view argument) {
    size_t open = argument.find('(');
    size_t close = argument.find(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
        return {};
    }
    return std::string(argument.substr(open + 1, close - open - 1));
}

}  // namespace

EldpSwitch ParseEldpSwitch(const std::vector<std::string>& arguments) {
    EldpSwitch result;
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i].find("/ELDP") == std::string::npos) continue;
        result.data_file = BracketedPart(arguments[i]);
        result.from_command_line = !result.data_file.empty();
    }
    return result;
}

}  // namespace zerkon
