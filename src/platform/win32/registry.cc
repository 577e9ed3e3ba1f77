#include "platform/registry.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace zerkon {
namespace {

class Win32Registry : public RegistryReader {
  public:
    std::string ReadRegistryString(RegistryRoot root, std::string_view key_path,
                                   std::string_view value_name,
                                   std::string_view default_value) const override {
        HKEY root_key = root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
        HKEY key = nullptr;
        // The 32-bit view: where the sibling programs' 32-bit installers write.
        if (RegOpenKeyExW(root_key, Wide(key_path).c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) !=
            ERROR_SUCCESS) {
            return std::string(default_value);
        }
        std::string result = ReadValue(key, Wide(value_name));
        RegCloseKey(key);
        return result;
    }

  private:
    static std::string ReadValue(HKEY key, const std::wstring& name) {
        // Retry while the value grows between the size query and the read.
        for (int attempt = 0; attempt < 4; ++attempt) {
            DWORD type = 0;
            DWORD bytes = 0;
            if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes) !=
                ERROR_SUCCESS) {
                return {};
            }
            if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
            std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
            DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
            LONG status = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                           reinterpret_cast<BYTE*>(buffer.data()), &size);
            if (status == ERROR_MORE_DATA) continue;
            if (status != ERROR_SUCCESS) return {};
            // The stored text need not be zero-terminated; stop at the first zero if it is.
            std::wstring_view text(buffer.data(), size / sizeof(wchar_t));
            text = text.substr(0, text.find(L'\0'));
            return Narrow(text);
        }
        return {};
    }
};

}  // namespace

const RegistryReader& SystemRegistry() {
    static const Win32Registry registry;
    return registry;
}

}  // namespace zerkon
