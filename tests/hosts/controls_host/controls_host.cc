// A window that hosts one edit control of each kind, for the end-to-end tests.

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "common/cp1250_literal.h"
#include "control_ids.h"
#include "ui/m_edit.h"
#include "ui/m_labeled_edit.h"
#include "ui/pick_list_popup.h"

namespace {

using namespace zerkon;
using namespace controls_host;

class ControlsHost {
  public:
    bool Create(HINSTANCE instance);
    HWND hwnd() const { return hwnd_; }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
    void CreateControls();
    TMEdit& Add(std::unique_ptr<TMEdit> control);

    HWND hwnd_ = nullptr;
    HWND last_focus_ = nullptr;
    std::vector<std::unique_ptr<TMEdit>> controls_;
    TMEdit* entries_ = nullptr;
    std::map<int, int> entered_;  // entries in a row, per field
    int last_entered_ = 0;
};

EditOptions At(int id, int left, int top, int width = 150) {
    EditOptions o;
    o.id = id;
    o.left = left;
    o.top = top;
    o.width = width;
    return o;
}

TMEdit& ControlsHost::Add(std::unique_ptr<TMEdit> control) {
    controls_.push_back(std::move(control));
    return *controls_.back();
}

void ControlsHost::CreateControls() {
    LabeledEditOptions digits;
    digits.edit = At(kFilteredString, 20, 40);
    digits.edit.settings.string_edit.filtr = "0123456789";
    digits.edit.settings.string_edit.filtr_use = true;
    digits.label = "Osobní číslo"_cz;
    TMEdit& filtered = Add(std::make_unique<TMLabeledEdit>(hwnd_, digits));

    LabeledEditOptions amount;
    amount.edit = At(kCurrency, 300, 40);
    amount.edit.settings.edit_type = edit::TypeEdit::teCurrency;
    amount.label = "Částka"_cz;
    amount.label_position = LabelPosition::lpLeft;
    TMEdit& currency = Add(std::make_unique<TMLabeledEdit>(hwnd_, amount));

    EditOptions integer = At(kInteger, 20, 90);
    integer.settings.edit_type = edit::TypeEdit::teInteger;
    integer.settings.number.valid = true;
    integer.settings.number.value_min = -100 * kAmountUnit;
    Add(std::make_unique<TMEdit>(hwnd_, integer));

    LabeledEditOptions date;
    date.edit = At(kDate, 300, 90);
    date.edit.settings.edit_type = edit::TypeEdit::teMask;
    date.edit.settings.mask_edit.Mask = "!99.99.9999";
    date.edit.settings.mask_edit.MaskOnExit = TMaskOn::moRevisionSpec;
    date.label = "Datum";
    date.label_position = LabelPosition::lpBelow;
    Add(std::make_unique<TMLabeledEdit>(hwnd_, date));

    EditOptions time = At(kTime, 20, 140);
    time.settings.edit_type = edit::TypeEdit::teMask;
    time.settings.mask_edit.Mask = "!99:99";
    time.settings.mask_edit.MaskOnExit = TMaskOn::moRevision;
    Add(std::make_unique<TMEdit>(hwnd_, time));

    EditOptions pick = At(kPickList, 300, 140);
    pick.settings.edit_type = edit::TypeEdit::teComboBox;
    pick.settings.combo_box.Items = "Anna|Adam|Alena";
    pick.pick_list_popup = &ShowPickListPopup;
    Add(std::make_unique<TMEdit>(hwnd_, pick));

    EditOptions disabled = At(kDisabled, 20, 190);
    disabled.enabled = false;
    disabled.text = "zakázáno"_cz;
    TMEdit& disabled_field = Add(std::make_unique<TMEdit>(hwnd_, disabled));

    LabeledEditOptions required;
    required.edit = At(kRequired, 300, 190);
    required.edit.settings.required = true;
    required.label = "Povinné"_cz;
    required.label_position = LabelPosition::lpRight;
    TMEdit& required_field = Add(std::make_unique<TMLabeledEdit>(hwnd_, required));

    EditOptions button = At(kButtonField, 20, 240);
    button.settings.button_visible = true;
    button.settings.button_short_cut = VK_F4;
    TMEdit& button_field = Add(std::make_unique<TMEdit>(hwnd_, button));
    button_field.on_click_button = [](TMEdit& e) { e.SetText("klik"); };

    TMEdit& last = Add(std::make_unique<TMEdit>(hwnd_, At(kLast, 300, 240)));

    EditOptions events = At(kEvents, 20, 290, 430);
    events.read_only = true;
    events.tab_stop = false;
    TMEdit& log = Add(std::make_unique<TMEdit>(hwnd_, events));
    EditOptions entries = At(kEntries, 20, 315, 430);
    entries.read_only = true;
    entries.tab_stop = false;
    entries_ = &Add(std::make_unique<TMEdit>(hwnd_, entries));

    filtered.focus_control.down = disabled_field.hwnd();
    currency.focus_control.pg_down = required_field.hwnd();
    last.focus_control.up = filtered.hwnd();
    for (auto& control : controls_) {
        TMEdit* log_field = &log;
        control->on_exit = [log_field](TMEdit& e) {
            log_field->SetText("exit " + std::to_string(GetDlgCtrlID(e.hwnd())));
        };
        control->on_enter = [this](TMEdit& e) {
            const int id = GetDlgCtrlID(e.hwnd());
            entered_[id] = last_entered_ == id ? entered_[id] + 1 : 1;
            last_entered_ = id;
            entries_->SetText(std::to_string(id) + " entered " + std::to_string(entered_[id]) +
                              " times");
        };
    }
}

bool ControlsHost::Create(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &ControlsHost::Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClass;
    if (!RegisterClassExW(&wc)) return false;
    hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, L"Ovládací prvky",
                            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 40, 40, 500, 390, nullptr,
                            nullptr, instance, this);
    return hwnd_ != nullptr;
}

LRESULT CALLBACK ControlsHost::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
        auto* host = static_cast<ControlsHost*>(create->lpCreateParams);
        host->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
    }
    auto* host = reinterpret_cast<ControlsHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!host) return DefWindowProcW(hwnd, message, wparam, lparam);
    return host->Handle(message, wparam, lparam);
}

LRESULT ControlsHost::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            CreateControls();
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = ControlBackgroundBrush(reinterpret_cast<HWND>(lparam),
                                                      reinterpret_cast<HDC>(wparam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_ACTIVATE:
            // A window gets its focused control back with its activation.
            if (LOWORD(wparam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd_, focus)) last_focus_ = focus;
            } else if (last_focus_ && IsWindow(last_focus_)) {
                SetFocus(last_focus_);
                return 0;
            }
            break;
        case WM_DESTROY:
            controls_.clear();
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
    ControlsHost host;
    if (!host.Create(instance)) return 1;
    ShowWindow(host.hwnd(), show);
    UpdateWindow(host.hwnd());
    SetFocus(GetDlgItem(host.hwnd(), kFilteredString));
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(host.hwnd(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
