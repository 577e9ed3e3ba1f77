#include "ui/premium_overview_window.h"

#include <string_view>

#include "common/cp1250_literal.h"
#include "ui/m_labeled_edit.h"
#include "ui/main_window_ids.h"
#include "ui/speed_button.h"

namespace zerkon {
namespace {

constexpr std::string_view kFieldLabels[] = {
    "Vyměřovací základ:"_cz,
    "Pojistné zaměstnance:"_cz,
    "Pojistné zaměstnavatele:"_cz,
    "Pojistné celkem:"_cz,
    "Zaplaceno:",
    "Přeplatek / nedoplatek:"_cz,
};

constexpr int kLabelLeft = 16;
constexpr int kEditLeft = 176;
constexpr int kFirstTop = 44;
constexpr int kRowHeight = 28;

}  // namespace

bool TFormPrehledPoj::Create(HWND owner) {
    CreateOptions options;
    options.class_name = kPremiumOverviewClass;
    options.caption = "Přehled o výši pojistného"_cz;
    options.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    options.ex_style = WS_EX_DLGMODALFRAME;
    options.client_width = 320;
    options.client_height = kFirstTop + kRowHeight * 6 + 48;
    options.owner = owner;
    if (!WindowBase::Create(options)) return false;
    CreateControls();
    return true;
}

void TFormPrehledPoj::CreateControls() {
    CreateLabel(hwnd_, 0, "Pojistné za období"_cz, kLabelLeft, 14, Fonts().bold);
    int id = kPremiumFirstEditId;
    int top = kFirstTop;
    for (std::string_view label : kFieldLabels) {
        LabeledEditOptions field;
        field.edit.id = id++;
        field.edit.left = kEditLeft;
        field.edit.top = top;
        field.edit.width = 128;
        field.edit.font = Fonts().normal;
        field.label = std::string(label);
        field.label_position = LabelPosition::lpLeft;
        field.label_spacing = kEditLeft - kLabelLeft - 150;
        fields_.push_back(std::make_unique<TMLabeledEdit>(hwnd_, field));
        top += kRowHeight;
    }
    CreateSpeedButton(
        hwnd_,
        {.id = kPremiumBackId, .caption = "Zpět"_cz, .place = {320 - 16 - 100, top + 12, 100, 26}});
}

LRESULT TFormPrehledPoj::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wparam) == kPremiumBackId || LOWORD(wparam) == IDCANCEL) sbZpetClick();
            return 0;
        case WM_CLOSE:
            sbZpetClick();
            return 0;
        default:
            break;
    }
    return WindowBase::HandleMessage(message, wparam, lparam);
}

// Closing hides the window: the modal loop ends, and the instance made at start-up stays.
void TFormPrehledPoj::sbZpetClick() {
    ShowWindow(hwnd_, SW_HIDE);
}

}  // namespace zerkon
