// zerkon-cli commands for bank files: the preview text of KPC, GPC and
// Geminy files, the print data of GPC statements, and the CSV of all three.

#include <filesystem>
#include <string_view>
#include <system_error>

#include "bank/bank_csv.h"
#include "bank/bank_file.h"
#include "bank/geminy_decoder.h"
#include "bank/gpc_decoder.h"
#include "bank/kpc_decoder.h"
#include "bank/output_text.h"
#include "cli/cli_options.h"
#include "cli/commands.h"

namespace zerkon::cli {

namespace {

constexpr std::string_view kPreviewUsage =
    "usage: zerkon-cli preview kpc|gpc|geminy FILE [--raw] [--regional cs|en]";
constexpr std::string_view kGpcDataUsage =
    "usage: zerkon-cli gpc-data FILE [--raw] [--regional cs|en]";
constexpr std::string_view kCsvUsage =
    "usage: zerkon-cli csv kpc|gpc|geminy FILE [--regional cs|en] [--encoding utf-8|windows-1250]";

// The output streamed to `out` as it is made: a statement of any size is
// never held whole.
OutputText StreamTo(std::ostream& out, bool raw) {
    return OutputText([&out, raw](std::string_view block) {
        WriteProgramText(block, raw, out);
        return Status::Ok();
    });
}

// Runs decode(full path), reporting a file that cannot be read (nothing is
// written then). The preview names the file by its full path, as the file
// dialog gives it.
template <typename Decode>
int DecodeFile(const std::string& file, std::ostream& out, std::ostream& err, Decode&& decode) {
    std::filesystem::path path = PathFromArgument(file);
    std::error_code ignored;
    if (std::filesystem::path full = std::filesystem::absolute(path, ignored); !full.empty()) {
        path = full.lexically_normal();
    }
    const Status decoded = decode(path);
    out.flush();
    if (decoded.ok()) return 0;
    WriteError(decoded.Text(), err);
    return 1;
}

}  // namespace

int RunPreview(FileSystem& files, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err) {
    const auto options = ParseCommonOptions(args, err);
    if (!options) return 2;
    if (const auto exit =
            AnswerWithUsage(*options, options->operands.size() == 2, kPreviewUsage, out, err)) {
        return *exit;
    }
    const std::string& format = options->operands[0];
    const std::string& file = options->operands[1];
    OutputText preview = StreamTo(out, options->raw);
    OutputText unwanted = OutputText::Unwanted();
    const RegionalSettings& regional = options->regional;
    if (format == "kpc") {
        return DecodeFile(file, out, err, [&](const auto& path) {
            return DecodeKpc(files, path, regional, preview);
        });
    }
    if (format == "gpc") {
        return DecodeFile(file, out, err, [&](const auto& path) {
            return DecodeGpc(files, path, regional, preview, unwanted);
        });
    }
    if (format == "geminy") {
        return DecodeFile(file, out, err, [&](const auto& path) {
            return DecodeGeminy(files, path, regional, preview);
        });
    }
    err << "zerkon-cli: unknown bank format " << format << " (kpc, gpc or geminy)"
        << kTerminalLineEnd;
    return 2;
}

int RunCsv(FileSystem& files, const std::vector<std::string>& args, std::ostream& out,
           std::ostream& err) {
    // --encoding is this command's own; the rest are the common options.
    CsvEncoding encoding = CsvEncoding::kUtf8;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--encoding") {
            rest.push_back(args[i]);
            continue;
        }
        const std::string value = i + 1 < args.size() ? args[++i] : "";
        if (value == "utf-8") {
            encoding = CsvEncoding::kUtf8;
        } else if (value == "windows-1250") {
            encoding = CsvEncoding::kWindows1250;
        } else {
            err << "zerkon-cli: --encoding expects utf-8 or windows-1250" << kTerminalLineEnd;
            return 2;
        }
    }
    const auto options = ParseCommonOptions(rest, err);
    if (!options) return 2;
    // The file's bytes go out as they are: --raw has nothing to choose.
    if (const auto exit = AnswerWithUsage(*options, options->operands.size() == 2 && !options->raw,
                                          kCsvUsage, out, err)) {
        return *exit;
    }
    const std::string& name = options->operands[0];
    BankFormat format;
    if (name == "kpc") {
        format = BankFormat::kKpc;
    } else if (name == "gpc") {
        format = BankFormat::kGpc;
    } else if (name == "geminy") {
        format = BankFormat::kGeminy;
    } else {
        err << "zerkon-cli: unknown bank format " << name << " (kpc, gpc or geminy)"
            << kTerminalLineEnd;
        return 2;
    }
    OutputText csv = StreamTo(out, true);
    return DecodeFile(options->operands[1], out, err, [&](const auto& path) {
        return WriteBankCsv(format, files, path, options->regional, encoding, csv).status();
    });
}

int RunGpcData(FileSystem& files, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err) {
    const auto options = ParseCommonOptions(args, err);
    if (!options) return 2;
    if (const auto exit =
            AnswerWithUsage(*options, options->operands.size() == 1, kGpcDataUsage, out, err)) {
        return *exit;
    }
    OutputText unwanted = OutputText::Unwanted();
    OutputText records = StreamTo(out, options->raw);
    return DecodeFile(options->operands[0], out, err, [&](const auto& path) {
        return DecodeGpc(files, path, options->regional, unwanted, records);
    });
}

}  // namespace zerkon::cli
