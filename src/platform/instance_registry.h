#pragma once
// The single-instance guard's bookkeeping: a list of the process ids of the running copies of
// one executable file, and how a copy is recognised. The list lives in memory shared by all
// processes and is changed only under a system-wide lock; these functions are the rules, the
// platform layer supplies memory and lock.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zerkon {

struct InstanceTable {
    static constexpr uint32_t kCapacity = 64;
    uint32_t allowed;  // allowed number of instances; 0 until the first process sets it to 1
    uint32_t count;
    uint32_t ids[kCapacity];
};

struct InstanceRegistration {
    uint32_t registered_before = 0;  // copies that were running before this one
    uint32_t first_id = 0;           // the earliest of them (0 when none)
};

// Appends own_id and reports who was there before. Ids whose process no longer runs (a copy
// that crashed or was killed never removes its id) are dropped first, so they can never keep
// the program from starting. When the list is full the id is not appended, but the copies
// before are still reported.
InstanceRegistration RegisterInstance(InstanceTable& table, uint32_t own_id,
                                      const std::function<bool(uint32_t)>& still_running);

// Removes own_id (every occurrence); other ids keep their order.
void UnregisterInstance(InstanceTable& table, uint32_t own_id);

// The executable file whichever name it was started by (another drive letter, a network share,
// the short 8.3 path): the serial number of its volume and its index on the volume.
struct FileIdentity {
    uint32_t volume_serial = 0;
    uint64_t file_index = 0;
    bool operator==(const FileIdentity&) const = default;
};

// What the guard asks the system about other processes and files.
class ProcessQuery {
  public:
    virtual ~ProcessQuery() = default;
    virtual bool IsRunning(uint32_t pid) = 0;
    // The full path of the process's executable as the system reports it (resolved: for a SUBST
    // or network drive it differs from the path the process was started by), upper-cased;
    // nothing when it cannot be told.
    virtual std::optional<std::u16string> ImagePath(uint32_t pid) = 0;
    // Nothing when the file cannot be opened.
    virtual std::optional<FileIdentity> IdentityOf(std::u16string_view path) = 0;
};

struct OwnProgramFile {
    std::u16string upper_case_path;  // as this copy was started
    std::optional<FileIdentity> identity;
};

OwnProgramFile DescribeOwnProgram(ProcessQuery& query, std::u16string upper_case_path);

// Whether the process is a running copy of this program (ids of ended processes are reused):
// it runs and its executable is the same file, told by identity. The path text decides only
// when an identity cannot be read; a process whose executable cannot be told is counted, rather
// than start a second copy.
bool RunsSameProgram(ProcessQuery& query, uint32_t pid, const OwnProgramFile& own);

// What the shared objects of one executable are named by: its identity, so that every name of
// the file finds the same list; the upper-cased path when the identity cannot be read.
std::u16string InstanceKey(const OwnProgramFile& own);

// A name for the shared objects: `kind` + a hash of the key. Kernel object names cannot hold
// backslashes, and paths can be long, hence the hash.
std::string InstanceObjectName(std::string_view kind, std::u16string_view key);

}  // namespace zerkon
