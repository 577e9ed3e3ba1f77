#pragma once
// Reading a bank file: its lines (Windows-1250 bytes, no conversion) and the
// local date of its last modification, which the payment-order previews show.

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zerkon {

struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// A bank file held in memory.
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

// The lines of a bank file, one after the other, without their line breaks:
// a line ends at CR LF, CR or LF, and a final line break starts no further
// line. Read from bytes in memory, or from the file a block at a time, so
// that a file of any size takes a block of memory (or its longest line). A
// line stays valid until the next one is read.
class BankLines {
  public:
    explicit BankLines(std::string_view bytes);
    // Opens the file; throws BankFileError when it cannot be read (then and
    // at any later read).
    static BankLines FromFile(const std::filesystem::path& file, std::size_t block_size = 1 << 20);

    bool Next(std::string_view& line);
    // Back to the first line; a file is read again.
    void Rewind();

    // The file's last modification, local time.
    CalendarDate modified() const { return modified_; }

  private:
    BankLines(const std::filesystem::path& file, std::size_t block_size);
    // Reads on when the unread data holds no whole line; false at the end.
    bool ReadMore();
    std::size_t Find(char c, const char*& found);
    [[noreturn]] void Fail(const std::string& system_message) const;

    std::string_view bytes_;  // in memory
    std::filesystem::path file_;
    std::ifstream stream_;
    std::string block_;              // a file's bytes read so far and not yet handed out
    std::string_view data_;          // the unread bytes
    bool at_end_ = true;             // nothing left to read beyond data_
    const char* next_cr_ = nullptr;  // the next CR in data_ or its end; nullptr: not looked for
    const char* next_lf_ = nullptr;
    CalendarDate modified_;
};

// The path as Windows-1250 program text.
std::string PathToProgramText(const std::filesystem::path& path);

// A bank file opened for reading: its lines, and the path and date that the
// previews name. Throws BankFileError when it cannot be read.
struct OpenedBankFile {
    explicit OpenedBankFile(const std::filesystem::path& file)
        : lines(BankLines::FromFile(file)),
          path(PathToProgramText(file)),
          modified(lines.modified()) {}
    BankLines lines;
    std::string path;
    CalendarDate modified;
};

// d.m.yyyy: day and month without leading zeros (7.3.2009).
std::string FormatFileDate(const CalendarDate& date);

}  // namespace zerkon
