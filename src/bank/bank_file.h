#pragma once
// Reading a bank file: its lines (Windows-1250 bytes, no conversion) and the
// local date of its last modification, which the payment-order previews show.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "common/date_time.h"
#include "common/file_system.h"
#include "common/status.h"

namespace zerkon {

// A bank file held in memory.
struct BankSource {
    std::string_view bytes;
    std::string_view path;  // the full path as program text
    CalendarDate modified;
};

// The lines of a bank file, one after the other, without their line breaks:
// a line ends at CR LF, CR or LF, and a final line break starts no further
// line. Read from bytes in memory, or from the file a block at a time, so
// that a file of any size takes a block of memory (or its longest line). A
// line stays valid until the next one is read.
class BankLines {
  public:
    explicit BankLines(std::string_view bytes);
    // The file opened for reading; a failure says which file could not be
    // opened, with the system's reason.
    static Result<BankLines> Open(FileSystem& files, const std::filesystem::path& file,
                                  std::size_t block_size = 1 << 20);

    // The next line; false at the end, and after a read that failed (status()).
    bool Next(std::string_view& line);
    // Back to the first line; a file is read again.
    void Rewind();
    // How the reading went: a failure ends it, and every later Next gives false.
    const Status& status() const { return status_; }

    // The file's last modification, local time.
    CalendarDate modified() const { return modified_; }

  private:
    BankLines(std::unique_ptr<FileReader> reader, std::filesystem::path file,
              std::size_t block_size);
    // Reads on when the unread data holds no whole line; false at the end.
    bool ReadMore();
    std::size_t Find(char c, const char*& found);
    void Fail(const Status& failure);

    std::string_view bytes_;  // in memory
    std::filesystem::path file_;
    std::unique_ptr<FileReader> reader_;
    std::string block_;              // a file's bytes read so far and not yet handed out
    std::string_view data_;          // the unread bytes
    bool at_end_ = true;             // nothing left to read beyond data_
    const char* next_cr_ = nullptr;  // the next CR in data_ or its end; nullptr: not looked for
    const char* next_lf_ = nullptr;
    CalendarDate modified_;
    Status status_;
};

// The path as Windows-1250 program text.
std::string PathToProgramText(const std::filesystem::path& path);

// A bank file opened for reading: its lines, and the path and date that the
// previews name.
struct OpenedBankFile {
    static Result<OpenedBankFile> Open(FileSystem& files, const std::filesystem::path& file);
    BankLines lines;
    std::string path;
    CalendarDate modified;
};

// d.m.yyyy: day and month without leading zeros (7.3.2009).
std::string FormatFileDate(const CalendarDate& date);

}  // namespace zerkon
