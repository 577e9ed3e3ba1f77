#include "ui/m_edit.h"

#include <vector>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "platform/win32/message_boxes_win32.h"
#include "platform/win32/user_regional_settings.h"
#include "platform/win32/wide_text.h"

namespace zerkon {

namespace {

// Posted to a field whose exit found an error: shows the message and takes
// the focus back once the focus change that caused the exit is over.
constexpr UINT kReportExit = WM_APP + 0x2E0;

// While one field of a window reports its exit error and takes focus back, the
// fields that focus passes through on the way are not checked: their entry was
// no choice of the user, and their own errors would answer each other forever.
// The mark is the window's own, on its top-level window.
constexpr wchar_t kReportingProperty[] = L"Zerkon.EditReporting";

bool Reporting(HWND field) {
    return GetPropW(GetAncestor(field, GA_ROOT), kReportingProperty) != nullptr;
}

void SetReporting(HWND field, bool reporting) {
    HWND root = GetAncestor(field, GA_ROOT);
    if (reporting) {
        SetPropW(root, kReportingProperty, reinterpret_cast<HANDLE>(1));
    } else {
        RemovePropW(root, kReportingProperty);
    }
}

char SystemUpper(char c) {
    wchar_t w[2] = {static_cast<wchar_t>(Cp1250ToUnicode(static_cast<unsigned char>(c))), 0};
    CharUpperBuffW(w, 1);
    return UnicodeToCp1250(w[0]);
}

char SystemLower(char c) {
    wchar_t w[2] = {static_cast<wchar_t>(Cp1250ToUnicode(static_cast<unsigned char>(c))), 0};
    CharLowerBuffW(w, 1);
    return UnicodeToCp1250(w[0]);
}

FocusTargetState TargetState(HWND target) {
    if (!target || !IsWindow(target)) return {};
    return {true, IsWindowEnabled(target) != FALSE, IsWindowVisible(target) != FALSE};
}

// The window whose tab order a field moves in: the parent, or the nearest
// ancestor that is no control container.
HWND TabRoot(HWND field) {
    HWND root = GetParent(field);
    while (root && (GetWindowLongW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) &&
           (GetWindowLongW(root, GWL_STYLE) & WS_CHILD)) {
        root = GetParent(root);
    }
    return root;
}

bool ChangesText(UINT message) {
    switch (message) {
        case WM_CHAR:
        case WM_KEYDOWN:
        case WM_SETTEXT:
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
        case EM_REPLACESEL:
            return true;
        default:
            return false;
    }
}

edit::ShiftState CurrentShiftState() {
    return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
}

}  // namespace

TMEdit::TMEdit(HWND parent, const EditOptions& options)
    : pick_list_popup_(options.pick_list_popup), behavior_(options.settings) {
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | ES_AUTOHSCROLL;
    if (options.visible) style |= WS_VISIBLE;
    if (options.tab_stop) style |= WS_TABSTOP;
    if (!options.enabled) style |= WS_DISABLED;
    if (options.read_only) style |= ES_READONLY;
    if (options.password_char) style |= ES_PASSWORD;
    const std::wstring text = Wide(options.text);
    Subclass(CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", text.c_str(), style, options.left,
                             options.top, options.width, options.height, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(options.id)),
                             GetModuleHandleW(nullptr), nullptr));
    HFONT font = options.font ? options.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (options.max_length > 0) Standard(EM_LIMITTEXT, options.max_length, 0);
    if (options.password_char) Standard(EM_SETPASSWORDCHAR, options.password_char, 0);

    edit::EditSettings& s = behavior_.settings();
    s.max_length = options.max_length;
    s.password_char = options.password_char ? UnicodeToCp1250(options.password_char) : 0;
    edit::EditState& st = behavior_.state();
    st.text = options.text;
    st.colour = options.colour;
    st.enabled = options.enabled;
    st.read_only = options.read_only;
    behavior_.Loaded(Environment());
    WriteEdit();
    if (s.button_visible) SetButtonVisible(true);
    // The version is set last: it fits a masked field's text to its mask once, as it is made.
    SetVersion(edit::kEditVersion);
    last_text_ = Text();
}

TMEdit::~TMEdit() {
    if (report_pending_) SetReporting(hwnd_, false);
    if (button_ && IsWindow(button_)) DestroyWindow(button_);
}

edit::EditEnvironment TMEdit::Environment() const {
    edit::EditEnvironment env;
    const RegionalSettings regional = UserRegionalSettings();
    env.decimal_separator = regional.decimal_separator;
    env.thousands_separator = regional.thousands_separator;
    SYSTEMTIME t;
    GetLocalTime(&t);
    env.now.now = {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    env.now.millisecond = t.wMilliseconds;
    env.upper = SystemUpper;
    env.lower = SystemLower;
    env.far_east_locale = GetSystemMetrics(SM_DBCSENABLED) != 0;
    env.targets[static_cast<size_t>(edit::FocusSlot::Down)] = TargetState(focus_control.down);
    env.targets[static_cast<size_t>(edit::FocusSlot::PgDown)] = TargetState(focus_control.pg_down);
    env.targets[static_cast<size_t>(edit::FocusSlot::PgUp)] = TargetState(focus_control.pg_up);
    env.targets[static_cast<size_t>(edit::FocusSlot::Up)] = TargetState(focus_control.up);
    return env;
}

std::string TMEdit::Text() const {
    const int length = GetWindowTextLengthW(hwnd_);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int got = GetWindowTextW(hwnd_, buffer.data(), length + 1);
    return Narrow(std::wstring_view(buffer.data(), static_cast<size_t>(got)));
}

void TMEdit::WriteText(const std::string& text) {
    const std::wstring wide = Wide(text);
    Standard(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

// The EDIT holds the truth for text and selection between events.
void TMEdit::ReadEdit() {
    edit::EditState& st = behavior_.state();
    st.text = Text();
    DWORD start = 0;
    DWORD end = 0;
    Standard(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    st.sel_start = static_cast<int>(start);
    st.sel_length = static_cast<int>(end - start);
    st.enabled = IsWindowEnabled(hwnd_) != FALSE;
}

void TMEdit::WriteEdit() {
    const edit::EditState& st = behavior_.state();
    if (Text() != st.text) WriteText(st.text);
    DWORD start = 0;
    DWORD end = 0;
    Standard(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (static_cast<int>(start) != st.sel_start ||
        static_cast<int>(end) != st.sel_start + st.sel_length) {
        Standard(EM_SETSEL, st.sel_start, st.sel_start + st.sel_length);
    }
    // Changing the read-only state redraws the edit: only when it changes.
    const bool read_only = (GetWindowLongW(hwnd_, GWL_STYLE) & ES_READONLY) != 0;
    if (read_only != st.read_only) Standard(EM_SETREADONLY, st.read_only, 0);
    CheckTextChange();
}

void TMEdit::CheckTextChange() {
    if (changing_text_) return;
    std::string now = Text();
    if (now == last_text_) return;
    last_text_ = now;
    behavior_.state().text = now;
    behavior_.TextChanged();
    if (on_change) {
        changing_text_ = true;
        on_change(*this);
        changing_text_ = false;
    }
}

void TMEdit::SetText(const std::string& text) {
    WriteText(text);
    CheckTextChange();
}

void TMEdit::SetValue(Amount value) {
    ReadEdit();
    behavior_.SetValue(value, Environment());
    WriteEdit();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TMEdit::SetColor(ControlColour colour) {
    behavior_.state().colour = colour;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TMEdit::SetEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled);
    behavior_.state().enabled = enabled;
    InvalidateRect(hwnd_, nullptr, TRUE);
    PositionChanged();
}

void TMEdit::SetVisible(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
    PositionChanged();
}

void TMEdit::SetVersion(const std::string&) {
    ReadEdit();
    behavior_.WriteVersion();
    WriteEdit();
}

void TMEdit::Focus() {
    SetFocus(hwnd_);
}

void TMEdit::MoveFocus(edit::FocusMove move) {
    HWND target = nullptr;
    switch (move) {
        case edit::FocusMove::None:
            return;
        case edit::FocusMove::Next:
        case edit::FocusMove::Previous:
            target = move == edit::FocusMove::Next ? key_next : key_previous;
            if (!target) {
                target =
                    GetNextDlgTabItem(TabRoot(hwnd_), hwnd_, move == edit::FocusMove::Previous);
            }
            break;
        case edit::FocusMove::Down:
            target = focus_control.down;
            break;
        case edit::FocusMove::Up:
            target = focus_control.up;
            break;
        case edit::FocusMove::PgDown:
            target = focus_control.pg_down;
            break;
        case edit::FocusMove::PgUp:
            target = focus_control.pg_up;
            break;
    }
    if (target && target != hwnd_) SetFocus(target);
}

void TMEdit::ShowWarning(const std::string& message) {
    if (on_error) {
        on_error(*this, message);
        return;
    }
    Win32MessageBoxes boxes(GetAncestor(hwnd_, GA_ROOT));
    boxes.Show(message, "Upozornění"_cz, MessageIcon::Warning, MessageButtons::Ok);
}

void TMEdit::ReportExit() {
    report_pending_ = false;
    std::string message = std::move(pending_message_);
    pending_message_.clear();
    // Focus goes back first, so that the message box hands it back to this
    // field when it closes.
    returning_after_report_ = true;
    SetFocus(hwnd_);
    if (!message.empty()) ShowWarning(message);
    if (GetFocus() != hwnd_) SetFocus(hwnd_);
    returning_after_report_ = false;
    SetReporting(hwnd_, false);
    if (pending_on_exit_) {
        pending_on_exit_ = false;
        if (on_exit) on_exit(*this);
    }
}

LRESULT TMEdit::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    const LRESULT result = Dispatch(message, wparam, lparam);
    if (ChangesText(message)) CheckTextChange();
    return result;
}

LRESULT TMEdit::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_GETDLGCODE:
            return OnGetDlgCode(wparam, lparam);
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            return OnKeyDown(message, wparam, lparam);
        case WM_CHAR:
            return OnChar(wparam, lparam);
        case WM_SETFOCUS:
            return OnSetFocus(wparam, lparam);
        case WM_KILLFOCUS:
            return OnKillFocus(wparam, lparam);
        case kReportExit:
            ReportExit();
            return 0;
        case WM_PAINT:
        case WM_PRINTCLIENT:
            return OnPaint(message, wparam, lparam);
        case WM_ERASEBKGND:
            if (behavior_.Paint().custom) return 1;
            return Standard(message, wparam, lparam);
        case WM_ENABLE:
            behavior_.state().enabled = wparam != 0;
            InvalidateRect(hwnd_, nullptr, TRUE);
            return Standard(message, wparam, lparam);
        case WM_SIZE:
            return AfterStandard(message, wparam, lparam, &TMEdit::SizeChanged);
        case WM_MOVE:
            return AfterStandard(message, wparam, lparam, &TMEdit::PositionChanged);
        case WM_SETFONT:
            return AfterStandard(message, wparam, lparam, &TMEdit::LayoutButton);
        case WM_COMMAND:
            return OnCommand(wparam, lparam);
        default:
            return Standard(message, wparam, lparam);
    }
}

LRESULT TMEdit::AfterStandard(UINT message, WPARAM wparam, LPARAM lparam, void (TMEdit::*then)()) {
    const LRESULT result = Standard(message, wparam, lparam);
    (this->*then)();
    return result;
}

void TMEdit::SizeChanged() {
    LayoutButton();
    PositionChanged();
}

LRESULT TMEdit::OnGetDlgCode(WPARAM wparam, LPARAM lparam) {
    // The selection on entry is the control's own policy: the dialog manager
    // is not to select the whole text behind its back.
    LRESULT code = (Standard(WM_GETDLGCODE, wparam, lparam) & ~DLGC_HASSETSEL) | DLGC_WANTARROWS;
    auto* msg = reinterpret_cast<const MSG*>(lparam);
    if (msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
        msg->wParam == VK_RETURN && behavior_.settings().key_enter) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

LRESULT TMEdit::OnKeyDown(UINT message, WPARAM wparam, LPARAM lparam) {
    ReadEdit();
    const edit::ShiftState shift = CurrentShiftState();
    WORD key = static_cast<WORD>(wparam);
    if (behavior_.settings().key_first_inherited && on_key_down) on_key_down(*this, key, shift);
    const std::string before = behavior_.state().text;
    const edit::KeyResult r = behavior_.KeyDown(key, shift, Environment());
    if (behavior_.state().text != before || r.key == 0) WriteEdit();
    if (r.focus != edit::FocusMove::None) MoveFocus(r.focus);
    if (r.click_button) ClickButton();
    key = static_cast<WORD>(r.key);
    if (key != 0 && r.owner_event_after && on_key_down) on_key_down(*this, key, shift);
    if (key != 0) return Standard(message, key, lparam);
    return 0;
}

LRESULT TMEdit::OnChar(WPARAM wparam, LPARAM lparam) {
    ReadEdit();
    const char ch =
        wparam < 0x80 ? static_cast<char>(wparam) : UnicodeToCp1250(static_cast<char32_t>(wparam));
    const std::string before = behavior_.state().text;
    const int before_start = behavior_.state().sel_start;
    edit::CharResult r;
    char rewritten = behavior_.CharMessage(ch);
    if (rewritten != 0) {
        if (behavior_.settings().key_first_inherited && on_key_press) {
            on_key_press(*this, rewritten);
        }
        r = behavior_.KeyPress(rewritten, Environment());
    }
    if (behavior_.state().text != before || behavior_.state().sel_start != before_start) {
        WriteEdit();
    }
    if (r.focus != edit::FocusMove::None) {
        MoveFocus(r.focus);
        return 0;
    }
    if (r.ch != 0 && r.owner_event_after && on_key_press) on_key_press(*this, r.ch);
    if (r.ch == 0) return 0;
    const WPARAM out =
        r.ch == ch && wparam >= 0x80 ? wparam : Cp1250ToUnicode(static_cast<unsigned char>(r.ch));
    return Standard(WM_CHAR, out, lparam);
}

LRESULT TMEdit::OnSetFocus(WPARAM wparam, LPARAM lparam) {
    const LRESULT result = Standard(WM_SETFOCUS, wparam, lparam);
    if (away_ || returning_after_report_) {
        // Back from another window (a pop-up, a message box, another
        // program), or taken back to report an exit error: the field was
        // never entered anew.
        away_ = false;
        InvalidateRect(hwnd_, nullptr, TRUE);
        return result;
    }
    ReadEdit();
    behavior_.Enter(GetKeyState(VK_LBUTTON) < 0, Environment());
    WriteEdit();
    InvalidateRect(hwnd_, nullptr, TRUE);
    if (on_enter) on_enter(*this);
    return result;
}

LRESULT TMEdit::OnKillFocus(WPARAM wparam, LPARAM lparam) {
    HWND to = reinterpret_cast<HWND>(wparam);
    if (!to || GetAncestor(to, GA_ROOT) != GetAncestor(hwnd_, GA_ROOT)) {
        // Focus goes to another window: the field stays its window's active
        // control and is not left (as in a dialog).
        away_ = true;
        return Standard(WM_KILLFOCUS, wparam, lparam);
    }
    ReadEdit();
    const edit::ExitResult r = behavior_.Exit(Environment());
    WriteEdit();
    const LRESULT result = Standard(WM_KILLFOCUS, wparam, lparam);
    InvalidateRect(hwnd_, nullptr, TRUE);
    if (r.refocus && !Reporting(hwnd_)) {
        SetReporting(hwnd_, true);
        pending_message_ = r.message.value_or(std::string());
        pending_on_exit_ = r.fire_on_exit;
        report_pending_ = true;
        PostMessageW(hwnd_, kReportExit, 0, 0);
    } else if (r.fire_on_exit && on_exit) {
        on_exit(*this);
    }
    return result;
}

LRESULT TMEdit::OnPaint(UINT message, WPARAM wparam, LPARAM lparam) {
    // WM_PRINTCLIENT is the paint-copy mode.
    const bool print = message == WM_PRINTCLIENT;
    const edit::PaintPlan plan = behavior_.Paint(print);
    if (!plan.custom) return Standard(message, wparam, lparam);
    CustomPaint(plan, print ? reinterpret_cast<HDC>(wparam) : nullptr);
    return 0;
}

LRESULT TMEdit::OnCommand(WPARAM wparam, LPARAM lparam) {
    if (button_ && reinterpret_cast<HWND>(lparam) == button_ && HIWORD(wparam) == BN_CLICKED) {
        ClickButton();
        return 0;
    }
    return Standard(WM_COMMAND, wparam, lparam);
}

}  // namespace zerkon
