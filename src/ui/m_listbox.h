#pragma once
// TMListBox: the program's list box. A standard LISTBOX, subclassed; the
// decisions are ListBoxBehaviour's (src/controls). Colours show through
// ControlBackgroundBrush (ui/coloured_control.h) in the parent's WM_CTLCOLORLISTBOX.

#include <windows.h>

#include <functional>

#include "controls/list_box_behaviour.h"
#include "ui/m_memo.h"

namespace zerkon {

struct ListBoxOptions {
    int id = 0;
    int left = 0, top = 0, width = 100, height = 100;
    DWORD extra_style = 0;  // e.g. LBS_EXTENDEDSEL, LBS_SORT
    bool visible = true;
    ControlColour colour = kClWindow;
    ListBoxSettings settings;
};

class TMListBox : public ColouredControl {
  public:
    TMListBox(HWND parent, const ListBoxOptions& options);
    ListBoxBehaviour& behaviour() { return behaviour_; }
    ControlColour Background() const override { return behaviour_.colour(); }

    // The list box's own entry and exit events.
    std::function<void()> on_enter;
    std::function<void()> on_exit;

  private:
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) override;
    ListBoxItems Items() const;
    void MoveFocus(bool previous);

    ListBoxBehaviour behaviour_;
};

}  // namespace zerkon
