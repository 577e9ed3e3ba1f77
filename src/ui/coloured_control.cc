#include "ui/coloured_control.h"

namespace zerkon {

ColourBrush::~ColourBrush() {
    if (brush_) DeleteObject(brush_);
}

COLORREF ColourBrush::Resolve(ControlColour colour) {
    if (IsSystemColour(colour)) return GetSysColor(static_cast<int>(colour & 0xFF));
    return static_cast<COLORREF>(colour & 0xFFFFFF);
}

HBRUSH ColourBrush::Get(ControlColour colour) {
    const COLORREF rgb = Resolve(colour);
    if (!brush_ || rgb != rgb_) {
        if (brush_) DeleteObject(brush_);
        brush_ = CreateSolidBrush(rgb);
        rgb_ = rgb;
    }
    return brush_;
}

LRESULT ColouredControl::Entered(LRESULT standard_result, const std::function<void()>& on_enter) {
    InvalidateRect(hwnd_, nullptr, TRUE);
    if (on_enter) on_enter();
    return standard_result;
}

HBRUSH ControlBackgroundBrush(HWND child, HDC dc) {
    auto* control = dynamic_cast<ColouredControl*>(SubclassedControl::FromWindow(child));
    if (!control) return nullptr;
    const ControlColour colour = control->Background();
    SetBkColor(dc, ColourBrush::Resolve(colour));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return control->brush_.Get(colour);
}

}  // namespace zerkon
