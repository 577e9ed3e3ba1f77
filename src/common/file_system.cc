#include "common/file_system.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

namespace zerkon {
namespace fs = std::filesystem;

namespace {

constexpr fs::perms kWriteBits =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

class DiskFileSystem final : public FileSystem {
  public:
    std::optional<std::string> ReadWhole(const fs::path& file) override {
        // A folder opens as a stream on some systems; it is no file to read.
        if (Kind(file) != PathKind::kFile) return std::nullopt;
        std::ifstream in(file, std::ios::binary);
        if (!in) return std::nullopt;
        std::string contents((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
        if (in.bad()) return std::nullopt;
        return contents;
    }

    WriteStep Write(const fs::path& file, std::string_view bytes) override {
        return WriteTo(file, bytes, std::ios::trunc);
    }

    WriteStep Append(const fs::path& file, std::string_view bytes) override {
        return WriteTo(file, bytes, std::ios::app);
    }

    bool MoveOver(const fs::path& from, const fs::path& to) override {
        std::error_code ec;
        fs::rename(from, to, ec);
        if (ec) last_failure_ = ec.message();
        return !ec;
    }

    std::string LastFailure() override { return last_failure_; }

    bool Remove(const fs::path& file) override {
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(file, ec);
        if (status.type() == fs::file_type::not_found) return true;
        // Only files: a device or a folder in the way is never removed.
        if (ec || (!fs::is_regular_file(status) && !fs::is_symlink(status))) return false;
        fs::remove(file, ec);
        return fs::symlink_status(file, ec).type() == fs::file_type::not_found;
    }

    PathKind Kind(const fs::path& path) override {
        std::error_code ec;
        const fs::file_status status = fs::status(path, ec);
        if (fs::is_regular_file(status)) return PathKind::kFile;
        if (fs::is_directory(status)) return PathKind::kFolder;
        return fs::exists(status) ? PathKind::kOther : PathKind::kNone;
    }

    bool IsReadOnly(const fs::path& file) override {
        std::error_code ec;
        const fs::file_status status = fs::status(file, ec);
        return !ec && fs::exists(status) &&
               (status.permissions() & fs::perms::owner_write) == fs::perms::none;
    }

    bool SetReadOnly(const fs::path& file, bool read_only) override {
        std::error_code ec;
        // On Windows the write bits are the read-only attribute.
        fs::permissions(file, read_only ? kWriteBits : fs::perms::owner_write,
                        read_only ? fs::perm_options::remove : fs::perm_options::add, ec);
        return !ec;
    }

    bool CreateFolders(const fs::path& folder) override {
        std::error_code ec;
        if (fs::is_directory(folder, ec)) return true;
        fs::create_directories(folder, ec);
        return fs::is_directory(folder, ec);
    }

    std::optional<std::uintmax_t> FreeSpace(const fs::path& folder) override {
        std::error_code ec;
        const fs::space_info info = fs::space(folder, ec);
        if (ec || info.available == static_cast<std::uintmax_t>(-1)) return std::nullopt;
        return info.available;
    }

    std::vector<fs::path> Files(const fs::path& folder) override {
        std::vector<fs::path> files;
        std::error_code ec;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
            if (entry.is_regular_file(ec)) files.push_back(entry.path());
        }
        return files;
    }

  private:
    WriteStep WriteTo(const fs::path& file, std::string_view bytes, std::ios::openmode mode) {
        errno = 0;
        std::ofstream out(file, std::ios::binary | mode);
        if (!out) {
            Failed();
            return WriteStep::kOpenFailed;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out.fail()) return WriteStep::kDone;
        Failed();
        return WriteStep::kWriteFailed;
    }

    void Failed() {
        last_failure_ = errno != 0 ? std::generic_category().message(errno) : std::string();
    }

    std::string last_failure_;
};

}  // namespace

FileSystem& RealFileSystem() noexcept {
    static DiskFileSystem files;
    return files;
}

ReplaceFault MoveTemporaryOver(FileSystem& files, const fs::path& temporary,
                               const fs::path& target) {
    const bool was_read_only = files.IsReadOnly(target);
    if (was_read_only) files.SetReadOnly(target, false);
    if (files.MoveOver(temporary, target)) return ReplaceFault::kNone;
    if (was_read_only) files.SetReadOnly(target, true);
    files.Remove(temporary);
    return ReplaceFault::kMove;
}

ReplaceFault WriteReplacing(FileSystem& files, const fs::path& target, std::string_view bytes,
                            const fs::path& temporary) {
    switch (files.Write(temporary, bytes)) {
        case WriteStep::kDone:
            return MoveTemporaryOver(files, temporary, target);
        case WriteStep::kOpenFailed:
            files.Remove(temporary);
            return ReplaceFault::kOpen;
        case WriteStep::kWriteFailed:
            break;
    }
    files.Remove(temporary);
    return ReplaceFault::kWrite;
}

namespace {

// Ends the writing at the first failed step.
struct StepFailed {
    ReplaceFault fault;
};

}  // namespace

ReplaceFault WriteReplacing(FileSystem& files, const fs::path& target, const BlockWriter& write) {
    fs::path temporary = target;
    temporary += ".tmp";
    bool created = false;
    const auto put = [&](std::string_view block) {
        const WriteStep step =
            created ? files.Append(temporary, block) : files.Write(temporary, block);
        created = true;
        if (step == WriteStep::kOpenFailed) throw StepFailed{ReplaceFault::kOpen};
        if (step == WriteStep::kWriteFailed) throw StepFailed{ReplaceFault::kWrite};
    };
    try {
        write(put);
        if (!created) put({});  // an empty text is an empty file
    } catch (const StepFailed& failed) {
        files.Remove(temporary);
        return failed.fault;
    } catch (...) {
        files.Remove(temporary);
        throw;
    }
    return MoveTemporaryOver(files, temporary, target);
}

ReplaceFault WriteReplacing(FileSystem& files, const fs::path& target, std::string_view bytes) {
    fs::path temporary = target;
    temporary += ".tmp";
    return WriteReplacing(files, target, bytes, temporary);
}

}  // namespace zerkon
