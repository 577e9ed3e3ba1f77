#include "ui/m_memo_view.h"

#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <string>

#include "controls/memo_text_view.h"

namespace zerkon {

namespace {

constexpr int kLeftMargin = 2;

struct MemoViewState {
    HWND hwnd = nullptr;
    MemoTextView view;
    HFONT font = nullptr;
    int line_height = 13;
    int max_char_width = 16;
    bool all_selected = false;
    bool has_focus = false;
};

MemoViewState* StateOf(HWND hwnd) {
    return reinterpret_cast<MemoViewState*>(GetWindowLongPtrW(hwnd, 0));
}

void MeasureFont(MemoViewState& s) {
    HDC dc = GetDC(s.hwnd);
    HGDIOBJ old = SelectObject(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(s.hwnd, dc);
    s.line_height = std::max(1, static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading));
    s.max_char_width = std::max(1, static_cast<int>(metrics.tmMaxCharWidth));
}

// Wraps like a word-wrapping edit: a row ends after the last blank that fits,
// or after as many characters as fit when there is none. Lines short enough
// to fit whatever their characters are not measured at all, so a statement of
// short lines costs nothing here. The caller keeps `dc` (with the font) alive.
RowBreaker WrapToWidth(HDC dc, int width, int max_char_width) {
    return [dc, width, max_char_width](std::u16string_view line) {
        std::vector<std::size_t> rows;
        if (line.size() * static_cast<std::size_t>(max_char_width) <=
            static_cast<std::size_t>(width)) {
            return rows;
        }
        while (!line.empty()) {
            int fit = 0;
            SIZE size{};
            GetTextExtentExPointW(dc, reinterpret_cast<const wchar_t*>(line.data()),
                                  static_cast<int>(line.size()), width, &fit, nullptr, &size);
            std::size_t row = std::max<std::size_t>(1, static_cast<std::size_t>(fit));
            if (row < line.size()) {
                const std::size_t blank = line.substr(0, row + 1).find_last_of(u' ');
                if (blank != std::u16string_view::npos && blank > 0) row = blank + 1;
            }
            row = std::min(row, line.size());
            rows.push_back(row);
            line.remove_prefix(row);
        }
        return rows;
    };
}

// (Re)builds the rows of `text`, or of the current text when `text` is null.
void LayOut(MemoViewState& s, std::u16string* text) {
    RECT client{};
    GetClientRect(s.hwnd, &client);
    const int width = std::max(1, static_cast<int>(client.right) - 2 * kLeftMargin);
    HDC dc = GetDC(s.hwnd);
    HGDIOBJ old = SelectObject(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
    const RowBreaker wrap = WrapToWidth(dc, width, s.max_char_width);
    if (text) {
        s.view.SetText(std::move(*text), wrap);
    } else {
        s.view.Rewrap(wrap);
    }
    SelectObject(dc, old);
    ReleaseDC(s.hwnd, dc);
}

void UpdatePage(MemoViewState& s) {
    RECT client{};
    GetClientRect(s.hwnd, &client);
    s.view.SetPage((client.bottom - client.top) / s.line_height);
}

void UpdateScrollBar(MemoViewState& s) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = s.view.LineCount() - 1;
    info.nPage = static_cast<UINT>(s.view.page());
    info.nPos = s.view.top_line();
    SetScrollInfo(s.hwnd, SB_VERT, &info, TRUE);
}

void PlaceCaret(MemoViewState& s) {
    if (!s.has_focus) return;
    SetCaretPos(kLeftMargin, (s.view.caret_line() - s.view.top_line()) * s.line_height);
}

// After any move of the caret or the view.
void Refresh(MemoViewState& s) {
    UpdateScrollBar(s);
    PlaceCaret(s);
    InvalidateRect(s.hwnd, nullptr, TRUE);
}

void Paint(MemoViewState& s) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(s.hwnd, &paint);
    HWND parent = GetParent(s.hwnd);
    HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(
        parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(s.hwnd)));
    if (!brush) brush = GetSysColorBrush(COLOR_WINDOW);
    FillRect(dc, &paint.rcPaint, brush);
    HGDIOBJ old = SelectObject(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    if (!IsWindowEnabled(s.hwnd)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));

    RECT client{};
    GetClientRect(s.hwnd, &client);
    const int first = s.view.top_line() + static_cast<int>(paint.rcPaint.top) / s.line_height;
    const int last =
        std::min(s.view.LineCount() - 1,
                 s.view.top_line() + static_cast<int>(paint.rcPaint.bottom) / s.line_height);
    const COLORREF text_colour = GetTextColor(dc);
    for (int line = first; line <= last; ++line) {
        const int y = (line - s.view.top_line()) * s.line_height;
        const std::u16string_view text = s.view.Line(line);
        if (s.all_selected) {
            RECT band{client.left, y, client.right, y + s.line_height};
            FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        }
        TextOutW(dc, kLeftMargin, y, reinterpret_cast<const wchar_t*>(text.data()),
                 static_cast<int>(text.size()));
        SetTextColor(dc, text_colour);
    }
    SelectObject(dc, old);
    EndPaint(s.hwnd, &paint);
}

void CopyAll(MemoViewState& s) {
    if (!s.all_selected || !OpenClipboard(s.hwnd)) return;
    EmptyClipboard();
    const std::u16string& text = s.view.text();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (memory) {
        auto* target = static_cast<wchar_t*>(GlobalLock(memory));
        std::copy(text.begin(), text.end(), target);
        target[text.size()] = L'\0';
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}

void OnVScroll(MemoViewState& s, int code) {
    int top = s.view.top_line();
    switch (code) {
        case SB_LINEUP:
            --top;
            break;
        case SB_LINEDOWN:
            ++top;
            break;
        case SB_PAGEUP:
            top -= s.view.page();
            break;
        case SB_PAGEDOWN:
            top += s.view.page();
            break;
        case SB_TOP:
            top = 0;
            break;
        case SB_BOTTOM:
            top = s.view.MaxTopLine();
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(s.hwnd, SB_VERT, &info);
            top = info.nTrackPos;  // 32 bits, unlike the message's position
            break;
        }
        default:
            return;
    }
    s.view.ScrollTo(top);
    Refresh(s);
}

LRESULT CALLBACK MemoViewProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    MemoViewState* s = StateOf(hwnd);
    if (message == WM_NCCREATE) {
        auto state = std::make_unique<MemoViewState>();
        state->hwnd = hwnd;
        SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(state.release()));
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    if (!s) return DefWindowProcW(hwnd, message, wparam, lparam);

    switch (message) {
        case WM_CREATE:
            MeasureFont(*s);
            UpdatePage(*s);
            UpdateScrollBar(*s);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, 0, 0);
            delete s;
            return DefWindowProcW(hwnd, message, wparam, lparam);
        case WM_SETTEXT: {
            const auto* text = reinterpret_cast<const char16_t*>(lparam);
            std::u16string new_text = text ? std::u16string(text) : std::u16string();
            LayOut(*s, &new_text);
            s->all_selected = false;
            Refresh(*s);
            return TRUE;
        }
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(s->view.text().size());
        case WM_GETTEXT: {
            if (wparam == 0 || !lparam) return 0;
            const std::u16string& text = s->view.text();
            const std::size_t count = std::min<std::size_t>(text.size(), wparam - 1);
            auto* target = reinterpret_cast<wchar_t*>(lparam);
            std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(count), target);
            target[count] = L'\0';
            return static_cast<LRESULT>(count);
        }
        case WM_SETFONT:
            s->font = reinterpret_cast<HFONT>(wparam);
            MeasureFont(*s);
            UpdatePage(*s);
            LayOut(*s, nullptr);
            if (LOWORD(lparam)) Refresh(*s);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(s->font);
        case WM_SIZE:
            UpdatePage(*s);
            LayOut(*s, nullptr);
            Refresh(*s);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint(*s);
            return 0;
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_HASSETSEL;
        case WM_SETFOCUS:
            s->has_focus = true;
            CreateCaret(hwnd, nullptr, 1, s->line_height);
            PlaceCaret(*s);
            ShowCaret(hwnd);
            return 0;
        case WM_KILLFOCUS:
            s->has_focus = false;
            DestroyCaret();
            return 0;
        case WM_LBUTTONDOWN:
            SetFocus(hwnd);
            s->all_selected = false;
            s->view.SetCaretLine(s->view.top_line() + GET_Y_LPARAM(lparam) / s->line_height);
            Refresh(*s);
            return 0;
        case WM_MOUSEWHEEL: {
            const int notches = GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA;
            s->view.ScrollTo(s->view.top_line() - 3 * notches);
            Refresh(*s);
            return 0;
        }
        case WM_VSCROLL:
            OnVScroll(*s, LOWORD(wparam));
            return 0;
        case WM_KEYDOWN: {
            const bool ctrl = GetKeyState(VK_CONTROL) < 0;
            if (ctrl && wparam == 'A') {
                s->all_selected = true;
                Refresh(*s);
            } else if (ctrl && (wparam == 'C' || wparam == VK_INSERT)) {
                CopyAll(*s);
            } else if (s->view.Navigate(static_cast<int>(wparam), ctrl)) {
                s->all_selected = false;
                Refresh(*s);
            }
            return 0;
        }
        case WM_CHAR:
            return 0;  // read-only
        case WM_COPY:
            CopyAll(*s);
            return 0;
        case EM_GETLINECOUNT:
            return s->view.LineCount();
        case EM_LINEFROMCHAR:
            if (static_cast<int>(wparam) == -1) return s->view.caret_line();
            return s->view.LineFromChar(wparam);
        case EM_LINEINDEX: {
            const int line =
                static_cast<int>(wparam) == -1 ? s->view.caret_line() : static_cast<int>(wparam);
            if (line < 0 || line >= s->view.LineCount()) return -1;
            return static_cast<LRESULT>(s->view.LineStart(line));
        }
        case EM_LINELENGTH:
            return static_cast<LRESULT>(
                s->view.Line(s->view.LineFromChar(static_cast<std::size_t>(wparam))).size());
        case EM_GETFIRSTVISIBLELINE:
            return s->view.top_line();
        case EM_GETSEL: {
            const DWORD start =
                s->all_selected ? 0 : static_cast<DWORD>(s->view.LineStart(s->view.caret_line()));
            const DWORD end = s->all_selected ? static_cast<DWORD>(s->view.text().size()) : start;
            if (wparam) *reinterpret_cast<DWORD*>(wparam) = start;
            if (lparam) *reinterpret_cast<DWORD*>(lparam) = end;
            return MAKELRESULT(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF));
        }
        case EM_SETSEL: {
            const auto start = static_cast<long long>(static_cast<int>(wparam));
            const auto end = static_cast<long long>(static_cast<int>(lparam));
            s->all_selected =
                start == 0 && (end == -1 || end >= static_cast<long long>(s->view.text().size()));
            if (!s->all_selected && start >= 0) {
                s->view.SetCaretLine(s->view.LineFromChar(static_cast<std::size_t>(start)));
            }
            Refresh(*s);
            return 0;
        }
        case EM_SCROLLCARET:
            s->view.SetCaretLine(s->view.caret_line());
            Refresh(*s);
            return TRUE;
        case EM_SETLIMITTEXT:
        case EM_SETREADONLY:
            return TRUE;
        default:
            return DefWindowProcW(hwnd, message, wparam, lparam);
    }
}

}  // namespace

void RegisterMemoViewClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = MemoViewProc;
    window_class.cbWndExtra = sizeof(LONG_PTR);
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
    window_class.lpszClassName = kMemoViewClass;
    RegisterClassExW(&window_class);
    registered = true;
}

}  // namespace zerkon
