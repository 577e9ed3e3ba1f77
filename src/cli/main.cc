// zerkon-cli: the command-line front end of the core. main only finds the
// command and runs it; the commands live in their own files.

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "cli/commands.h"
#include "common/cp1250.h"
#include "common/disk_file_system.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "platform/win32/file_system_win32.h"
#endif

namespace zerkon::cli {
namespace {

constexpr Command kCommands[] = {
    {"preview", "kpc|gpc|geminy FILE", "the preview text of a bank file", RunPreview},
    {"gpc-data", "FILE", "the print-data records of a GPC statement", RunGpcData},
    {"csv", "kpc|gpc|geminy FILE [--encoding utf-8|windows-1250]",
     "the items of a bank file as CSV (UTF-8 with BOM by default)", RunCsv},
    // ELDP data files.
    {"eldp-check", "DATAFILE...", "the problems of ELDP sheets before filing (exit 1: some)",
     RunEldpCheck},
    {"eldp-xml", "DATAFILE... [--payroll-dir FOLDER]",
     "the XML export of ELDP data files: one submission, a sheet each", RunEldpXml},
    {"eldp-print-data", "DATAFILE", "the ELDP data record of the print job", RunEldpPrintData},
};

void WriteUsage(std::ostream& out) {
    out << "usage: zerkon-cli COMMAND [ARGUMENTS] [--raw] [--regional cs|en]" << kTerminalLineEnd
        << kTerminalLineEnd << "commands:" << kTerminalLineEnd;
    for (const Command& command : kCommands) {
        out << "  " << command.name << ' ' << command.usage << kTerminalLineEnd << "      "
            << command.summary << kTerminalLineEnd;
    }
    out << kTerminalLineEnd << "options:" << kTerminalLineEnd
        << "  --raw            Windows-1250 bytes with CR LF instead of UTF-8 text"
        << kTerminalLineEnd
        << "  --regional cs|en number formats of Czech (default) or English settings"
        << kTerminalLineEnd << "  --help           this text" << kTerminalLineEnd;
}

// The command is the first argument that is neither an option nor the value
// of one (--regional, --encoding); the command gets all other arguments.
int Run(FileSystem& files, std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--regional" || args[i] == "--encoding") {
            ++i;
            continue;
        }
        if (args[i].starts_with("-")) continue;
        const std::string name = args[i];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
        for (const Command& command : kCommands) {
            if (name == command.name) return command.run(files, args, out, err);
        }
        err << "zerkon-cli: unknown command " << name << kTerminalLineEnd;
        WriteUsage(err);
        return 2;
    }
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            WriteUsage(out);
            return 0;
        }
    }
    WriteUsage(err);
    return 2;
}

}  // namespace
}  // namespace zerkon::cli

#ifdef _WIN32
namespace {

// UTF-16 arguments to UTF-8 (unpaired surrogates become U+FFFD).
std::string WideToUtf8(const wchar_t* text) {
    std::string out;
    for (; *text != 0; ++text) {
        char32_t c = static_cast<char16_t>(*text);
        if (c >= 0xD800 && c <= 0xDBFF && text[1] >= 0xDC00 && text[1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(*++text) - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        zerkon::AppendUtf8(out, c);
    }
    return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Output is written byte for byte: raw Windows-1250 must not gain CRs.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // Terminal text is UTF-8; a console shows it as such.
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(WideToUtf8(argv[i]));
    zerkon::Win32FileSystem files;
    return zerkon::cli::Run(files, std::move(args), std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    zerkon::DiskFileSystem files;
    return zerkon::cli::Run(files, std::vector<std::string>(argv + 1, argv + argc), std::cout,
                            std::cerr);
}
#endif
