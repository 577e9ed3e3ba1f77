#include "bank/bank_file.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>
#include <system_error>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"

namespace zerkon {

namespace {

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& system_message) {
    throw BankFileError("Soubor \"" + PathToProgramText(path) + "\" nelze načíst. "_cz +
                        system_message);
}

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

BankFile ReadBankFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error) Fail(path, error.message());
    if (std::filesystem::is_directory(status)) {
        Fail(path, std::make_error_code(std::errc::is_a_directory).message());
    }
    BankFile file;
    const auto modified = std::filesystem::last_write_time(path, error);
    if (error) Fail(path, error.message());
    file.modified = LocalDate(modified);

    errno = 0;
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        const int code = errno != 0 ? errno : EACCES;
        Fail(path, std::error_code(code, std::generic_category()).message());
    }
    stream.seekg(0, std::ios::end);
    const std::streamoff size = stream.tellg();
    stream.seekg(0, std::ios::beg);
    if (size > 0 && stream) {
        file.bytes.resize(static_cast<size_t>(size));
        stream.read(file.bytes.data(), size);
        file.bytes.resize(static_cast<size_t>(stream.gcount()));
    } else {
        // No size known (a pipe or a device): read to the end.
        stream.clear();
        file.bytes.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    }
    if (stream.bad()) Fail(path, std::make_error_code(std::errc::io_error).message());
    return file;
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
