#pragma once
// Reading a bank file: its bytes (Windows-1250, no conversion) and the local
// date of its last modification, which the payment-order previews show.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zerkon {

// The entries of a bank preview; one entry may hold several lines (CR LF).
using PreviewLines = std::vector<std::string>;
// The lines of a print job being built.
using JobLines = std::vector<std::string>;

struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// One bank file as the decoders see it.
struct BankSource {
    std::string_view bytes;
    std::string_view path;  // the full path as program text
    CalendarDate modified;
};

// A file that cannot be read. what() is program text: the file and the
// system's message.
class BankFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct BankFile {
    std::string bytes;
    CalendarDate modified;
};

// Throws BankFileError when the file cannot be read.
BankFile ReadBankFile(const std::filesystem::path& path);

// The path as Windows-1250 program text.
std::string PathToProgramText(const std::filesystem::path& path);

// d.m.yyyy: day and month without leading zeros (7.3.2009).
std::string FormatFileDate(const CalendarDate& date);

}  // namespace zerkon
