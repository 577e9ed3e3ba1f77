#include "ui/m_labeled_edit.h"

#include "platform/win32/wide_text.h"
#include "ui/display_dpi.h"

namespace zerkon {

namespace {

SIZE LabelSize(HWND label) {
    const int length = GetWindowTextLengthW(label);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(label, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

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

EditOptions TMLabeledEdit::Labeled(EditOptions options) {
    options.settings.labeled = true;
    return options;
}

HWND TMLabeledEdit::CreateLabel(HWND parent, const LabeledEditOptions& options) {
    DWORD style = WS_CHILD | SS_LEFT;
    if (options.edit.visible) style |= WS_VISIBLE;
    if (!options.edit.enabled) style |= WS_DISABLED;
    HWND label = CreateWindowExW(0, L"STATIC", Wide(options.label).c_str(), style, 0, 0, 0, 0,
                                 parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    HFONT font = options.edit.font ? options.edit.font
                                   : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The caption goes where its edit is, whatever scales the edit.
    MarkPlacedByOwner(label);
    return label;
}

TMLabeledEdit::TMLabeledEdit(HWND parent, const LabeledEditOptions& options)
    : TMEdit(parent, Labeled(options.edit)),
      label_(CreateLabel(parent, options)),
      position_(options.label_position),
      spacing_(options.label_spacing) {
    // The label stands just before the edit in the z-order, so that its
    // mnemonic moves focus to the edit.
    HWND before = GetWindow(hwnd(), GW_HWNDPREV);
    SetWindowPos(label_, before ? before : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PositionChanged();
}

TMLabeledEdit::~TMLabeledEdit() {
    if (IsWindow(label_)) DestroyWindow(label_);
}

void TMLabeledEdit::SetLabelPosition(LabelPosition position) {
    position_ = position;
    PositionChanged();
}

void TMLabeledEdit::SetLabelSpacing(int spacing) {
    spacing_ = spacing;
    PositionChanged();
}

void TMLabeledEdit::SetLabelText(const std::string& text) {
    SetWindowTextW(label_, Wide(text).c_str());
    PositionChanged();
}

void TMLabeledEdit::PositionChanged() {
    if (!label_) return;
    HWND parent = GetParent(hwnd());
    RECT r;
    GetWindowRect(hwnd(), &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    SIZE size = LabelSize(label_);
    POINT origin = LabelOrigin(r, size, position_, ScaledForWindow(hwnd(), spacing_));
    SetWindowPos(label_, nullptr, origin.x, origin.y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const bool visible = (GetWindowLongW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
    ShowWindow(label_, visible ? SW_SHOWNA : SW_HIDE);
    EnableWindow(label_, IsWindowEnabled(hwnd()));
}

}  // namespace zerkon
