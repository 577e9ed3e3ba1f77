#pragma once
// Small Win32 helpers shared by the program's windows.
//
// - WindowBase: one C++ object per top-level window. Registers its window class once (by name),
//   stores `this` at WM_NCCREATE and routes every message to the virtual HandleMessage, which
//   should only dispatch to short OnXxx/handler methods. Create() takes the CLIENT size, as the
//   window layouts are given, and can centre the window on the screen.
// - RunModal: shows a window modally over its owner (owner disabled, own message loop) until the
//   window is hidden or destroyed, then re-enables and re-activates the owner.
// - DPI: a window and its controls are made from their tables in 96-DPI pixels; when the window
//   is first shown, one step scales them to the window's DPI (common/dpi_scale.h): every
//   control's place, and its font when the font is one of the program's (ui/display_dpi.h).
//   WM_DPICHANGED (the window moved to a display of another scaling) runs the step again from
//   the same places. At 96 DPI nothing moves.
// - UiFonts: the program's dialog font ("MS Sans Serif", 8 pt, height -11) and its bold variant
//   at 96 DPI, created once and alive for the whole run; the scaling step gives the controls
//   the same fonts at the window's DPI.
// - CreateLabel / CreateChild: child controls with the program's font, from program text
//   (Windows-1250).

#include <windows.h>

#include <string_view>
#include <vector>

#include "ui/display_dpi.h"

namespace zerkon {

class WindowBase {
  public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase();

    HWND hwnd() const { return hwnd_; }

  protected:
    struct CreateOptions {
        const wchar_t* class_name = nullptr;
        std::string_view caption = {};  // Windows-1250
        DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
        DWORD ex_style = 0;
        int client_width = 0;
        int client_height = 0;
        HWND owner = nullptr;
        bool centre_on_screen = true;
        HICON icon = nullptr;
        HBRUSH background = nullptr;  // COLOR_BTNFACE when null; kept for the whole run
    };
    // The client size is in 96-DPI pixels; the window is made at its DPI (its owner's, or the
    // system's, then that of the monitor it lands on).
    bool Create(const CreateOptions& options);

    // Default: speed buttons are drawn and the program's own controls get their colours; the
    // focused control is remembered when the window is deactivated and gets the focus back with
    // the next activation (so a field keeps it across a message box or a switch to another
    // program); everything else goes to DefWindowProcW.
    virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

    // Centres the window over `owner` (the screen when null), kept on the work area.
    void CentreOver(HWND owner);

    // The DPI the window is laid out for.
    int dpi() const { return dpi_; }
    // Places the controls that the window lays out itself (MarkPlacedByOwner); runs after every
    // scaling step.
    virtual void LayOutOwnControls() {}

    HWND hwnd_ = nullptr;
    HWND last_focus_ = nullptr;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    // A control's place in the window's table, and whether its size is its text's.
    struct DesignPlace {
        HWND control;
        LayoutRect place;
        bool sized_to_text;
    };
    SIZE ClientSize(int dpi) const;
    SIZE OuterSize(int dpi) const;
    void FitClientArea();
    void ScaleLayout();
    void OnDpiChanged(int dpi, const RECT& suggested);

    int dpi_ = kDesignDpi;
    SIZE design_client_{};
    DWORD style_ = 0;
    DWORD ex_style_ = 0;
    bool laid_out_ = false;
    std::vector<DesignPlace> design_places_;
};

// Returns once `window` is hidden or destroyed (or the program quits; the WM_QUIT is re-posted).
// The owner is enabled again afterwards and, unless it is minimised, activated.
void RunModal(HWND window, HWND owner);

struct UiFonts {
    HFONT normal;
    HFONT bold;
};
const UiFonts& Fonts();

// A label sized to its text (as an auto-sized label), at client position left, top; at another
// DPI it takes the size of its text in the scaled font.
HWND CreateLabel(HWND parent, int id, std::string_view text, int left, int top, HFONT font);
// Any child control of a standard class.
HWND CreateChild(HWND parent, const wchar_t* class_name, int id, std::string_view text, DWORD style,
                 int left, int top, int width, int height, DWORD ex_style = 0);

// Sets a window's text from program text.
void SetText(HWND window, std::string_view text);

}  // namespace zerkon
