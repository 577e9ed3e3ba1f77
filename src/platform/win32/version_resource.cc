#include "platform/version_resource.h"

#include <windows.h>

#include <vector>

#include "platform/win32/program_path.h"
#include "platform/win32/wide_text.h"

namespace zerkon {
namespace {

class Win32VersionResource : public VersionResource {
  public:
    explicit Win32VersionResource(std::vector<BYTE> data) : data_(std::move(data)) {}

    std::optional<uint32_t> FirstTranslation() const override {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(data_.data(), L"\\VarFileInfo\\Translation", &value, &length) ||
            value == nullptr || length < 4) {
            return std::nullopt;
        }
        const auto* words = static_cast<const WORD*>(value);
        return static_cast<uint32_t>(words[0]) | (static_cast<uint32_t>(words[1]) << 16);
    }

    std::optional<std::string> QueryString(std::string_view sub_block) const override {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(data_.data(), Wide(sub_block).c_str(), &value, &length) ||
            value == nullptr) {
            return std::nullopt;
        }
        std::wstring_view text(static_cast<const wchar_t*>(value), length);
        return Narrow(text.substr(0, text.find(L'\0')));
    }

  private:
    std::vector<BYTE> data_;
};

class OwnProgramSource : public VersionResourceSource {
  public:
    std::unique_ptr<VersionResource> Read() const override {
        std::wstring path = OwnProgramPath();
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
        if (size == 0) return nullptr;
        std::vector<BYTE> data(size);
        if (!GetFileVersionInfoW(path.c_str(), handle, size, data.data())) return nullptr;
        return std::make_unique<Win32VersionResource>(std::move(data));
    }
};

}  // namespace

const VersionResourceSource& OwnProgramVersionResource() {
    static const OwnProgramSource source;
    return source;
}

}  // namespace zerkon
