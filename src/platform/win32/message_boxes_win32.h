#pragma once
// Modal message boxes of Windows (MessageBoxW) owned by a window; shared by the windows of
// src/ui.

#include <windows.h>

#include "platform/message_box.h"

namespace zerkon {

class Win32MessageBoxes : public MessageBoxes {
  public:
    explicit Win32MessageBoxes(HWND owner) : owner_(owner) {}
    MessageResult Show(std::string_view text, std::string_view caption, MessageIcon icon,
                       MessageButtons buttons) override;

  private:
    HWND owner_;
};

}  // namespace zerkon
