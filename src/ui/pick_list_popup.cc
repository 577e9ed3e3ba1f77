#include "ui/pick_list_popup.h"

#include <memory>

#include "common/cp1250.h"
#include "controls/combo_edit.h"
#include "controls/combo_list.h"
#include "ui/display_dpi.h"
#include "ui/m_listbox.h"
#include "ui/m_memo.h"

namespace zerkon {

namespace {

constexpr wchar_t kPopupClass[] = L"TZerkonPickList";
constexpr int kListId = 1;

// One pop-up window with its list; lives for one ShowPickListPopup call.
class PickListPopup {
  public:
    PickListPopup(const PickListRequest& request, PickListRows rows)
        : request_(request), rows_(std::move(rows)), state_(request.close_if_mouse_leave) {}
    PickListPopup(const PickListPopup&) = delete;
    PickListPopup& operator=(const PickListPopup&) = delete;
    ~PickListPopup();

    PickListResult Run();

  private:
    static LRESULT CALLBACK PopupProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    static void RegisterClassOnce();

    bool Create();
    HFONT ListFont() const;
    PickListRect Place(HFONT font);
    LRESULT HandleList(UINT message, WPARAM wparam, LPARAM lparam);
    void Deliver(PickListEvent event);
    bool Route(MSG& msg) const;
    int Selected() const;

    PickListRequest request_;
    PickListRows rows_;
    PickListState state_;
    PickListClose closed_ = PickListClose::kStayOpen;
    HWND popup_ = nullptr;
    std::unique_ptr<TMListBox> list_;
    WNDPROC list_standard_ = nullptr;
    bool tracking_mouse_ = false;
    int row_height_ = 13;
};

// The one pop-up open in the program, if any.
PickListPopup* g_open_popup = nullptr;

void PickListPopup::RegisterClassOnce() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &PickListPopup::PopupProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kPopupClass;
    registered = RegisterClassExW(&wc) != 0;
}

PickListPopup::~PickListPopup() {
    // Destroying the window first lets both subclasses of the list see its end.
    if (popup_ && IsWindow(popup_)) DestroyWindow(popup_);
    list_.reset();
}

HFONT PickListPopup::ListFont() const {
    if (request_.font) return request_.font;
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The window rectangle from the field's place, the widest row and the work area.
PickListRect PickListPopup::Place(HFONT font) {
    PickListGeometryInput in;
    POINT origin{0, 0};
    ClientToScreen(request_.field, &origin);
    RECT field{};
    GetWindowRect(request_.field, &field);
    in.field_client_left = origin.x;
    in.field_client_top = origin.y;
    in.field_width = field.right - field.left;
    in.field_height = field.bottom - field.top;

    HDC dc = GetDC(popup_);
    HGDIOBJ old = SelectObject(dc, font);
    for (const ComboItem& row : rows_.rows) {
        std::u16string text = Cp1250ToUtf16(row.shown);
        SIZE size{};
        GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.c_str()),
                              static_cast<int>(text.size()), &size);
        if (size.cx > in.widest_text) in.widest_text = size.cx;
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(popup_, dc);

    // The list follows its field's DPI, whatever the pop-up's own.
    in.dpi = WindowDpi(request_.field);
    in.font_points = MulDiv(metrics.tmHeight - metrics.tmInternalLeading, 72, in.dpi);
    row_height_ = PickListRowHeight(in.font_points, in.dpi);
    in.row_count = static_cast<int>(rows_.rows.size());
    in.drop_down_count = NormalizedDropDownCount(request_.drop_down_count);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    in.work_area_bottom = work.bottom;
    return PickListGeometry(in);
}

bool PickListPopup::Create() {
    RegisterClassOnce();
    HWND owner = GetAncestor(request_.field, GA_ROOT);
    popup_ = CreateWindowExW(
        WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_NOACTIVATE | WS_EX_TOPMOST, kPopupClass, L"",
        WS_POPUP | WS_DLGFRAME, 0, 0, 10, 10, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!popup_) return false;

    HFONT font = ListFont();
    PickListRect rect = Place(font);
    SetWindowPos(popup_, HWND_TOPMOST, rect.left, rect.top, rect.width, rect.height,
                 SWP_NOACTIVATE);

    // The list fills the pop-up without a border of its own; arrows and Enter
    // stay inside it (no keys move focus like Tab).
    RECT client{};
    GetClientRect(popup_, &client);
    ListBoxOptions options;
    options.id = kListId;
    options.width = client.right;
    options.height = client.bottom;
    options.settings.key_in_line = false;
    options.settings.key_enter = false;
    options.settings.key_down_up = false;
    list_ = std::make_unique<TMListBox>(popup_, options);
    HWND list = list_->hwnd();
    SetWindowLongPtrW(list, GWL_STYLE, GetWindowLongPtrW(list, GWL_STYLE) & ~WS_BORDER);
    SetWindowLongPtrW(list, GWL_EXSTYLE, GetWindowLongPtrW(list, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE);
    SetWindowPos(list, nullptr, 0, 0, client.right, client.bottom,
                 SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(list, LB_SETITEMHEIGHT, 0, MAKELPARAM(row_height_, 0));

    // The list stands for the focused control of the pop-up: it shows the
    // focus colour, and the pop-up sees its keys and mouse first.
    list_->behaviour().Enter();
    SetPropW(list, L"ZerkonPickList", this);
    list_standard_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListProc)));

    for (const ComboItem& row : rows_.rows) {
        std::u16string text = Cp1250ToUtf16(row.shown);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(rows_.preselected), 0);
    return true;
}

int PickListPopup::Selected() const {
    return static_cast<int>(SendMessageW(list_->hwnd(), LB_GETCURSEL, 0, 0));
}

void PickListPopup::Deliver(PickListEvent event) {
    PickListClose how = state_.OnEvent(event);
    if (how != PickListClose::kStayOpen && closed_ == PickListClose::kStayOpen) closed_ = how;
}

// Keyboard input of the thread goes to the list, and mouse input for any
// other window is swallowed: the pop-up is modal while the keyboard focus
// stays in the field, so that opening the list is not leaving the field.
bool PickListPopup::Route(MSG& msg) const {
    HWND list = list_->hwnd();
    bool keyboard = msg.message == WM_KEYDOWN || msg.message == WM_KEYUP ||
                    msg.message == WM_CHAR || msg.message == WM_MOUSEWHEEL;
    if (keyboard) {
        msg.hwnd = list;
        return true;
    }
    bool mouse = (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) ||
                 (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK);
    if (mouse && msg.hwnd != list && msg.hwnd != popup_) return false;
    return true;
}

PickListResult PickListPopup::Run() {
    if (!Create()) return {};
    ShowWindow(popup_, SW_SHOWNOACTIVATE);

    MSG msg;
    while (closed_ == PickListClose::kStayOpen && IsWindow(popup_)) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            closed_ = PickListClose::kCancelled;
            break;
        }
        if (got < 0) break;
        if (!Route(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }

    PickListResult result;
    int selected = list_ && IsWindow(list_->hwnd()) ? Selected() : -1;
    std::string text = PickListResultText(rows_, closed_, selected, request_.current_text);
    result.accepted = closed_ == PickListClose::kAccepted && selected >= 0 &&
                      selected < static_cast<int>(rows_.rows.size());
    if (result.accepted) result.value = text;
    ShowWindow(popup_, SW_HIDE);
    return result;
}

LRESULT CALLBACK PickListPopup::PopupProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CTLCOLORLISTBOX: {
            HBRUSH brush = ControlBackgroundBrush(reinterpret_cast<HWND>(lparam),
                                                  reinterpret_cast<HDC>(wparam));
            if (brush) return reinterpret_cast<LRESULT>(brush);
            break;
        }
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_CLOSE:
            if (g_open_popup) g_open_popup->Deliver(PickListEvent::kEscapeKey);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK PickListPopup::ListProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* popup = static_cast<PickListPopup*>(GetPropW(hwnd, L"ZerkonPickList"));
    if (!popup) return DefWindowProcW(hwnd, message, wparam, lparam);
    return popup->HandleList(message, wparam, lparam);
}

LRESULT PickListPopup::HandleList(UINT message, WPARAM wparam, LPARAM lparam) {
    HWND list = list_->hwnd();
    auto standard = [&] { return CallWindowProcW(list_standard_, list, message, wparam, lparam); };
    switch (message) {
        case WM_GETDLGCODE:
            return standard() | DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            if (wparam == VK_RETURN) {
                Deliver(PickListEvent::kEnterKey);
                return 0;
            }
            if (wparam == VK_ESCAPE) {
                Deliver(PickListEvent::kEscapeKey);
                return 0;
            }
            return standard();
        case WM_CHAR:
            // Enter and Escape were handled at key-down; letters go to the
            // list's own first-letter search.
            if (wparam == VK_RETURN || wparam == VK_ESCAPE) return 0;
            return standard();
        // A click selects the row under the mouse without taking the focus
        // from the field (the list's own handling would).
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, lparam);
            if (HIWORD(hit) == 0) SendMessageW(list, LB_SETCURSEL, LOWORD(hit), 0);
            if (message == WM_LBUTTONDBLCLK) Deliver(PickListEvent::kDoubleClick);
            return 0;
        }
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_RBUTTONDOWN:
            Deliver(PickListEvent::kRightButtonDown);
            return 0;
        case WM_MOUSEMOVE:
            if (!tracking_mouse_) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, list, 0};
                tracking_mouse_ = TrackMouseEvent(&track) != FALSE;
                Deliver(PickListEvent::kMouseEnter);
            }
            return standard();
        case WM_MOUSELEAVE:
            tracking_mouse_ = false;
            Deliver(PickListEvent::kMouseLeave);
            return standard();
        case WM_NCDESTROY: {
            RemovePropW(list, L"ZerkonPickList");
            SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(list_standard_));
            return CallWindowProcW(list_standard_, list, message, wparam, lparam);
        }
        default:
            return standard();
    }
}

}  // namespace

PickListResult ShowPickListPopup(const PickListRequest& request) {
    if (g_open_popup || !request.field) return {};
    PickListRows rows = BuildPickListRows(request.items, request.sorted, request.current_text);
    if (rows.rows.empty()) return {};
    PickListPopup popup(request, std::move(rows));
    g_open_popup = &popup;
    PickListResult result = popup.Run();
    g_open_popup = nullptr;
    return result;
}

bool IsPickListPopupOpen() {
    return g_open_popup != nullptr;
}

}  // namespace zerkon
