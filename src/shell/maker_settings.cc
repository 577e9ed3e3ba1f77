#include "shell/maker_settings.h"

namespace zerkon {

std::string ReadMakerSetting(const RegistryReader& registry, std::string_view sub_key,
                             std::string_view second_part, std::string_view value_name,
                             RegistryRoot primary_root) {
    std::string key_path(MorvRegistryKey);
    key_path += sub_key;
    key_path += second_part;
    RegistryRoot secondary_root = primary_root == RegistryRoot::CurrentUser
                                      ? RegistryRoot::LocalMachine
                                      : RegistryRoot::CurrentUser;
    std::string value = registry.ReadRegistryString(primary_root, key_path, value_name, "");
    if (value.empty()) {
        value = registry.ReadRegistryString(secondary_root, key_path, value_name, "");
    }
    return value;
}

}  // namespace zerkon
