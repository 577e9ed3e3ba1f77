// TMEdit drawing its own text: number fields without focus show their display text (grouping,
// decimals, currency) instead of the text being edited.

#include "platform/win32/wide_text.h"
#include "ui/m_edit.h"

namespace zerkon {

void TMEdit::CustomPaint(const edit::PaintPlan& plan, HDC print_dc) {
    PAINTSTRUCT ps;
    HDC dc = print_dc ? print_dc : BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    HBRUSH brush = CreateSolidBrush(ColourBrush::Resolve(plan.colour));
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
    const int left_margin = LOWORD(Standard(EM_GETMARGINS, 0, 0));
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

}  // namespace zerkon
