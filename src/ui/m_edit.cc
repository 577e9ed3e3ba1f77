#include "ui/m_edit.h"

#include <vector>

#include "common/cp1250.h"
#include "platform/win32/user_regional_settings.h"
#include "platform/win32/wide_text.h"

namespace zerkon {

namespace {

PickListPopupFn g_pick_list_popup = nullptr;

// Posted to a field whose exit found an error: shows the message and takes
// the focus back once the focus change that caused the exit is over.
constexpr UINT kReportExit = WM_APP + 0x2E0;

// While one field reports its exit error and takes focus back, the fields
// that focus passes through on the way are not checked: their entry was no
// choice of the user, and their own errors would answer each other forever.
bool g_reporting = false;

// "Upozornění", the caption of the warning box.
constexpr wchar_t kWarningCaption[] = L"Upozorn\u011Bn\u00ED";

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

edit::FocusTargetState TargetState(HWND target) {
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

COLORREF Rgb(edit::Colour colour) {
    return ColourBrush::Resolve(colour);
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

}  // namespace

void SetPickListPopup(PickListPopupFn popup) {
    g_pick_list_popup = popup;
}
PickListPopupFn GetPickListPopup() {
    return g_pick_list_popup;
}

POINT LabelOrigin(const RECT& edit, SIZE label, LabelPosition position, int spacing) {
    const int height = edit.bottom - edit.top;
    switch (position) {
        case LabelPosition::lpBelow:
            return {edit.left, edit.bottom + spacing};
        case LabelPosition::lpLeft:
            return {edit.left - label.cx - spacing, edit.top + (height - label.cy) / 2};
        case LabelPosition::lpRight:
            return {edit.right + spacing, edit.top + (height - label.cy) / 2};
        case LabelPosition::lpAbove:
            break;
    }
    return {edit.left, edit.top - label.cy - spacing};
}

TMEdit::TMEdit(HWND parent, const EditOptions& options) : behavior_(options.settings) {
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | ES_AUTOHSCROLL;
    if (options.visible) style |= WS_VISIBLE;
    if (options.tab_stop) style |= WS_TABSTOP;
    if (!options.enabled) style |= WS_DISABLED;
    if (options.read_only) style |= ES_READONLY;
    if (options.password_char) style |= ES_PASSWORD;
    const std::wstring text = Wide(options.text);
    hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", text.c_str(), style, options.left,
                            options.top, options.width, options.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(options.id)),
                            GetModuleHandleW(nullptr), nullptr);
    HFONT font = options.font ? options.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (options.max_length > 0) SendMessageW(hwnd_, EM_LIMITTEXT, options.max_length, 0);
    if (options.password_char) SendMessageW(hwnd_, EM_SETPASSWORDCHAR, options.password_char, 0);
    Attach(hwnd_);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMEdit::Proc)));

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
    // The stored layout writes Version last.
    SetVersion(edit::kEditVersion);
    last_text_ = Text();
}

TMEdit::~TMEdit() {
    if (report_pending_) g_reporting = false;
    if (IsWindow(hwnd_)) {
        if (button_) DestroyWindow(button_);
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        RemovePropW(hwnd_, L"ZerkonColouredControl");
    }
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
    CallWindowProcW(original_, hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

// The EDIT holds the truth for text and selection between events.
void TMEdit::ReadEdit() {
    edit::EditState& st = behavior_.state();
    st.text = Text();
    DWORD start = 0;
    DWORD end = 0;
    CallWindowProcW(original_, hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                    reinterpret_cast<LPARAM>(&end));
    st.sel_start = static_cast<int>(start);
    st.sel_length = static_cast<int>(end - start);
    st.enabled = IsWindowEnabled(hwnd_) != FALSE;
}

void TMEdit::WriteEdit() {
    const edit::EditState& st = behavior_.state();
    if (Text() != st.text) WriteText(st.text);
    CallWindowProcW(original_, hwnd_, EM_SETSEL, st.sel_start, st.sel_start + st.sel_length);
    CallWindowProcW(original_, hwnd_, EM_SETREADONLY, st.read_only, 0);
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

void TMEdit::SetValue(edit::Currency value) {
    ReadEdit();
    behavior_.SetValue(value, Environment());
    WriteEdit();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TMEdit::SetColor(edit::Colour colour) {
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

void TMEdit::SetButtonVisible(bool visible) {
    behavior_.settings().button_visible = visible;
    if (visible && !button_) {
        const std::wstring caption = Wide(behavior_.settings().button_caption);
        button_ = CreateWindowExW(0, L"BUTTON", caption.c_str(),
                                  WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_FLAT, 0, 0, 0, 0,
                                  hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(button_, WM_SETFONT, SendMessageW(hwnd_, WM_GETFONT, 0, 0), FALSE);
    } else if (!visible && button_) {
        DestroyWindow(button_);
        button_ = nullptr;
    }
    LayoutButton();
}

void TMEdit::SetButtonWidth(int width) {
    if (!button_) return;  // without the button the width stays as it was
    RECT r;
    GetWindowRect(hwnd_, &r);
    int w = edit::ClampButtonWidth(width, r.right - r.left);
    behavior_.settings().button_width = w;
    CallWindowProcW(original_, hwnd_, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELONG(0, w + 2));
    LayoutButton();
}

HFONT TMEdit::ButtonFont() const {
    HWND owner = button_ ? button_ : hwnd_;
    return reinterpret_cast<HFONT>(SendMessageW(owner, WM_GETFONT, 0, 0));
}

void TMEdit::SetButtonFont(HFONT font) {
    SendMessageW(button_ ? button_ : hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void TMEdit::SetButtonCaption(const std::string& caption) {
    behavior_.settings().button_caption = caption;
    if (button_) SetWindowTextW(button_, Wide(caption).c_str());
}

void TMEdit::LayoutButton() {
    RECT r;
    GetWindowRect(hwnd_, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int button_width = button_ ? behavior_.settings().button_width : 0;
    edit::SideButtonLayout layout = edit::LayoutSideButton(width, height, button_width, true);
    if (button_) {
        const edit::EditRect& b = layout.button;
        MoveWindow(button_, b.left, b.top, b.right - b.left, b.bottom - b.top, TRUE);
        // A single-line EDIT may ignore the formatting rectangle; the margin
        // keeps the text from under the button all the same.
        CallWindowProcW(original_, hwnd_, EM_SETMARGINS, EC_RIGHTMARGIN,
                        MAKELONG(0, button_width + 2));
    } else {
        CallWindowProcW(original_, hwnd_, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELONG(0, 0));
    }
    RECT format{layout.format.left, layout.format.top, layout.format.right, layout.format.bottom};
    CallWindowProcW(original_, hwnd_, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
}

void TMEdit::ClickButton() {
    ReadEdit();
    if (behavior_.ButtonClickTakesFocus() && GetFocus() != hwnd_) SetFocus(hwnd_);
    ReadEdit();
    edit::ButtonClickStart start = behavior_.BeginButtonClick();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (start.open_pick_list) {
        PickListResult result;
        if (g_pick_list_popup) {
            const edit::EditSettings& s = behavior_.settings();
            PickListRequest request;
            request.field = hwnd_;
            request.items = s.combo_box.Items;
            request.current_text = behavior_.state().text;
            request.drop_down_count = start.drop_down_count;
            request.sorted = s.combo_box.Sorted;
            request.close_if_mouse_leave = s.combo_box.CloseIfMouseLeave;
            request.font = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
            result = g_pick_list_popup(request);
        }
        ReadEdit();
        behavior_.PickListClosed(result.accepted, result.value);
        WriteEdit();
    }
    if (on_click_button) {
        on_click_button(*this);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    behavior_.EndButtonClick();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TMEdit::MoveFocus(edit::FocusMove move) {
    HWND target = nullptr;
    switch (move) {
        case edit::FocusMove::None:
            return;
        case edit::FocusMove::Next:
        case edit::FocusMove::Previous:
            target = GetNextDlgTabItem(TabRoot(hwnd_), hwnd_, move == edit::FocusMove::Previous);
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

void TMEdit::ReportExit() {
    report_pending_ = false;
    std::string message = std::move(pending_message_);
    pending_message_.clear();
    // Focus goes back first, so that the message box hands it back to this
    // field when it closes.
    SetFocus(hwnd_);
    if (!message.empty()) {
        if (on_error) {
            on_error(*this, message);
        } else {
            const std::wstring text = Wide(message);
            MessageBoxW(GetAncestor(hwnd_, GA_ROOT), text.c_str(), kWarningCaption,
                        MB_OK | MB_ICONWARNING);
        }
    }
    if (GetFocus() != hwnd_) SetFocus(hwnd_);
    g_reporting = false;
    if (pending_on_exit_) {
        pending_on_exit_ = false;
        if (on_exit) on_exit(*this);
    }
}

void TMEdit::CustomPaint(const edit::PaintPlan& plan, HDC print_dc) {
    PAINTSTRUCT ps;
    HDC dc = print_dc ? print_dc : BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    HBRUSH brush = CreateSolidBrush(Rgb(plan.colour));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    HGDIOBJ old_font = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, GetSysColor(plan.gray_text ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring text = Wide(plan.display);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    // A 3D single border: one pixel down, and the edit's own left margin.
    const int top = 1;
    const int left_margin = LOWORD(CallWindowProcW(original_, hwnd_, EM_GETMARGINS, 0, 0));
    const int left = top + left_margin;
    const int width = client.right - client.left;
    int x = left;
    if (plan.alignment == edit::PaintAlignment::Right) x = width - size.cx - left - 1;
    if (plan.alignment == edit::PaintAlignment::Centre) x = (width - size.cx) / 2;
    ExtTextOutW(dc, x, top, ETO_CLIPPED, &client, text.c_str(), static_cast<UINT>(text.size()),
                nullptr);
    SelectObject(dc, old_font);
    if (!print_dc) EndPaint(hwnd_, &ps);
}

LRESULT CALLBACK TMEdit::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* control = reinterpret_cast<TMEdit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!control) return DefWindowProcW(hwnd, message, wparam, lparam);
    LRESULT result = control->Handle(message, wparam, lparam);
    if (ChangesText(message)) control->CheckTextChange();
    return result;
}

LRESULT TMEdit::Standard(UINT message, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcW(original_, hwnd_, message, wparam, lparam);
}

LRESULT TMEdit::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_GETDLGCODE: {
            // The selection on entry is the control's own policy: the dialog
            // manager is not to select the whole text behind its back.
            LRESULT code = (Standard(message, wparam, lparam) & ~DLGC_HASSETSEL) | DLGC_WANTARROWS;
            auto* msg = reinterpret_cast<const MSG*>(lparam);
            if (msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
                msg->wParam == VK_RETURN && behavior_.settings().key_enter) {
                code |= DLGC_WANTMESSAGE;
            }
            return code;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            ReadEdit();
            edit::ShiftState shift{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                                   GetKeyState(VK_MENU) < 0};
            WORD key = static_cast<WORD>(wparam);
            if (behavior_.settings().key_first_inherited && on_key_down) {
                on_key_down(*this, key, shift);
            }
            const std::string before = behavior_.state().text;
            edit::KeyResult r = behavior_.KeyDown(key, shift, Environment());
            if (behavior_.state().text != before || r.key == 0) WriteEdit();
            if (r.focus != edit::FocusMove::None) MoveFocus(r.focus);
            if (r.click_button) ClickButton();
            key = static_cast<WORD>(r.key);
            if (key != 0 && r.owner_event_after && on_key_down) on_key_down(*this, key, shift);
            if (key != 0) return Standard(message, key, lparam);
            return 0;
        }
        case WM_CHAR: {
            ReadEdit();
            const char ch = wparam < 0x80 ? static_cast<char>(wparam)
                                          : UnicodeToCp1250(static_cast<char32_t>(wparam));
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
            const WPARAM out = r.ch == ch && wparam >= 0x80
                                   ? wparam
                                   : Cp1250ToUnicode(static_cast<unsigned char>(r.ch));
            return Standard(message, out, lparam);
        }
        case WM_SETFOCUS: {
            LRESULT result = Standard(message, wparam, lparam);
            if (away_) {
                // Back from another window (a pop-up, a message box, another
                // program): the field never left its own window.
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
        case WM_KILLFOCUS: {
            HWND to = reinterpret_cast<HWND>(wparam);
            if (!to || GetAncestor(to, GA_ROOT) != GetAncestor(hwnd_, GA_ROOT)) {
                // Focus goes to another window: the field stays its window's
                // active control and is not left (as with the toolkit's forms).
                away_ = true;
                return Standard(message, wparam, lparam);
            }
            ReadEdit();
            edit::ExitResult r = behavior_.Exit(Environment());
            WriteEdit();
            LRESULT result = Standard(message, wparam, lparam);
            InvalidateRect(hwnd_, nullptr, TRUE);
            if (r.refocus && !g_reporting) {
                g_reporting = true;
                pending_message_ = r.message.value_or(std::string());
                pending_on_exit_ = r.fire_on_exit;
                report_pending_ = true;
                PostMessageW(hwnd_, kReportExit, 0, 0);
            } else if (r.fire_on_exit && on_exit) {
                on_exit(*this);
            }
            return result;
        }
        case kReportExit:
            ReportExit();
            return 0;
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            // WM_PRINTCLIENT is the paint-copy mode.
            edit::PaintPlan plan = behavior_.Paint(message == WM_PRINTCLIENT);
            if (plan.custom) {
                CustomPaint(plan,
                            message == WM_PRINTCLIENT ? reinterpret_cast<HDC>(wparam) : nullptr);
                return 0;
            }
            return Standard(message, wparam, lparam);
        }
        case WM_ERASEBKGND:
            if (behavior_.Paint().custom) return 1;
            return Standard(message, wparam, lparam);
        case WM_ENABLE:
            behavior_.state().enabled = wparam != 0;
            InvalidateRect(hwnd_, nullptr, TRUE);
            return Standard(message, wparam, lparam);
        case WM_SIZE: {
            LRESULT result = Standard(message, wparam, lparam);
            LayoutButton();
            PositionChanged();
            return result;
        }
        case WM_MOVE: {
            LRESULT result = Standard(message, wparam, lparam);
            PositionChanged();
            return result;
        }
        case WM_COMMAND:
            if (button_ && reinterpret_cast<HWND>(lparam) == button_ &&
                HIWORD(wparam) == BN_CLICKED) {
                ClickButton();
                return 0;
            }
            return Standard(message, wparam, lparam);
        case WM_SETCURSOR:
            if (button_ && reinterpret_cast<HWND>(wparam) == button_) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            return Standard(message, wparam, lparam);
        case WM_SETFONT: {
            LRESULT result = Standard(message, wparam, lparam);
            LayoutButton();
            return result;
        }
        default:
            return Standard(message, wparam, lparam);
    }
}

}  // namespace zerkon
