#include "platform/close_window.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace zerkon {

void CloseWindowByClass(std::string_view class_name) {
    if (HWND window = FindWindowW(Wide(class_name).c_str(), nullptr)) {
        PostMessageW(window, WM_QUIT, 0, 0);
    }
}

}  // namespace zerkon
