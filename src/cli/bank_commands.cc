// zerkon-cli commands for bank files: the preview text of KPC, GPC and
// Geminy files and the print data of GPC statements.

#include <filesystem>
#include <string_view>
#include <system_error>

#include "bank/bank_file.h"
#include "bank/geminy_decoder.h"
#include "bank/gpc_decoder.h"
#include "bank/kpc_decoder.h"
#include "cli/cli_options.h"
#include "cli/commands.h"

namespace zerkon::cli {

namespace {

constexpr std::string_view kPreviewUsage =
    "usage: zerkon-cli preview kpc|gpc|geminy FILE [--raw] [--regional cs|en]";
constexpr std::string_view kGpcDataUsage =
    "usage: zerkon-cli gpc-data FILE [--raw] [--regional cs|en]";

// Runs decode(full path), reporting a file that cannot be read. The preview
// names the file by its full path, as the file dialog gives it.
template <typename Decode>
int DecodeFile(const std::string& file, std::ostream& err, Decode&& decode) {
    std::filesystem::path path = PathFromArgument(file);
    std::error_code ignored;
    if (std::filesystem::path full = std::filesystem::absolute(path, ignored); !full.empty()) {
        path = full.lexically_normal();
    }
    try {
        decode(path);
        return 0;
    } catch (const BankFileError& error) {
        WriteError(error.what(), err);
        return 1;
    }
}

}  // namespace

int RunPreview(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto options = ParseCommonOptions(args, err);
    if (!options) return 2;
    if (options->help) {
        out << kPreviewUsage << kTerminalLineEnd;
        return 0;
    }
    if (options->operands.size() != 2) {
        err << kPreviewUsage << kTerminalLineEnd;
        return 2;
    }
    const std::string& format = options->operands[0];
    const std::string& file = options->operands[1];
    PreviewLines preview;
    JobLines job;
    int result = 2;
    if (format == "kpc") {
        result = DecodeFile(file, err,
                            [&](const auto& path) { DecodeKpc(path, preview, options->regional); });
    } else if (format == "gpc") {
        result = DecodeFile(
            file, err, [&](const auto& path) { DecodeGpc(path, preview, job, options->regional); });
    } else if (format == "geminy") {
        result = DecodeFile(
            file, err, [&](const auto& path) { DecodeGeminy(path, preview, options->regional); });
    } else {
        err << "zerkon-cli: unknown bank format " << format << " (kpc, gpc or geminy)"
            << kTerminalLineEnd;
        return 2;
    }
    if (result == 0) WriteEntries(preview, options->raw, out);
    return result;
}

int RunGpcData(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto options = ParseCommonOptions(args, err);
    if (!options) return 2;
    if (options->help) {
        out << kGpcDataUsage << kTerminalLineEnd;
        return 0;
    }
    if (options->operands.size() != 1) {
        err << kGpcDataUsage << kTerminalLineEnd;
        return 2;
    }
    PreviewLines preview;
    JobLines job;
    const int result = DecodeFile(options->operands[0], err, [&](const auto& path) {
        DecodeGpc(path, preview, job, options->regional);
    });
    if (result == 0) WriteEntries(job, options->raw, out);
    return result;
}

}  // namespace zerkon::cli
