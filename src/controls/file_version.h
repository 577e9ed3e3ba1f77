#pragma once
// TXFileVersion: reads one named string ("FileVersion", "ProductName", ...) from the version
// resource of the running program, in the language of the resource's first translation.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/version_resource.h"

namespace zerkon {

// The translation key of a \VarFileInfo\Translation entry: eight upper-case hex digits, language
// (low 16 bits) first, then code page (high 16 bits): 0x04E20405 -> "040504E2".
std::string TranslationKey(uint32_t translation);

class TXFileVersion {
  public:
    explicit TXFileVersion(const VersionResourceSource& source) : source_(source) {}

    // The string `name` of the first translation's string table, or empty when the resource,
    // its translation entry or the string is missing. Reads the resource afresh at each call.
    std::string GetVersionInfo(std::string_view name) const;

  private:
    const VersionResourceSource& source_;
};

}  // namespace zerkon
