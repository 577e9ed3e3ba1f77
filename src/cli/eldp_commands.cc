// zerkon-cli commands for ELDP data files: the check before filing, the XML
// export "eldp09.xml" as the form's XML buttons write it (one sheet or a whole
// submission), and the ELDP data record of the print job.

#include <filesystem>
#include <optional>
#include <string_view>

#include "cli/cli_options.h"
#include "cli/commands.h"
#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/date_helpers.h"
#include "common/file_helpers.h"
#include "common/file_system.h"
#include "eldp/eldp_batch.h"
#include "eldp/eldp_check.h"
#include "eldp/eldp_data_file.h"
#include "eldp/eldp_export.h"
#include "eldp/eldp_folders.h"
#include "eldp/eldp_print_data.h"
#include "eldp/eldp_xml.h"
#include "print/job_file.h"
#include "shell/program_context.h"

#ifdef _WIN32
#include "platform/win32/program_path.h"
#include "shell/maker_settings.h"
#endif

namespace zerkon::cli {
namespace {

constexpr std::string_view kEldpXmlUsage =
    "usage: zerkon-cli eldp-xml DATAFILE... [--payroll-dir FOLDER]";
constexpr std::string_view kEldpCheckUsage = "usage: zerkon-cli eldp-check DATAFILE...";
constexpr std::string_view kEldpPrintDataUsage =
    "usage: zerkon-cli eldp-print-data DATAFILE [--raw] [--regional cs|en]";

// Takes "--payroll-dir FOLDER" out of the arguments. False (with a message)
// when the folder is missing.
bool TakePayrollDir(std::vector<std::string>& args, std::optional<std::string>& folder,
                    std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--payroll-dir") continue;
        if (i + 1 >= args.size()) {
            err << "zerkon-cli: --payroll-dir needs a folder" << kTerminalLineEnd;
            return false;
        }
        folder = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i + 2));
        return true;
    }
    return true;
}

// The data file as program text, or nothing (with a message) when it cannot
// be read: a batch export must not turn a mistyped name into an empty sheet.
std::optional<std::string> DataFileText(FileSystem& files, const std::string& argument,
                                        std::ostream& err) {
    const std::filesystem::path path = PathFromArgument(argument);
    if (files.Kind(path) != PathKind::kFile) {
        WriteError("cannot read the ELDP data file " + TextFromPath(path), err);
        return std::nullopt;
    }
    return TextFromPath(path);
}

// Every data file as program text, or nothing (with a message) when one cannot be read.
std::optional<std::vector<std::string>> DataFileTexts(FileSystem& files,
                                                      const std::vector<std::string>& arguments,
                                                      std::ostream& err) {
    std::vector<std::string> texts;
    for (const std::string& argument : arguments) {
        auto text = DataFileText(files, argument, err);
        if (!text) return std::nullopt;
        texts.push_back(std::move(*text));
    }
    return texts;
}

#ifdef _WIN32
std::string ExecutableFolder() {
    return FolderOf(TextFromPath(std::filesystem::path(OwnProgramPath())));
}
#endif

// The payroll program's folder and this program's folder, as the XML button
// works them out. Off Windows there is no registry: the folder must be given.
bool PayrollFolders(const std::optional<std::string>& option, EldpFolders& folders,
                    std::ostream& err) {
    if (option) {
        folders = ResolveEldpFolders(TextFromPath(PathFromArgument(*option)), "");
        return true;
    }
#ifdef _WIN32
    (void)err;
    folders = ResolveEldpFolders(
        ReadMakerSetting(SystemRegistry(), kRalSubKey, "", kInstallPathValue), ExecutableFolder());
    return true;
#else
    err << "zerkon-cli: name the payroll program's folder with --payroll-dir FOLDER"
        << kTerminalLineEnd << kEldpXmlUsage << kTerminalLineEnd;
    return false;
#endif
}

}  // namespace

int RunEldpXml(FileSystem& files, const std::vector<std::string>& arguments, std::ostream& out,
               std::ostream& err) {
    std::vector<std::string> args = arguments;
    std::optional<std::string> payroll_dir;
    if (!TakePayrollDir(args, payroll_dir, err)) return 2;
    const auto options = ParseCommonOptions(args, err);
    if (!options) return 2;
    if (const auto exit =
            AnswerWithUsage(*options, !options->operands.empty(), kEldpXmlUsage, out, err)) {
        return *exit;
    }
    if (options->operands.size() > kEldpSheetsPerSubmission) {
        WriteError(std::to_string(options->operands.size()) +
                       " data files: one submission holds at most " +
                       std::to_string(kEldpSheetsPerSubmission) + " ELDP sheets; nothing written",
                   err);
        return 1;
    }
    EldpFolders folders;
    if (!PayrollFolders(payroll_dir, folders, err)) return 2;
    const auto data_files = DataFileTexts(files, options->operands, err);
    if (!data_files) return 1;
    EldpBatch batch = LoadEldpBatch(*data_files, files);
    if (!batch.unreadable.empty()) {
        WriteError("cannot read the ELDP data file " + batch.unreadable, err);
        return 1;
    }
    EldpExportList list = EldpBatchExportList(batch);
    const Result<std::string> written =
        WriteEldpXml(files, list, folders.source_folder, folders.xml_output_folder);
    if (written.ok()) {
        out << Cp1250ToUtf8("Program ZERKON uložil data do "_cz + *written) << kTerminalLineEnd;
        return 0;
    }
    const Status& failure = written.status();
    if (failure.code() == StatusCode::kNotFound) {
        WriteError(failure.message(), err);
        WriteError("missing marker file " +
                       TextFromPath(PathFromText(folders.source_folder + kEldpMarkerFile)),
                   err);
    } else if (failure.code() == StatusCode::kCannotCreateFolder) {
        WriteError(
            "cannot create the folder " + TextFromPath(PathFromText(folders.xml_output_folder)),
            err);
    } else {
        WriteError(failure.Text(), err);
    }
    return 1;
}

int RunEldpCheck(FileSystem& files, const std::vector<std::string>& args, std::ostream& out,
                 std::ostream& err) {
    const auto options = ParseCommonOptions(args, err);
    if (!options) return 2;
    if (const auto exit =
            AnswerWithUsage(*options, !options->operands.empty(), kEldpCheckUsage, out, err)) {
        return *exit;
    }
    const auto data_files = DataFileTexts(files, options->operands, err);
    if (!data_files) return 1;
    const EldpBatch batch = LoadEldpBatch(*data_files, files);
    if (!batch.unreadable.empty()) {
        WriteError("cannot read the ELDP data file " + batch.unreadable, err);
        return 1;
    }
    bool any = false;
    for (std::size_t i = 0; i < batch.sheets.size(); ++i) {
        for (const EldpProblem& problem : batch.sheets[i].problems) {
            out << options->operands[i] << ": " << Cp1250ToUtf8(problem.label) << ": "
                << Cp1250ToUtf8(problem.message) << kTerminalLineEnd;
            any = true;
        }
    }
    out.flush();
    return any ? 1 : 0;
}

int RunEldpPrintData(FileSystem& files, const std::vector<std::string>& args, std::ostream& out,
                     std::ostream& err) {
    const auto options = ParseCommonOptions(args, err);
    if (!options) return 2;
    if (const auto exit = AnswerWithUsage(*options, options->operands.size() == 1,
                                          kEldpPrintDataUsage, out, err)) {
        return *exit;
    }
    const auto data_file = DataFileText(files, options->operands[0], err);
    if (!data_file) return 1;

    EldpRecord record;
    IniEldp(files, *data_file, record);
    std::vector<std::string> lines;
    if (Status data = AppendEldpPrintData(record, options->regional, lines); !data.ok()) {
        WriteError(data.Text(), err);
        return 1;
    }
    if (options->raw) {
        out << JobFileText(lines);
    } else {
        for (const std::string& line : lines) out << Cp1250ToUtf8(line) << kTerminalLineEnd;
    }
    out.flush();
    return 0;
}

}  // namespace zerkon::cli
