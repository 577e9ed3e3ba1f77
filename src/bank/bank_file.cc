#include "bank/bank_file.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <system_error>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"

namespace zerkon {

namespace {

CalendarDate LocalDate(std::filesystem::file_time_type time) {
    const auto system_time = std::chrono::file_clock::to_sys(time);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system_time));
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &seconds) != 0) return {};
#else
    if (localtime_r(&seconds, &local) == nullptr) return {};
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace

BankLines::BankLines(std::string_view bytes) : bytes_(bytes), data_(bytes) {}

BankLines BankLines::FromFile(const std::filesystem::path& file, std::size_t block_size) {
    return BankLines(file, block_size);
}

BankLines::BankLines(const std::filesystem::path& file, std::size_t block_size) : file_(file) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (error) Fail(error.message());
    if (std::filesystem::is_directory(status)) {
        Fail(std::make_error_code(std::errc::is_a_directory).message());
    }
    const auto modified = std::filesystem::last_write_time(file, error);
    if (error) Fail(error.message());
    modified_ = LocalDate(modified);

    errno = 0;
    stream_.open(file, std::ios::binary);
    if (!stream_) {
        const int code = errno != 0 ? errno : EACCES;
        Fail(std::error_code(code, std::generic_category()).message());
    }
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
    stream_.read(block_.data() + kept, static_cast<std::streamsize>(block_.size() - kept));
    if (stream_.bad()) Fail(std::make_error_code(std::errc::io_error).message());
    const std::size_t got = static_cast<std::size_t>(stream_.gcount());
    if (!stream_) at_end_ = true;  // the end of the file was reached
    data_ = std::string_view(block_.data(), kept + got);
    return got > 0;
}

void BankLines::Rewind() {
    if (!stream_.is_open()) {
        data_ = bytes_;
        next_cr_ = next_lf_ = nullptr;
        return;
    }
    next_cr_ = next_lf_ = nullptr;
    stream_.clear();
    stream_.seekg(0);
    if (!stream_) Fail(std::make_error_code(std::errc::io_error).message());
    data_ = {};
    at_end_ = false;
}

void BankLines::Fail(const std::string& system_message) const {
    throw BankFileError("Soubor \"" + PathToProgramText(file_) + "\" nelze načíst. "_cz +
                        system_message);
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
