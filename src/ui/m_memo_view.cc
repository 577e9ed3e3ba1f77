#include "ui/m_memo_view.h"

#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>

#include "common/cp1250.h"
#include "controls/memo_text_view.h"
#include "ui/display_dpi.h"

namespace zerkon {

namespace {

// lParam: a std::string* whose text the view takes; answers TRUE or FALSE.
constexpr UINT kTakeProgramText = WM_USER + 0x301;

wchar_t Unicode(char c) {
    return static_cast<wchar_t>(Cp1250ToUnicode(static_cast<unsigned char>(c)));
}

class MemoView {
  public:
    explicit MemoView(HWND hwnd) : hwnd_(hwnd) {}
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

    void OnCreate();
    bool OnTakeText(std::string& text);
    LRESULT OnGetText(std::size_t capacity, wchar_t* target) const;
    void OnSetFont(HFONT font, bool redraw);
    void OnSize();
    void OnPaint();
    void OnSetFocus();
    void OnKillFocus();
    void OnLButtonDown(int y);
    void OnMouseWheel(int delta);
    void OnVScroll(int code);
    void OnKeyDown(WPARAM key);
    LRESULT OnGetSel(DWORD* start, DWORD* end) const;
    void OnSetSel(int start, int end);
    LRESULT OnLineIndex(int line) const;
    void CopyAll();

    HFONT Font() const {
        return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    void MeasureFont();
    void LayOut();
    void UpdateRowWidth();
    void UpdatePage();
    void UpdateScrollBar();
    void PlaceCaret();
    void Refresh();

    HWND hwnd_;
    MemoTextView view_;
    HFONT font_ = nullptr;
    int line_height_ = 13;
    int left_margin_ = 2;  // 2 pixels at 96 DPI
    RowWidths widths_;
    std::wstring line_;  // the line being drawn, in UTF-16
    bool all_selected_ = false;
    bool has_focus_ = false;
};

LRESULT CALLBACK MemoView::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* view = reinterpret_cast<MemoView*>(GetWindowLongPtrW(hwnd, 0));
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(new MemoView(hwnd)));
    } else if (message == WM_NCDESTROY && view) {
        SetWindowLongPtrW(hwnd, 0, 0);
        delete view;
    } else if (view) {
        return view->HandleMessage(message, wparam, lparam);
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT MemoView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case kTakeProgramText:
            return OnTakeText(*reinterpret_cast<std::string*>(lparam));
        case WM_SETTEXT: {
            const auto* text = reinterpret_cast<const char16_t*>(lparam);
            std::string program_text = text ? Utf16ToCp1250(text) : std::string();
            return OnTakeText(program_text);
        }
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(view_.text().size());
        case WM_GETTEXT:
            return OnGetText(wparam, reinterpret_cast<wchar_t*>(lparam));
        case WM_SETFONT:
            OnSetFont(reinterpret_cast<HFONT>(wparam), LOWORD(lparam) != 0);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_SIZE:
            OnSize();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ENABLE:
            InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_HASSETSEL;
        case WM_SETFOCUS:
            OnSetFocus();
            return 0;
        case WM_KILLFOCUS:
            OnKillFocus();
            return 0;
        case WM_LBUTTONDOWN:
            OnLButtonDown(GET_Y_LPARAM(lparam));
            return 0;
        case WM_MOUSEWHEEL:
            OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wparam));
            return 0;
        case WM_VSCROLL:
            OnVScroll(LOWORD(wparam));
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(wparam);
            return 0;
        case WM_CHAR:
            return 0;  // read-only
        case WM_COPY:
            CopyAll();
            return 0;
        case EM_GETLINECOUNT:
            return view_.LineCount();
        case EM_LINEFROMCHAR:
            if (static_cast<int>(wparam) == -1) return view_.caret_line();
            return view_.LineFromChar(wparam);
        case EM_LINEINDEX:
            return OnLineIndex(static_cast<int>(wparam));
        case EM_LINELENGTH:
            return static_cast<LRESULT>(view_.Line(view_.LineFromChar(wparam)).size());
        case EM_GETFIRSTVISIBLELINE:
            return view_.top_line();
        case EM_GETSEL:
            return OnGetSel(reinterpret_cast<DWORD*>(wparam), reinterpret_cast<DWORD*>(lparam));
        case EM_SETSEL:
            OnSetSel(static_cast<int>(wparam), static_cast<int>(lparam));
            return 0;
        case EM_SCROLLCARET:
            view_.SetCaretLine(view_.caret_line());
            Refresh();
            return TRUE;
        case EM_SETLIMITTEXT:
        case EM_SETREADONLY:
            return TRUE;
        default:
            return DefWindowProcW(hwnd_, message, wparam, lparam);
    }
}

void MemoView::OnCreate() {
    MeasureFont();
    UpdatePage();
    UpdateScrollBar();
}

// The text is indexed where it lies; a text that cannot be indexed leaves the
// view empty.
bool MemoView::OnTakeText(std::string& text) {
    UpdateRowWidth();
    bool taken = true;
    try {
        view_.SetText(std::move(text), &widths_);
    } catch (const std::bad_alloc&) {
        taken = false;
    }
    all_selected_ = false;
    Refresh();
    return taken;
}

LRESULT MemoView::OnGetText(std::size_t capacity, wchar_t* target) const {
    if (capacity == 0 || !target) return 0;
    const std::string& text = view_.text();
    const std::size_t count = std::min(text.size(), capacity - 1);
    std::transform(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(count), target,
                   Unicode);
    target[count] = L'\0';
    return static_cast<LRESULT>(count);
}

void MemoView::OnSetFont(HFONT font, bool redraw) {
    font_ = font;
    MeasureFont();
    UpdatePage();
    LayOut();
    if (redraw) Refresh();
}

void MemoView::OnSize() {
    UpdatePage();
    LayOut();
    Refresh();
}

void MemoView::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(hwnd_), WM_CTLCOLORSTATIC,
                                                         reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(hwnd_)));
    FillRect(dc, &paint.rcPaint, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ old = SelectObject(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    if (!IsWindowEnabled(hwnd_)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int top = view_.top_line();
    const int first = top + static_cast<int>(paint.rcPaint.top) / line_height_;
    const int last = std::min(view_.LineCount() - 1,
                              top + static_cast<int>(paint.rcPaint.bottom) / line_height_);
    const COLORREF text_colour = GetTextColor(dc);
    for (int line = first; line <= last; ++line) {
        const int y = (line - top) * line_height_;
        const std::string_view text = view_.Line(line);
        line_.resize(text.size());
        std::transform(text.begin(), text.end(), line_.begin(), Unicode);
        if (all_selected_) {
            RECT band{client.left, y, client.right, y + line_height_};
            FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        }
        TextOutW(dc, left_margin_, y, line_.data(), static_cast<int>(line_.size()));
        SetTextColor(dc, text_colour);
    }
    SelectObject(dc, old);
    EndPaint(hwnd_, &paint);
}

void MemoView::OnSetFocus() {
    has_focus_ = true;
    CreateCaret(hwnd_, nullptr, 1, line_height_);
    PlaceCaret();
    ShowCaret(hwnd_);
}

void MemoView::OnKillFocus() {
    has_focus_ = false;
    DestroyCaret();
}

void MemoView::OnLButtonDown(int y) {
    SetFocus(hwnd_);
    all_selected_ = false;
    view_.SetCaretLine(view_.top_line() + y / line_height_);
    Refresh();
}

void MemoView::OnMouseWheel(int delta) {
    view_.ScrollTo(view_.top_line() - 3 * (delta / WHEEL_DELTA));
    Refresh();
}

void MemoView::OnVScroll(int code) {
    int top = view_.top_line();
    switch (code) {
        case SB_LINEUP:
            --top;
            break;
        case SB_LINEDOWN:
            ++top;
            break;
        case SB_PAGEUP:
            top -= view_.page();
            break;
        case SB_PAGEDOWN:
            top += view_.page();
            break;
        case SB_TOP:
            top = 0;
            break;
        case SB_BOTTOM:
            top = view_.MaxTopLine();
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(hwnd_, SB_VERT, &info);
            top = info.nTrackPos;  // 32 bits, unlike the message's position
            break;
        }
        default:
            return;
    }
    view_.ScrollTo(top);
    Refresh();
}

void MemoView::OnKeyDown(WPARAM key) {
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (ctrl && key == 'A') {
        all_selected_ = true;
        Refresh();
    } else if (ctrl && (key == 'C' || key == VK_INSERT)) {
        CopyAll();
    } else if (view_.Navigate(static_cast<int>(key), ctrl)) {
        all_selected_ = false;
        Refresh();
    }
}

LRESULT MemoView::OnGetSel(DWORD* start, DWORD* end) const {
    const DWORD caret = static_cast<DWORD>(view_.LineStart(view_.caret_line()));
    const DWORD from = all_selected_ ? 0 : caret;
    const DWORD to = all_selected_ ? static_cast<DWORD>(view_.text().size()) : caret;
    if (start) *start = from;
    if (end) *end = to;
    return MAKELRESULT(std::min<DWORD>(from, 0xFFFF), std::min<DWORD>(to, 0xFFFF));
}

void MemoView::OnSetSel(int start, int end) {
    all_selected_ = start == 0 && (end == -1 || static_cast<long long>(end) >=
                                                    static_cast<long long>(view_.text().size()));
    if (!all_selected_ && start >= 0) {
        view_.SetCaretLine(view_.LineFromChar(static_cast<std::size_t>(start)));
    }
    Refresh();
}

LRESULT MemoView::OnLineIndex(int line) const {
    if (line == -1) line = view_.caret_line();
    if (line < 0 || line >= view_.LineCount()) return -1;
    return static_cast<LRESULT>(view_.LineStart(line));
}

void MemoView::CopyAll() {
    if (!all_selected_ || !OpenClipboard(hwnd_)) return;
    EmptyClipboard();
    const std::string& text = view_.text();
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        auto* target = static_cast<wchar_t*>(GlobalLock(memory));
        std::transform(text.begin(), text.end(), target, Unicode);
        target[text.size()] = L'\0';
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}

// The line height and the width of every character, for the rows; the margin at the DPI.
void MemoView::MeasureFont() {
    left_margin_ = ScaledForWindow(hwnd_, 2);
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, Font());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    line_height_ = std::max(1, static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading));
    for (int byte = 0; byte < 256; ++byte) {
        const UINT c = Cp1250ToUnicode(static_cast<unsigned char>(byte));
        INT width = metrics.tmMaxCharWidth;
        GetCharWidth32W(dc, c, c, &width);
        widths_.char_width[static_cast<std::size_t>(byte)] = std::max(0, static_cast<int>(width));
    }
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
}

// Wraps the text anew to the client width; a text that cannot be indexed
// again leaves the view empty.
void MemoView::LayOut() {
    UpdateRowWidth();
    try {
        view_.Rewrap(&widths_);
    } catch (const std::bad_alloc&) {
    }
}

void MemoView::UpdateRowWidth() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    widths_.width = std::max(1, static_cast<int>(client.right) - 2 * left_margin_);
}

void MemoView::UpdatePage() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    view_.SetPage((client.bottom - client.top) / line_height_);
}

void MemoView::UpdateScrollBar() {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = view_.LineCount() - 1;
    info.nPage = static_cast<UINT>(view_.page());
    info.nPos = view_.top_line();
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
}

void MemoView::PlaceCaret() {
    if (has_focus_) {
        SetCaretPos(left_margin_, (view_.caret_line() - view_.top_line()) * line_height_);
    }
}

// After any move of the caret or the view.
void MemoView::Refresh() {
    UpdateScrollBar();
    PlaceCaret();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace

void RegisterMemoViewClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = MemoView::Proc;
    window_class.cbWndExtra = sizeof(LONG_PTR);
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
    window_class.lpszClassName = kMemoViewClass;
    RegisterClassExW(&window_class);
    registered = true;
}

bool SetMemoViewText(HWND view, std::string text) {
    return SendMessageW(view, kTakeProgramText, 0, reinterpret_cast<LPARAM>(&text)) != FALSE;
}

}  // namespace zerkon
