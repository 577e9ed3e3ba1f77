#include "common/file_system.h"

namespace zerkon {
namespace fs = std::filesystem;

namespace {

fs::path TemporaryBeside(const fs::path& target) {
    fs::path temporary = target;
    temporary += ".tmp";
    return temporary;
}

}  // namespace

Result<std::string> ReadToEnd(FileReader& reader) {
    std::string contents;
    char block[1 << 16];
    for (;;) {
        const Result<std::size_t> got = reader.Read(block, sizeof block);
        if (!got.ok()) return got.status();
        if (*got == 0) return contents;
        contents.append(block, *got);
    }
}

Status MoveTemporaryOver(FileSystem& files, const fs::path& temporary, const fs::path& target) {
    const bool was_read_only = files.IsReadOnly(target);
    if (was_read_only) files.SetReadOnly(target, false);
    Status moved = files.MoveOver(temporary, target);
    if (moved.ok()) return moved;
    if (was_read_only) files.SetReadOnly(target, true);
    files.Remove(temporary);
    return moved;
}

Status WriteReplacing(FileSystem& files, const fs::path& target, std::string_view bytes,
                      const fs::path& temporary) {
    Status written = files.Write(temporary, bytes);
    if (written.ok()) return MoveTemporaryOver(files, temporary, target);
    files.Remove(temporary);
    return written;
}

Status WriteReplacing(FileSystem& files, const fs::path& target, std::string_view bytes) {
    return WriteReplacing(files, target, bytes, TemporaryBeside(target));
}

Status WriteReplacing(FileSystem& files, const fs::path& target, const BlockWriter& write) {
    const fs::path temporary = TemporaryBeside(target);
    bool created = false;
    Status step;  // the first failed step; the writer is told at each block
    const BlockSink put = [&](std::string_view block) {
        if (!step.ok()) return step;
        step = created ? files.Append(temporary, block) : files.Write(temporary, block);
        created = true;
        return step;
    };
    Status written;
    try {
        written = write(put);
    } catch (...) {  // out of memory: nothing half-written stays
        files.Remove(temporary);
        throw;
    }
    if (written.ok() && !created) written = put({});  // an empty text is an empty file
    if (written.ok()) written = step;
    if (!written.ok()) {
        files.Remove(temporary);
        return written;
    }
    return MoveTemporaryOver(files, temporary, target);
}

}  // namespace zerkon
