#pragma once
// The maker's registry key, below which the sibling programs' installers record where they live.

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace zerkon {

inline constexpr std::string_view MorvRegistryKey = "Software\\MORV";

// Sub-keys of MorvRegistryKey (each begins with a backslash) and their values.
inline constexpr std::string_view kOlbrixSubKey = "\\Olbrix";  // the print engine
inline constexpr std::string_view kRalSubKey = "\\RAL";        // the payroll program
inline constexpr std::string_view kZutaSubKey = "\\Zuta";      // the update program
inline constexpr std::string_view kInstallPathValue = "InstallPath";
inline constexpr std::string_view kInstallVersionValue = "InstallVersion";

// The root tried first. Nothing in the program changes it.
inline constexpr RegistryRoot PrimaryRoot = RegistryRoot::CurrentUser;

// The value `value_name` of MorvRegistryKey + sub_key + second_part, from the primary root, or
// from the other root when the primary one has no non-empty value. Empty when neither has one,
// which callers read as "that program is not installed". On Windows pass SystemRegistry().
std::string ReadMakerSetting(const RegistryReader& registry, std::string_view sub_key,
                             std::string_view second_part, std::string_view value_name,
                             RegistryRoot primary_root = PrimaryRoot);

}  // namespace zerkon
