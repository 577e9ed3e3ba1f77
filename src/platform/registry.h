#pragma once
// Read-only access to the registry. Key paths, value names and values are Windows-1250 program
// text; the Windows implementation reads the 32-bit view, where the sibling programs' 32-bit
// installers write their values.

#include <string>
#include <string_view>

namespace zerkon {

enum class RegistryRoot { CurrentUser, LocalMachine };

class RegistryReader {
  public:
    virtual ~RegistryReader() = default;
    // Opens `key_path` below `root` for reading. If it opens, the result is the string value
    // `value_name` (empty when there is no such value); otherwise it is `default_value`.
    virtual std::string ReadRegistryString(RegistryRoot root, std::string_view key_path,
                                           std::string_view value_name,
                                           std::string_view default_value) const = 0;
};

// The machine's registry (Windows only; defined in win32/registry.cc).
const RegistryReader& SystemRegistry();

}  // namespace zerkon
