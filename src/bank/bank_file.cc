#include "bank/bank_file.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"

namespace zerkon {

BankLines::BankLines(std::string_view bytes) : bytes_(bytes), data_(bytes) {}

Result<BankLines> BankLines::Open(FileSystem& files, const std::filesystem::path& file,
                                  std::size_t block_size) {
    Result<std::unique_ptr<FileReader>> reader = files.OpenForReading(file);
    if (!reader.ok()) {
        return reader.status().Reworded("Nelze otevřít soubor \""_cz + PathToProgramText(file) +
                                        "\".");
    }
    return BankLines(std::move(*reader), file, block_size);
}

BankLines::BankLines(std::unique_ptr<FileReader> reader, std::filesystem::path file,
                     std::size_t block_size)
    : file_(std::move(file)), reader_(std::move(reader)), modified_(reader_->Modified()) {
    block_.resize(std::max<std::size_t>(block_size, 1));
    at_end_ = false;
}

// Where the next `c` is in the unread bytes, or their end. The place found is
// kept until it is read past, so that a file of CRs alone (or LFs alone) is
// not searched to the end of the block for the other one at every line.
std::size_t BankLines::Find(char c, const char*& found) {
    if (data_.empty()) return std::string_view::npos;  // its data() may be null
    const char* const begin = data_.data();
    const char* const end = begin + data_.size();
    if (found == nullptr || found < begin || found > end) {
        found = static_cast<const char*>(std::memchr(begin, c, data_.size()));
        if (found == nullptr) found = end;
    }
    return found == end ? std::string_view::npos : static_cast<std::size_t>(found - begin);
}

bool BankLines::Next(std::string_view& line) {
    for (;;) {
        const std::size_t lf = Find('\n', next_lf_);
        const std::size_t cr = Find('\r', next_cr_);
        std::size_t stop = std::min(lf, cr);
        // No whole line in what was read, or a CR whose LF may come next.
        if (stop == std::string_view::npos || (stop == cr && cr + 1 == data_.size())) {
            if (ReadMore()) continue;
            if (data_.empty()) return false;
            if (stop == std::string_view::npos) stop = data_.size();  // the last line
        }
        line = data_.substr(0, stop);
        std::size_t next = stop;
        if (next < data_.size()) {
            const bool cr_lf =
                data_[next] == '\r' && next + 1 < data_.size() && data_[next + 1] == '\n';
            next += cr_lf ? 2 : 1;
        }
        data_.remove_prefix(next);
        return true;
    }
}

// The unread bytes move to the front of the block and the rest of it is
// filled; a line longer than the block makes it grow.
bool BankLines::ReadMore() {
    if (at_end_) return false;
    const std::size_t kept = data_.size();
    next_cr_ = next_lf_ = nullptr;  // the bytes move
    if (kept > 0 && data_.data() != block_.data()) std::memmove(block_.data(), data_.data(), kept);
    if (kept == block_.size()) block_.resize(block_.size() * 2);
    const Result<std::size_t> got = reader_->Read(block_.data() + kept, block_.size() - kept);
    if (!got.ok()) {
        Fail(got.status());
        return false;
    }
    if (*got == 0) at_end_ = true;  // the end of the file was reached
    data_ = std::string_view(block_.data(), kept + *got);
    return *got > 0;
}

void BankLines::Rewind() {
    next_cr_ = next_lf_ = nullptr;
    if (!reader_) {
        data_ = bytes_;
        return;
    }
    data_ = {};
    if (!status_.ok()) return;
    at_end_ = false;
    if (Status rewound = reader_->Rewind(); !rewound.ok()) Fail(rewound);
}

// The reading stops: what was not handed out yet is dropped with it.
void BankLines::Fail(const Status& failure) {
    status_ = failure.Reworded("Soubor \"" + PathToProgramText(file_) + "\" nelze načíst."_cz);
    data_ = {};
    at_end_ = true;
}

Result<OpenedBankFile> OpenedBankFile::Open(FileSystem& files, const std::filesystem::path& file) {
    Result<BankLines> lines = BankLines::Open(files, file);
    if (!lines.ok()) return lines.status();
    const CalendarDate modified = lines->modified();
    return OpenedBankFile{std::move(*lines), PathToProgramText(file), modified};
}

std::string PathToProgramText(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::wstring& native = path.native();
    return Utf16ToCp1250(std::u16string(native.begin(), native.end()));
#else
    return Utf8ToCp1250(path.native());
#endif
}

std::string FormatFileDate(const CalendarDate& date) {
    return std::to_string(date.day) + "." + std::to_string(date.month) + "." +
           std::to_string(date.year);
}

}  // namespace zerkon
