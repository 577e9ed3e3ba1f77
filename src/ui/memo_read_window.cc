#include "ui/memo_read_window.h"

#include "common/cp1250_literal.h"
#include "platform/system_info.h"
#include "platform/win32/wide_text.h"
#include "shell/window_placement.h"
#include "shell/windows_version.h"
#include "ui/speed_button.h"

namespace zerkon {
namespace {

constexpr int kClientWidth = 471;
constexpr int kClientHeight = 483;
constexpr int kPanelHeight = 27;
constexpr int kPanel2Width = 100;
constexpr COLORREF kCream = RGB(255, 251, 240);
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

HFONT FontFor(const MemoWindowSettings& settings, int dpi) {
    if (settings.font_name.empty() && settings.font_size <= -1) return nullptr;
    LOGFONTW font{};
    GetObjectW(Fonts().normal, sizeof font, &font);
    if (!settings.font_name.empty()) {
        const std::wstring name = Wide(settings.font_name).substr(0, LF_FACESIZE - 1);
        wcsncpy(font.lfFaceName, name.c_str(), LF_FACESIZE);
    }
    if (settings.font_size > -1) font.lfHeight = -MulDiv(settings.font_size, dpi, 72);
    return CreateFontIndirectW(&font);
}

}  // namespace

MemoWindowSettings& NextMemoWindowSettings() {
    static MemoWindowSettings settings;
    return settings;
}

TFormMemoRead::~TFormMemoRead() {
    if (cream_) DeleteObject(cream_);
    if (font_) DeleteObject(font_);
}

bool TFormMemoRead::Create(HWND owner, std::string_view caption) {
    CreateOptions options;
    options.class_name = kMemoReadClass;
    options.caption = caption;
    options.style = kStyle;
    options.ex_style = kExStyle;
    options.client_width = kClientWidth;
    options.client_height = kClientHeight;
    options.owner = owner;
    options.centre_on_screen = false;
    if (!WindowBase::Create(options)) return false;
    cream_ = CreateSolidBrush(kCream);
    CreateControls();
    return true;
}

void TFormMemoRead::CreateControls() {
    font_ = FontFor(NextMemoWindowSettings(), dpi());
    Memo1 = CreateChild(hwnd_, L"EDIT", kMemoReadMemoId, "",
                        WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                            ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                        0, 0, kClientWidth, kClientHeight - kPanelHeight, WS_EX_CLIENTEDGE);
    if (font_) SendMessageW(Memo1, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);

    escape_ = std::make_unique<EscapeKey>(Memo1, [this] { sbCancelClick(); });
    // RichEdit1 exists only for other callers; a text window never shows it.
    sbTisk = CreateSpeedButton(hwnd_, {.id = kMemoReadPrintId,
                                       .caption = "Tisk",
                                       .place = {4, kClientHeight - kPanelHeight + 2, 80, 22},
                                       .visible = false});
    sbCancel = CreateSpeedButton(hwnd_, {.id = kMemoReadCancelId,
                                         .caption = "Zpět"_cz,
                                         .place = {kClientWidth - kPanel2Width + 10,
                                                   kClientHeight - kPanelHeight + 2, 80, 22}});
    // The memo and the panel's buttons follow the client area (Layout), at any DPI.
    for (HWND control : {Memo1, sbTisk, sbCancel}) MarkPlacedByOwner(control);
}

void TFormMemoRead::SetText(std::string_view text) {
    SendMessageW(Memo1, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    SetWindowTextW(Memo1, Wide(text).c_str());
}

void TFormMemoRead::Place(HWND owner, int x, int y) {
    const MemoWindowSettings& settings = NextMemoWindowSettings();
    RECT window{};
    GetWindowRect(hwnd_, &window);
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    if (settings.width > 0) width = settings.width;
    if (settings.height > 0) height = settings.height;
    RECT owner_rect{};
    if (owner) GetWindowRect(owner, &owner_rect);
    const WindowPlacement placement = PlaceWindow(
        width, height, x, y, {owner_rect.left, owner_rect.top, owner_rect.right, owner_rect.bottom},
        WorkAreaHeight(), IsWindowsMajor6(RunningWindowsVersion()), dpi());
    if (placement.resizable) {
        SetWindowLongPtrW(hwnd_, GWL_STYLE, GetWindowLongPtrW(hwnd_, GWL_STYLE) | WS_THICKFRAME);
    }
    SetWindowPos(hwnd_, nullptr, placement.left, placement.top, placement.width, placement.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Layout();
}

// The memo above the bottom panel; "Tisk" at the panel's left, "Zpět" in the panel's right part.
void TFormMemoRead::Layout() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int panel_top = client.bottom - ScaleToDpi(kPanelHeight, dpi());
    MoveWindow(Memo1, 0, 0, client.right, panel_top, TRUE);
    const auto place = [this, panel_top](HWND button, int panel_left, LayoutRect in_panel) {
        const LayoutRect r = ScaleRectToDpi(in_panel, dpi());
        MoveWindow(button, panel_left + r.left, panel_top + r.top, r.width, r.height, TRUE);
    };
    place(sbTisk, 0, {4, 2, 80, 22});
    place(sbCancel, client.right - ScaleToDpi(kPanel2Width, dpi()), {10, 2, 80, 22});
}

LRESULT TFormMemoRead::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wparam) == kMemoReadCancelId || LOWORD(wparam) == IDCANCEL) {
                sbCancelClick();
                return 0;
            }
            break;
        case WM_CLOSE:
            sbCancelClick();
            return 0;
        case WM_SIZE:
            if (Memo1) Layout();
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lparam) == Memo1) {
                SetBkColor(reinterpret_cast<HDC>(wparam), kCream);
                return reinterpret_cast<LRESULT>(cream_);
            }
            break;
        default:
            break;
    }
    return WindowBase::HandleMessage(message, wparam, lparam);
}

// The window sees Escape before its controls.
TFormMemoRead::EscapeKey::EscapeKey(HWND memo, std::function<void()> on_escape)
    : on_escape_(std::move(on_escape)) {
    Subclass(memo);
}

LRESULT TFormMemoRead::EscapeKey::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_KEYDOWN && wparam == VK_ESCAPE) {
        on_escape_();
        return 0;
    }
    return Standard(message, wparam, lparam);
}

void TFormMemoRead::sbCancelClick() {
    ShowWindow(hwnd_, SW_HIDE);
}

void ShowTextWindow(HWND owner, int x, int y, std::string_view caption, std::string_view text) {
    {
        TFormMemoRead form;
        if (form.Create(owner, caption)) {
            form.Place(owner, x, y);
            form.SetText(text);
            RunModal(form.hwnd(), owner);
        }
    }
    NextMemoWindowSettings() = MemoWindowSettings{};
}

}  // namespace zerkon
