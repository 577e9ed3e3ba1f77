#include "cli/cli_options.h"

#include "bank/preview_text.h"
#include "common/cp1250.h"

namespace zerkon::cli {

std::optional<CommonOptions> ParseCommonOptions(const std::vector<std::string>& args,
                                                std::ostream& err) {
    CommonOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--raw") {
            options.raw = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--regional") {
            const std::string value = i + 1 < args.size() ? args[++i] : "";
            if (value == "cs") {
                options.regional = RegionalSettings::Czech();
            } else if (value == "en") {
                options.regional = RegionalSettings::English();
            } else {
                err << "zerkon-cli: --regional expects cs or en" << kTerminalLineEnd;
                return std::nullopt;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << "zerkon-cli: unknown option " << arg << kTerminalLineEnd;
            return std::nullopt;
        } else {
            options.operands.push_back(arg);
        }
    }
    return options;
}

std::filesystem::path PathFromArgument(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

void WriteEntries(const std::vector<std::string>& entries, bool raw, std::ostream& out) {
    if (raw) {
        out << PreviewEntriesToText(entries, "\r\n");
    } else {
        out << Cp1250ToUtf8(PreviewEntriesToText(entries, kTerminalLineEnd));
    }
    out.flush();
}

void WriteError(std::string_view program_text, std::ostream& err) {
    err << "zerkon-cli: " << Cp1250ToUtf8(program_text) << kTerminalLineEnd;
}

}  // namespace zerkon::cli
