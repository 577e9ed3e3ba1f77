#pragma once
// The single-instance guard's bookkeeping: a list of the process ids of the running copies of
// one executable. The list lives in memory shared by all processes and is changed only under a
// system-wide lock; these functions are the rules, the platform layer supplies memory and lock.

#include <cstdint>
#include <functional>
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

// A name for the shared objects of one executable: `kind` + a hash of its upper-cased full path.
// Kernel object names cannot hold backslashes, and paths can be long, hence the hash.
std::string InstanceObjectName(std::string_view kind, std::u16string_view upper_case_path);

}  // namespace zerkon
