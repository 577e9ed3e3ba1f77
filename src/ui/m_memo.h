#pragma once
// TMMemo: the program's memo. A standard multi-line EDIT, subclassed; the
// decisions are MemoBehaviour's (src/controls), this class forwards the
// window messages and applies the results. The parent window passes its
// WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC to ControlBackgroundBrush so that the
// focus and disabled colours show.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "controls/memo_behaviour.h"
#include "ui/coloured_control.h"

namespace zerkon {

struct MemoOptions {
    int id = 0;
    int left = 0, top = 0, width = 100, height = 100;
    bool read_only = false;
    bool vertical_scroll_bar = false;
    bool visible = true;
    bool tab_stop = true;
    ControlColour colour = kClWindow;
    MemoSettings settings;
};

class TMMemo : public ColouredControl {
  public:
    TMMemo(HWND parent, const MemoOptions& options);

    MemoBehaviour& behaviour() { return behaviour_; }
    ControlColour Background() const override { return behaviour_.colour(); }

    // Explicit navigation targets (not owned).
    HWND focus_up = nullptr;
    HWND focus_down = nullptr;
    std::function<void()> on_enter;

    void SetFocusColour(ControlColour colour) { behaviour_.settings().color_on_focus = colour; }
    // Replaces the whole text in one message (Windows-1250 program text).
    void SetText(const std::string& text);
    std::string Text() const;
    void Show(bool visible);
    void Focus();

  private:
    class Host;
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) override;

    MemoBehaviour behaviour_;
};

}  // namespace zerkon
