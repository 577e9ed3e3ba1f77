#include "common/disk_file_system.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>
#include <system_error>

#include "common/cp1250.h"

namespace zerkon {
namespace fs = std::filesystem;

namespace {

constexpr fs::perms kWriteBits =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

std::string Reason(const std::error_code& error) {
    return error ? Utf8ToCp1250(error.message()) : std::string();
}

// The reason of the C library's last failure (errno), or `fallback` when it set none.
std::string LastReason(std::errc fallback) {
    return Reason(errno != 0 ? std::error_code(errno, std::generic_category())
                             : std::make_error_code(fallback));
}

// Why a file cannot be opened for reading, or success.
Status CheckReadable(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) {
        return Status::Failed(StatusCode::kNotFound, "",
                              Reason(std::make_error_code(std::errc::no_such_file_or_directory)));
    }
    if (error) return Status::Failed(StatusCode::kCannotOpen, "", Reason(error));
    // A folder opens as a stream on some systems; it is no file to read.
    if (fs::is_directory(status)) {
        return Status::Failed(StatusCode::kCannotOpen, "",
                              Reason(std::make_error_code(std::errc::is_a_directory)));
    }
    return Status::Ok();
}

class StreamReader final : public FileReader {
  public:
    StreamReader(const fs::path& file, CalendarDate modified)
        : stream_(file, std::ios::binary), modified_(modified) {}
    bool open() const { return stream_.is_open() && stream_.good(); }

    Result<std::size_t> Read(char* into, std::size_t size) override {
        stream_.read(into, static_cast<std::streamsize>(size));
        if (stream_.bad()) {
            return Status::Failed(StatusCode::kCannotRead, "",
                                  Reason(std::make_error_code(std::errc::io_error)));
        }
        return static_cast<std::size_t>(stream_.gcount());
    }

    Status Rewind() override {
        stream_.clear();
        stream_.seekg(0);
        if (stream_) return Status::Ok();
        return Status::Failed(StatusCode::kCannotRead, "",
                              Reason(std::make_error_code(std::errc::io_error)));
    }

    CalendarDate Modified() const override { return modified_; }

  private:
    std::ifstream stream_;
    CalendarDate modified_;
};

Status WriteTo(const fs::path& file, std::string_view bytes, std::ios::openmode mode) {
    errno = 0;
    std::ofstream out(file, std::ios::binary | mode);
    if (!out) return Status::Failed(StatusCode::kCannotOpen, "", LastReason(std::errc::io_error));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out.fail()) return Status::Ok();
    return Status::Failed(StatusCode::kCannotWrite, "", LastReason(std::errc::io_error));
}

}  // namespace

CalendarDate LocalDateOf(fs::file_time_type time) {
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

Result<std::string> DiskFileSystem::ReadWhole(const fs::path& file) {
    Result<std::unique_ptr<FileReader>> reader = OpenForReading(file);
    if (!reader.ok()) return reader.status();
    return ReadToEnd(**reader);
}

Result<std::unique_ptr<FileReader>> DiskFileSystem::OpenForReading(const fs::path& file) {
    if (Status readable = CheckReadable(file); !readable.ok()) return readable;
    std::error_code error;
    const fs::file_time_type modified = fs::last_write_time(file, error);
    if (error) return Status::Failed(StatusCode::kCannotOpen, "", Reason(error));
    errno = 0;
    auto reader = std::make_unique<StreamReader>(file, LocalDateOf(modified));
    if (!reader->open()) {
        return Status::Failed(StatusCode::kCannotOpen, "",
                              LastReason(std::errc::permission_denied));
    }
    return std::unique_ptr<FileReader>(std::move(reader));
}

Status DiskFileSystem::Write(const fs::path& file, std::string_view bytes) {
    return WriteTo(file, bytes, std::ios::trunc);
}

Status DiskFileSystem::Append(const fs::path& file, std::string_view bytes) {
    return WriteTo(file, bytes, std::ios::app);
}

Status DiskFileSystem::MoveOver(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error);
    if (!error) return Status::Ok();
    return Status::Failed(StatusCode::kCannotReplace, "", Reason(error));
}

bool DiskFileSystem::Remove(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(file, error);
    if (status.type() == fs::file_type::not_found) return true;
    // Only files: a device or a folder in the way is never removed.
    if (error || (!fs::is_regular_file(status) && !fs::is_symlink(status))) return false;
    fs::remove(file, error);
    return fs::symlink_status(file, error).type() == fs::file_type::not_found;
}

PathKind DiskFileSystem::Kind(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_regular_file(status)) return PathKind::kFile;
    if (fs::is_directory(status)) return PathKind::kFolder;
    return fs::exists(status) ? PathKind::kOther : PathKind::kNone;
}

bool DiskFileSystem::IsReadOnly(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    return !error && fs::exists(status) &&
           (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

bool DiskFileSystem::SetReadOnly(const fs::path& file, bool read_only) {
    std::error_code error;
    // On Windows the write bits are the read-only attribute.
    fs::permissions(file, read_only ? kWriteBits : fs::perms::owner_write,
                    read_only ? fs::perm_options::remove : fs::perm_options::add, error);
    return !error;
}

Status DiskFileSystem::CreateFolders(const fs::path& folder) {
    std::error_code error;
    if (fs::is_directory(folder, error)) return Status::Ok();
    fs::create_directories(folder, error);
    if (fs::is_directory(folder)) return Status::Ok();
    if (!error) error = std::make_error_code(std::errc::not_a_directory);
    return Status::Failed(StatusCode::kCannotCreateFolder, "", Reason(error));
}

std::optional<std::uintmax_t> DiskFileSystem::FreeSpace(const fs::path& folder) {
    std::error_code error;
    const fs::space_info info = fs::space(folder, error);
    if (error || info.available == static_cast<std::uintmax_t>(-1)) return std::nullopt;
    return info.available;
}

std::vector<fs::path> DiskFileSystem::Files(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error)) files.push_back(entry.path());
    }
    return files;
}

}  // namespace zerkon
