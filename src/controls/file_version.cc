#include "controls/file_version.h"

#include <cstdio>

namespace zerkon {

std::string TranslationKey(uint32_t translation) {
    char key[9];
    std::snprintf(key, sizeof(key), "%04X%04X", static_cast<unsigned>(translation & 0xFFFF),
                  static_cast<unsigned>(translation >> 16));
    return key;
}

std::string TXFileVersion::GetVersionInfo(std::string_view name) const {
    auto resource = source_.Read();
    if (!resource) return {};
    // Without a translation entry the key is empty and the lookup below finds nothing.
    auto translation = resource->FirstTranslation();
    std::string key = translation ? TranslationKey(*translation) : std::string();
    std::string sub_block = "\\StringFileInfo\\" + key + "\\" + std::string(name);
    return resource->QueryString(sub_block).value_or(std::string());
}

}  // namespace zerkon
