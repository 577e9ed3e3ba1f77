#include "cli/cli_options.h"

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

std::optional<int> AnswerWithUsage(const CommonOptions& options, bool operands_fit,
                                   std::string_view usage, std::ostream& out, std::ostream& err) {
    if (options.help) {
        out << usage << kTerminalLineEnd;
        return 0;
    }
    if (operands_fit) return std::nullopt;
    err << usage << kTerminalLineEnd;
    return 2;
}

std::filesystem::path PathFromArgument(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

void WriteProgramText(std::string_view text, bool raw, std::ostream& out) {
    if (raw) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        return;
    }
    std::string utf8 = Cp1250ToUtf8(text);
    if (kTerminalLineEnd == "\n") {
        // CR LF -> LF, in place; a lone CR stays.
        std::size_t kept = 0;
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
            utf8[kept++] = utf8[i];
        }
        utf8.resize(kept);
    }
    out.write(utf8.data(), static_cast<std::streamsize>(utf8.size()));
}

void WriteError(std::string_view program_text, std::ostream& err) {
    err << "zerkon-cli: " << Cp1250ToUtf8(program_text) << kTerminalLineEnd;
}

}  // namespace zerkon::cli
