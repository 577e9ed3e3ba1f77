#include "ui/hint.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/wide_text.h"
#include "ui/display_dpi.h"

namespace zerkon {
namespace {

constexpr wchar_t kTooltipProperty[] = L"Zerkon.Hint";

}  // namespace

void SetHint(HWND parent, HWND control, std::string_view text) {
    auto tooltip = static_cast<HWND>(GetPropW(control, kTooltipProperty));
    std::wstring wide = Wide(text);
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = wide.data();
    if (tooltip) {
        SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                              parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tooltip) return;
    // Long texts (a data file's path) wrap instead of running off the screen.
    SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, ScaledForWindow(parent, 600));
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SetPropW(control, kTooltipProperty, tooltip);
}

}  // namespace zerkon
