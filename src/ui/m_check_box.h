#pragma once
// TMCheckBox: a check box that moves on like the fields around it (Enter, Down and Right to the
// next control, Up and Left to the previous one; Space ticks it) and shows the fields' light
// yellow while it has the focus, so that a box without a caption still shows where typing is.

#include <windows.h>

#include "ui/coloured_control.h"

namespace zerkon {

struct CheckBoxOptions {
    int id = 0;
    RECT place{};
    ControlColour colour = kClBtnFace;  // the background without focus
};

class TMCheckBox : public ColouredControl {
  public:
    TMCheckBox(HWND parent, const CheckBoxOptions& options);

    bool Checked() const;
    void SetChecked(bool checked);
    ControlColour Background() const override;

    // Where Enter and the arrows move instead of the tab order, when set.
    HWND key_next = nullptr;
    HWND key_previous = nullptr;

  private:
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) override;

    ControlColour colour_;
};

}  // namespace zerkon
