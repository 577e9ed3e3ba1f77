#include "platform/instance_registry.h"

#include <algorithm>
#include <cstdio>

namespace zerkon {

InstanceRegistration RegisterInstance(InstanceTable& table, uint32_t own_id,
                                      const std::function<bool(uint32_t)>& still_running) {
    if (table.allowed == 0) table.allowed = 1;
    // A corrupt count must not let us read past the list.
    table.count = std::min(table.count, InstanceTable::kCapacity);
    auto* end = std::remove_if(table.ids, table.ids + table.count,
                               [&](uint32_t id) { return id == own_id || !still_running(id); });
    table.count = static_cast<uint32_t>(end - table.ids);

    InstanceRegistration registration;
    registration.registered_before = table.count;
    registration.first_id = table.count > 0 ? table.ids[0] : 0;
    if (table.count < InstanceTable::kCapacity) table.ids[table.count++] = own_id;
    return registration;
}

void UnregisterInstance(InstanceTable& table, uint32_t own_id) {
    table.count = std::min(table.count, InstanceTable::kCapacity);
    auto* end = std::remove(table.ids, table.ids + table.count, own_id);
    table.count = static_cast<uint32_t>(end - table.ids);
}

std::string InstanceObjectName(std::string_view kind, std::u16string_view upper_case_path) {
    // FNV-1a over the UTF-16 code units.
    uint64_t hash = 14695981039346656037ull;
    for (char16_t unit : upper_case_path) {
        hash ^= static_cast<uint64_t>(unit);
        hash *= 1099511628211ull;
    }
    char digits[17];
    std::snprintf(digits, sizeof(digits), "%016llx", static_cast<unsigned long long>(hash));
    return "Zerkon." + std::string(kind) + "." + digits;
}

}  // namespace zerkon
