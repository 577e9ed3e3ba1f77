#pragma once
// Files in memory that behave as Windows does under one chosen fault: the steps fail where the
// real system would, and leave behind what it would leave (part of the bytes after a short write
// or a full disk). Beside them the disk itself, for the tests of real files.

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "common/disk_file_system.h"

namespace zerkon::testing {

// The disk, as the program's main hands it on.
inline FileSystem& Disk() {
    static DiskFileSystem files;
    return files;
}

enum class Fault {
    kNone,
    kOpen,            // no file can be created or truncated
    kShortWrite,      // a write stores half of the bytes and fails
    kRename,          // no file can be moved over another
    kReadOnlyTarget,  // the target carries the read-only flag (set by the test)
    kHeldOpen,        // the target is open in another program without sharing (set by the test)
    kFolderMissing,   // the target folder is missing and cannot be created
    kDiskFull,        // no free byte: a write stores nothing and fails
    kReadDenied,      // no file can be opened for reading
    kReadBroken,      // a read fails once part of the file was read (a network gone)
};

class FakeFileSystem final : public FileSystem {
  public:
    struct Entry {
        std::string bytes;
        bool read_only = false;
        bool held_open = false;
    };

    Fault fault = Fault::kNone;
    std::map<std::string, Entry> files;
    std::set<std::string> folders;

    static std::string Key(const std::filesystem::path& path) {
        std::string key = path.lexically_normal().generic_string();
        while (key.size() > 1 && key.back() == '/') key.pop_back();
        return key;
    }
    void AddFolder(const std::filesystem::path& folder) {
        for (std::filesystem::path p = folder; !Key(p).empty(); p = p.parent_path()) {
            folders.insert(Key(p));
            if (p == p.parent_path()) break;
        }
    }
    void Put(const std::filesystem::path& file, std::string bytes) {
        AddFolder(std::filesystem::path(Key(file)).parent_path());
        files[Key(file)].bytes = std::move(bytes);
    }
    std::optional<std::string> Bytes(const std::filesystem::path& file) const {
        auto it = files.find(Key(file));
        if (it == files.end()) return std::nullopt;
        return it->second.bytes;
    }

    // Every failure, as the system would word it.
    static Status Failed(StatusCode code) { return Status::Failed(code, "", "porucha"); }

    Result<std::string> ReadWhole(const std::filesystem::path& file) override {
        Result<std::unique_ptr<FileReader>> reader = OpenForReading(file);
        if (!reader.ok()) return reader.status();
        return ReadToEnd(**reader);
    }
    Result<std::unique_ptr<FileReader>> OpenForReading(const std::filesystem::path& file) override {
        const Entry* entry = Find(file);
        if (entry == nullptr) return Failed(StatusCode::kNotFound);
        if (entry->held_open || fault == Fault::kReadDenied) return Failed(StatusCode::kCannotOpen);
        return std::unique_ptr<FileReader>(
            std::make_unique<Reader>(entry->bytes, fault == Fault::kReadBroken));
    }
    Status Write(const std::filesystem::path& file, std::string_view bytes) override {
        if (fault == Fault::kOpen || !HasFolder(file.parent_path())) {
            return Failed(StatusCode::kCannotOpen);
        }
        if (const Entry* entry = Find(file); entry && (entry->read_only || entry->held_open)) {
            return Failed(StatusCode::kCannotOpen);
        }
        if (folders.count(Key(file))) return Failed(StatusCode::kCannotOpen);
        Entry& entry = files[Key(file)];
        if (fault == Fault::kShortWrite) {
            entry.bytes = std::string(bytes.substr(0, bytes.size() / 2));
            return Failed(StatusCode::kCannotWrite);
        }
        if (fault == Fault::kDiskFull) {
            entry.bytes.clear();
            return bytes.empty() ? Status::Ok() : Failed(StatusCode::kCannotWrite);
        }
        entry.bytes = std::string(bytes);
        return Status::Ok();
    }
    Status Append(const std::filesystem::path& file, std::string_view bytes) override {
        auto it = files.find(Key(file));
        if (it == files.end() || it->second.read_only || it->second.held_open) {
            return Failed(StatusCode::kCannotOpen);
        }
        const std::string before = it->second.bytes;
        const Status step = Write(file, bytes);
        it->second.bytes = before + it->second.bytes;
        return step;
    }
    Status MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) override {
        const Entry* source = Find(from);
        if (fault == Fault::kRename || source == nullptr || source->held_open ||
            !HasFolder(to.parent_path()) || folders.count(Key(to))) {
            return Failed(StatusCode::kCannotReplace);
        }
        if (const Entry* target = Find(to); target && (target->read_only || target->held_open)) {
            return Failed(StatusCode::kCannotReplace);
        }
        Entry moved = *source;
        files.erase(Key(from));
        files[Key(to)] = moved;
        return Status::Ok();
    }
    bool Remove(const std::filesystem::path& file) override {
        const Entry* entry = Find(file);
        if (entry == nullptr) return !folders.count(Key(file));
        if (entry->read_only || entry->held_open) return false;
        files.erase(Key(file));
        return true;
    }
    PathKind Kind(const std::filesystem::path& path) override {
        if (Find(path)) return PathKind::kFile;
        return HasFolder(path) ? PathKind::kFolder : PathKind::kNone;
    }
    bool IsReadOnly(const std::filesystem::path& file) override {
        const Entry* entry = Find(file);
        return entry && entry->read_only;
    }
    bool SetReadOnly(const std::filesystem::path& file, bool read_only) override {
        auto it = files.find(Key(file));
        if (it == files.end()) return false;
        it->second.read_only = read_only;
        return true;
    }
    Status CreateFolders(const std::filesystem::path& folder) override {
        if (HasFolder(folder)) return Status::Ok();
        if (fault == Fault::kFolderMissing || Find(folder)) {
            return Failed(StatusCode::kCannotCreateFolder);
        }
        AddFolder(folder);
        return Status::Ok();
    }
    std::optional<std::uintmax_t> FreeSpace(const std::filesystem::path&) override {
        return fault == Fault::kDiskFull ? 0 : std::uintmax_t{1} << 40;
    }
    std::vector<std::filesystem::path> Files(const std::filesystem::path& folder) override {
        std::vector<std::filesystem::path> found;
        for (const auto& [key, entry] : files) {
            if (Key(std::filesystem::path(key).parent_path()) == Key(folder)) found.push_back(key);
        }
        return found;
    }

  private:
    // Reads a copy of the bytes; a broken one gives its first half, then fails.
    class Reader final : public FileReader {
      public:
        Reader(const std::string& bytes, bool broken)
            : bytes_(bytes.substr(0, broken ? bytes.size() / 2 : bytes.size())), broken_(broken) {}
        Result<std::size_t> Read(char* into, std::size_t size) override {
            if (broken_ && at_ == bytes_.size()) return Failed(StatusCode::kCannotRead);
            const std::size_t n = bytes_.copy(into, size, at_);
            at_ += n;
            return n;
        }
        Status Rewind() override {
            at_ = 0;
            return Status::Ok();
        }
        CalendarDate Modified() const override { return {2009, 3, 7}; }

      private:
        std::string bytes_;
        bool broken_;
        std::size_t at_ = 0;
    };

    const Entry* Find(const std::filesystem::path& path) const {
        auto it = files.find(Key(path));
        return it == files.end() ? nullptr : &it->second;
    }
    bool HasFolder(const std::filesystem::path& folder) const {
        return folders.count(Key(folder)) > 0;
    }
};

}  // namespace zerkon::testing
