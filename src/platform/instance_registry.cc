#include "platform/instance_registry.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

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

namespace {

// Some network redirectors answer with no identity at all: zero serial and zero index.
std::optional<FileIdentity> Usable(std::optional<FileIdentity> identity) {
    if (identity && identity->volume_serial == 0 && identity->file_index == 0) return std::nullopt;
    return identity;
}

}  // namespace

OwnProgramFile DescribeOwnProgram(ProcessQuery& query, std::u16string upper_case_path) {
    OwnProgramFile own{std::move(upper_case_path), std::nullopt};
    own.identity = Usable(query.IdentityOf(own.upper_case_path));
    return own;
}

bool RunsSameProgram(ProcessQuery& query, uint32_t pid, const OwnProgramFile& own) {
    if (!query.IsRunning(pid)) return false;
    const std::optional<std::u16string> image = query.ImagePath(pid);
    if (!image) return true;
    if (own.identity) {
        if (const std::optional<FileIdentity> other = Usable(query.IdentityOf(*image))) {
            return *other == *own.identity;
        }
    }
    return *image == own.upper_case_path;
}

std::u16string InstanceKey(const OwnProgramFile& own) {
    if (!own.identity) return own.upper_case_path;
    char digits[40];
    std::snprintf(digits, sizeof(digits), "FILE:%08lx:%016llx",
                  static_cast<unsigned long>(own.identity->volume_serial),
                  static_cast<unsigned long long>(own.identity->file_index));
    return std::u16string(digits, digits + std::strlen(digits));
}

std::string InstanceObjectName(std::string_view kind, std::u16string_view key) {
    // FNV-1a over the UTF-16 code units.
    uint64_t hash = 14695981039346656037ull;
    for (char16_t unit : key) {
        hash ^= static_cast<uint64_t>(unit);
        hash *= 1099511628211ull;
    }
    char digits[17];
    std::snprintf(digits, sizeof(digits), "%016llx", static_cast<unsigned long long>(hash));
    return "Zerkon." + std::string(kind) + "." + digits;
}

}  // namespace zerkon
