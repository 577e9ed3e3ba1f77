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

#include "controls/m_memo.h"

namespace zerkon {

// The brush of a colour-managed child (TMMemo, TMListBox), with the dc set up
// for it; nullptr for any other child.
HBRUSH ControlBackgroundBrush(HWND child, HDC dc);

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

// Implemented by the colour-managed controls; found through a window property.
class ColouredControl {
  public:
    virtual ~ColouredControl() = default;
    virtual ControlColour Background() const = 0;

  protected:
    void Attach(HWND hwnd);
    ColourBrush brush_;
    friend HBRUSH ControlBackgroundBrush(HWND child, HDC dc);
};

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
    TMMemo(const TMMemo&) = delete;
    TMMemo& operator=(const TMMemo&) = delete;
    ~TMMemo() override;

    HWND hwnd() const { return hwnd_; }
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
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Standard(UINT message, WPARAM wparam, LPARAM lparam);

    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
    MemoBehaviour behaviour_;
};

}  // namespace zerkon
