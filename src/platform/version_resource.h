#pragma once
// The version resource of the running program's own file, as the version library reads it.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zerkon {

// One copy of a version resource read from a file.
class VersionResource {
  public:
    virtual ~VersionResource() = default;
    // The first entry of \VarFileInfo\Translation: language in the low 16 bits, code page in
    // the high 16 bits; nothing when the resource has no translation entry.
    virtual std::optional<uint32_t> FirstTranslation() const = 0;
    // The text of a string sub-block such as "\StringFileInfo\040504E2\FileVersion"
    // (Windows-1250); nothing when the resource does not hold it.
    virtual std::optional<std::string> QueryString(std::string_view sub_block) const = 0;
};

class VersionResourceSource {
  public:
    virtual ~VersionResourceSource() = default;
    // Reads the resource afresh; nullptr when the file has none or it cannot be read.
    virtual std::unique_ptr<VersionResource> Read() const = 0;
};

// The running program's own file (Windows only; win32/version_resource.cc).
const VersionResourceSource& OwnProgramVersionResource();

}  // namespace zerkon
