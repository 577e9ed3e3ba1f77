#include "ui/m_memo.h"

#include <vector>

#include "common/cp1250.h"
#include "ui/m_memo_view.h"

namespace zerkon {

// The memo's behaviour sees the real EDIT through this.
class TMMemo::Host : public MemoHost {
  public:
    Host(TMMemo& memo, LPARAM lparam) : memo_(memo), lparam_(lparam) {}
    int CaretLine() override {
        return static_cast<int>(SendMessageW(memo_.hwnd_, EM_LINEFROMCHAR, WPARAM(-1), 0));
    }
    int LineCount() override {
        if (GetWindowTextLengthW(memo_.hwnd_) == 0) return 0;
        return static_cast<int>(SendMessageW(memo_.hwnd_, EM_GETLINECOUNT, 0, 0));
    }
    void StandardKeyDown(int key) override { memo_.Standard(WM_KEYDOWN, key, lparam_); }
    FocusTargetState Target(FocusTarget which) override {
        HWND target = which == FocusTarget::Up ? memo_.focus_up : memo_.focus_down;
        if (!target || !IsWindow(target)) return {};
        return {true, IsWindowEnabled(target) != FALSE, IsWindowVisible(target) != FALSE};
    }
    void FocusTargetControl(FocusTarget which) override {
        SetFocus(which == FocusTarget::Up ? memo_.focus_up : memo_.focus_down);
    }
    void FocusNextInTabOrder() override { Move(FALSE); }
    void FocusPreviousInTabOrder() override { Move(TRUE); }

  private:
    void Move(BOOL previous) {
        HWND next = GetNextDlgTabItem(GetParent(memo_.hwnd_), memo_.hwnd_, previous);
        if (next) SetFocus(next);
    }
    TMMemo& memo_;
    LPARAM lparam_;
};

TMMemo::TMMemo(HWND parent, const MemoOptions& options) : behaviour_(options.settings) {
    // Lines wrap at the right edge (no ES_AUTOHSCROLL), as in the read-only view.
    DWORD style = WS_CHILD | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
    if (options.read_only) style |= ES_READONLY;
    if (options.vertical_scroll_bar) style |= WS_VSCROLL;
    if (options.visible) style |= WS_VISIBLE;
    if (options.tab_stop) style |= WS_TABSTOP;
    // A read-only memo may hold a whole bank statement: the view window takes
    // a million lines at once where the standard EDIT needs a minute.
    const wchar_t* window_class = L"EDIT";
    if (options.read_only) {
        RegisterMemoViewClass();
        window_class = kMemoViewClass;
    }
    Subclass(CreateWindowExW(WS_EX_CLIENTEDGE, window_class, L"", style, options.left, options.top,
                             options.width, options.height, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(options.id)),
                             GetModuleHandleW(nullptr), nullptr));
    // Whatever the length of a statement, the memo takes it whole.
    SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    behaviour_.Load(options.colour, IsWindowEnabled(hwnd_) != FALSE);
}

void TMMemo::SetText(const std::string& text) {
    // UTF-16 either way: no second copy of a text that may be a whole statement.
    static_assert(sizeof(char16_t) == sizeof(wchar_t));
    const std::u16string utf16 = Cp1250ToUtf16(text);
    SetWindowTextW(hwnd_, reinterpret_cast<const wchar_t*>(utf16.c_str()));
}

std::string TMMemo::Text() const {
    const int length = GetWindowTextLengthW(hwnd_);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int got = GetWindowTextW(hwnd_, buffer.data(), length + 1);
    return Utf16ToCp1250(std::u16string(buffer.data(), buffer.data() + got));
}

void TMMemo::Show(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

void TMMemo::Focus() {
    SetFocus(hwnd_);
}

LRESULT TMMemo::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_GETDLGCODE: {
            LRESULT code = Standard(message, wparam, lparam) | DLGC_WANTARROWS;
            if (MemoBehaviour::WantsTab()) code |= DLGC_WANTTAB;
            return code;
        }
        case WM_KEYDOWN: {
            Host host(*this, lparam);
            behaviour_.KeyDown(host, static_cast<int>(wparam));
            return 0;
        }
        case WM_CHAR: {
            if (wparam < 0x100) {
                Host host(*this, lparam);
                if (behaviour_.KeyPress(host, static_cast<char>(wparam))) return 0;
            }
            return Standard(message, wparam, lparam);
        }
        case WM_SETFOCUS: {
            const LRESULT result = Standard(message, wparam, lparam);
            behaviour_.Enter();
            return Entered(result, on_enter);
        }
        case WM_KILLFOCUS:
            behaviour_.Exit();
            InvalidateRect(hwnd_, nullptr, TRUE);
            return Standard(message, wparam, lparam);
        case WM_PAINT: {
            const LRESULT result = Standard(message, wparam, lparam);
            const ControlColour before = behaviour_.colour();
            behaviour_.AfterPaint(IsWindowEnabled(hwnd_) != FALSE);
            if (behaviour_.colour() != before) InvalidateRect(hwnd_, nullptr, TRUE);
            return result;
        }
        case WM_ENABLE:
            InvalidateRect(hwnd_, nullptr, TRUE);
            return Standard(message, wparam, lparam);
        default:
            return Standard(message, wparam, lparam);
    }
}

}  // namespace zerkon
