#pragma once
// Small Win32 helpers shared by the program's windows.
//
// - WindowBase: one C++ object per top-level window. Registers its window class once (by name),
//   stores `this` at WM_NCCREATE and routes every message to the virtual HandleMessage, which
//   should only dispatch to short OnXxx/handler methods. Create() takes the CLIENT size, as the
//   window layouts are given, and can centre the window on the screen.
// - RunModal: shows a window modally over its owner (owner disabled, own message loop) until the
//   window is hidden or destroyed, then re-enables and re-activates the owner.
// - UiFonts: the program's dialog font ("MS Sans Serif", 8 pt, height -11) and its bold variant,
//   created once and alive for the whole run.
// - CreateLabel / CreateChild: child controls with the program's font, from program text
//   (Windows-1250).

#include <windows.h>

#include <string_view>

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
    bool Create(const CreateOptions& options);

    // Default: speed buttons are drawn and the program's own controls get their colours; the
    // focused control is remembered when the window is deactivated and gets the focus back with
    // the next activation (so a field keeps it across a message box or a switch to another
    // program); everything else goes to DefWindowProcW.
    virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

    // Centres the window over `owner` (the screen when null), kept on the work area.
    void CentreOver(HWND owner);

    HWND hwnd_ = nullptr;
    HWND last_focus_ = nullptr;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
};

// Returns once `window` is hidden or destroyed (or the program quits; the WM_QUIT is re-posted).
// The owner is enabled again afterwards and, unless it is minimised, activated.
void RunModal(HWND window, HWND owner);

struct UiFonts {
    HFONT normal;
    HFONT bold;
};
const UiFonts& Fonts();

// A label sized to its text (as an auto-sized label), at client position left, top.
HWND CreateLabel(HWND parent, int id, std::string_view text, int left, int top, HFONT font);
// Any child control of a standard class.
HWND CreateChild(HWND parent, const wchar_t* class_name, int id, std::string_view text, DWORD style,
                 int left, int top, int width, int height, DWORD ex_style = 0);

// Sets a window's text from program text.
void SetText(HWND window, std::string_view text);

}  // namespace zerkon
