#pragma once
// Options that every zerkon-cli command understands, and how commands write
// program text (Windows-1250) to the terminal.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/regional.h"

namespace zerkon::cli {

// The line end of terminal text: CR LF on Windows, where standard output is
// binary, LF elsewhere.
#ifdef _WIN32
inline constexpr std::string_view kTerminalLineEnd = "\r\n";
#else
inline constexpr std::string_view kTerminalLineEnd = "\n";
#endif

struct CommonOptions {
    RegionalSettings regional = RegionalSettings::Czech();
    bool raw = false;   // --raw: Windows-1250 bytes with CR LF instead of UTF-8
    bool help = false;  // --help
    std::vector<std::string> operands;
};

// --regional cs|en, --raw, --help; everything else not starting with "--" is
// an operand. Writes a message to err and returns nothing for an unknown
// option or a bad value.
std::optional<CommonOptions> ParseCommonOptions(const std::vector<std::string>& args,
                                                std::ostream& err);

// --help, or operands that do not fit the command: writes the usage (to out for --help, to err
// otherwise) and gives the exit code, 0 or 2; nothing when the command goes on.
std::optional<int> AnswerWithUsage(const CommonOptions& options, bool operands_fit,
                                   std::string_view usage, std::ostream& out, std::ostream& err);

// A path given on the command line (UTF-8).
std::filesystem::path PathFromArgument(const std::string& utf8);

// Writes program text (lines ending in CR LF): UTF-8 with the terminal's line
// end, or with `raw` the Windows-1250 bytes as they are. A text may come in
// blocks; a block never ends between CR and LF.
void WriteProgramText(std::string_view text, bool raw, std::ostream& out);

// Writes "zerkon-cli: " + message (program text) + line end to err.
void WriteError(std::string_view program_text, std::ostream& err);

}  // namespace zerkon::cli
