#include "platform/window_messenger.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace zerkon {
namespace {

class Win32WindowMessenger final : public WindowMessenger {
  public:
    WindowHandle FindWindowByClass(std::string_view class_name) override {
        return reinterpret_cast<WindowHandle>(FindWindowW(Wide(class_name).c_str(), nullptr));
    }

    void SendCopyData(WindowHandle receiver, std::uintptr_t tag,
                      std::span<const std::uint8_t> data) override {
        if (receiver == 0) return;
        COPYDATASTRUCT copy{};
        copy.dwData = tag;
        copy.cbData = static_cast<DWORD>(data.size());
        copy.lpData = const_cast<std::uint8_t*>(data.data());
        SendMessageW(reinterpret_cast<HWND>(receiver), WM_COPYDATA, 0,
                     reinterpret_cast<LPARAM>(&copy));
    }
};

}  // namespace

WindowMessenger& SystemWindowMessenger() {
    static Win32WindowMessenger messenger;
    return messenger;
}

}  // namespace zerkon
