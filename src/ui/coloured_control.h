#pragma once
// The colour-managed controls (TMEdit, TMMemo, TMListBox): each says which background it wants
// now, and its parent window answers WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC / WM_CTLCOLORLISTBOX
// through ControlBackgroundBrush so that the focus and disabled colours show.

#include <windows.h>

#include <functional>

#include "controls/control_colours.h"
#include "ui/subclassed_control.h"

namespace zerkon {

// A brush that follows a ControlColour (system colours resolved).
class ColourBrush {
  public:
    ColourBrush() = default;
    ColourBrush(const ColourBrush&) = delete;
    ColourBrush& operator=(const ColourBrush&) = delete;
    ~ColourBrush();
    HBRUSH Get(ControlColour colour);
    static COLORREF Resolve(ControlColour colour);

  private:
    HBRUSH brush_ = nullptr;
    COLORREF rgb_ = 0;
};

class ColouredControl : public SubclassedControl {
  public:
    virtual ControlColour Background() const = 0;

  protected:
    // After the control's own entry steps: repaint in the new colour, then the entry event.
    LRESULT Entered(LRESULT standard_result, const std::function<void()>& on_enter);

  private:
    ColourBrush brush_;
    friend HBRUSH ControlBackgroundBrush(HWND child, HDC dc);
};

// The brush of a colour-managed child, with the dc set up for it; nullptr for any other child.
HBRUSH ControlBackgroundBrush(HWND child, HDC dc);

}  // namespace zerkon
