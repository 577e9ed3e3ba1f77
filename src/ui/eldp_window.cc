#include "ui/eldp_window.h"

#include <memory>
#include <string>
#include <vector>

#include "common/cp1250_literal.h"
#include "common/file_helpers.h"
#include "common/file_system.h"
#include "eldp/eldp_form_flow.h"
#include "eldp/eldp_form_layout.h"
#include "platform/registry.h"
#include "platform/win32/file_dialog_win32.h"
#include "platform/win32/message_boxes_win32.h"
#include "platform/win32/user_regional_settings.h"
#include "shell/maker_settings.h"
#include "ui/hint.h"
#include "ui/m_check_box.h"
#include "ui/m_labeled_edit.h"
#include "ui/print_engine_link.h"
#include "ui/resource_ids.h"
#include "ui/speed_button.h"
#include "ui/window_base.h"

namespace zerkon {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Brushes and fonts of the form, made once for the whole run.
struct EldpLook {
    HBRUSH background;
    HBRUSH accent;
    HFONT title;
};

const EldpLook& Look() {
    static const EldpLook look = [] {
        EldpLook l;
        l.background = CreateSolidBrush(kEldpBackground);
        l.accent = CreateSolidBrush(kEldpAccent);
        l.title = UiFont({.height = -19, .bold = true}, kDesignDpi);
        return l;
    }();
    return look;
}

HICON Glyph(int id) {
    return LoadGlyph(id);
}

class TFormELDP : public WindowBase, public EldpFormView {
  public:
    TFormELDP(HWND owner, ProgramContext& context, const TXFileVersion& version, FileSystem& files);
    bool Create();

    // EldpFormView
    EldpRecord ReadRecord() override;
    void ShowRecord(const EldpRecord& record) override;
    void FocusYear() override;
    void ShowDataFileHint(std::string_view path) override { SetHint(hwnd_, title_, path); }
    void ShowReloadButton() override { ShowWindow(reload_, SW_SHOW); }
    void FocusField(std::string_view name) override;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void CreateFrame();
    void CreateFields();
    void CreateButtons();
    void LinkFieldsForKeys();
    std::vector<std::string> ChooseDataFiles(const std::string& folder);
    void OnCommand(int id);
    LRESULT OnControlColour(HDC dc, HWND control);

    void FormActivate();
    void sbTiskClick(int tag) { flow_.Output(tag); }
    void sbReloadClick() { flow_.Reload(); }
    void BatchClick() { flow_.Batch(); }
    void sbExitClick();

    HWND owner_;
    ProgramContext& context_;
    const TXFileVersion& version_;
    FileSystem& files_;
    Win32MessageBoxes boxes_;
    EldpExportList export_list_;
    EldpOutputServices services_;
    EldpFormFlow flow_;

    HWND title_ = nullptr;
    HWND reload_ = nullptr;
    std::vector<HWND> section_bars_;
    // One entry per row of EldpFormFields(): the edit, or the month box.
    std::vector<std::unique_ptr<TMEdit>> edits_;
    std::vector<std::unique_ptr<TMCheckBox>> boxes_of_months_;
    std::vector<TMEdit*> edit_of_field_;
    std::vector<TMCheckBox*> box_of_field_;
    TMEdit* year_ = nullptr;
    HICON xml_glyph_ = nullptr;
    HICON reload_glyph_ = nullptr;
    HICON exit_glyph_ = nullptr;
};

TFormELDP::TFormELDP(HWND owner, ProgramContext& context, const TXFileVersion& version,
                     FileSystem& files)
    : owner_(owner),
      context_(context),
      version_(version),
      files_(files),
      boxes_(nullptr),
      services_{
          .read_payroll_folder =
              [] { return ReadMakerSetting(SystemRegistry(), kRalSubKey, "", kInstallPathValue); },
          .context = context,
          .regional = UserRegionalSettings(),
          .export_list = export_list_,
          .print_eldp_job =
              [this](const std::vector<std::string>& job_lines) {
                  return ProgramPrintEngine(owner_, boxes_, context_, files_)
                      .PrintEldpJob(job_lines);
              },
          .choose_data_files =
              [this](const std::string& folder) { return ChooseDataFiles(folder); },
          .files = files,
      },
      // In ELDP mode "Zpět" ends this program through the main window it was handed: asked to
      // close, it ends once this form's modal loop has returned.
      flow_(*this, services_, boxes_, [owner] { PostMessageW(owner, WM_CLOSE, 0, 0); }) {}

bool TFormELDP::Create() {
    CreateOptions options;
    options.class_name = kEldpWindowClass;
    options.caption = EldpFormCaption(version_.GetVersionInfo("FileVersion"));
    options.style = kStyle;
    options.ex_style = kExStyle;
    options.client_width = kEldpClientWidth;
    options.client_height = kEldpClientHeight;
    options.owner = owner_;
    options.centre_on_screen = false;
    options.background = Look().background;
    if (!WindowBase::Create(options)) return false;
    boxes_ = Win32MessageBoxes(hwnd_);
    CreateFrame();
    CreateFields();
    CreateButtons();
    LinkFieldsForKeys();
    CentreOver(owner_);
    // Typing starts in the first field that takes it.
    last_focus_ = year_->hwnd();
    flow_.Opened();
    return true;
}

// The title, the section bars and the month column heads.
void TFormELDP::CreateFrame() {
    title_ = CreateLabel(hwnd_, kEldpTitleId, "Evidenční list důchodového pojištění"_cz, 196, 0,
                         Look().title);
    SetWindowLongW(title_, GWL_STYLE, GetWindowLongW(title_, GWL_STYLE) | SS_NOTIFY);
    int id = kEldpFirstSectionBarId;
    for (const EldpSectionBar& bar : EldpSectionBars()) {
        HWND panel =
            CreateChild(hwnd_, L"STATIC", id++, bar.caption,
                        WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, kEldpSectionBarLeft,
                        bar.top, kEldpSectionBarWidth, kEldpSectionBarHeight);
        SendMessageW(panel, WM_SETFONT, reinterpret_cast<WPARAM>(Fonts().bold), FALSE);
        section_bars_.push_back(panel);
    }
    for (int month = 0; month < kEldpMonthMarks; ++month) {
        // Centred over its box; the last, wider head ends at its box's right edge so that it
        // stays clear of the label beside it.
        const int box = kEldpMonthBoxLeft + kEldpMonthBoxStep * month;
        const bool last = month + 1 == kEldpMonthMarks;
        const int left = last ? box - 9 : box - 1;
        CreateChild(hwnd_, L"STATIC", kEldpFirstColumnHeadId + month, MonthColumnHead(month),
                    WS_VISIBLE | (last ? SS_RIGHT : SS_CENTER) | SS_NOPREFIX, left,
                    kEldpColumnHeadTop, kEldpMonthBoxSize + (last ? 9 : 2), 14);
    }
}

// Every field of the table, in its order, which is the tab order.
void TFormELDP::CreateFields() {
    const std::vector<EldpField>& fields = EldpFormFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const EldpField& field = fields[i];
        const int id = kEldpFirstFieldId + static_cast<int>(i);
        const EldpFieldRect& r = field.rect;
        if (field.kind == EldpControlKind::kMonthBox) {
            boxes_of_months_.push_back(std::make_unique<TMCheckBox>(
                hwnd_, CheckBoxOptions{.id = id,
                                       .place = {r.left, r.top, r.left + r.width, r.top + r.height},
                                       .colour = kEldpBackground}));
            box_of_field_.push_back(boxes_of_months_.back().get());
            edit_of_field_.push_back(nullptr);
            continue;
        }
        EditOptions edit;
        edit.id = id;
        edit.left = r.left;
        edit.top = r.top;
        edit.width = r.width;
        edit.height = r.height;
        edit.enabled = field.enabled;
        edit.max_length = field.max_length;
        edit.settings = EditSettingsFor(field);
        edit.font = Fonts().normal;
        if (field.kind == EldpControlKind::kLabeledEdit) {
            edits_.push_back(std::make_unique<TMLabeledEdit>(
                hwnd_, LabeledEditOptions{.edit = edit, .label = field.label}));
        } else {
            edits_.push_back(std::make_unique<TMEdit>(hwnd_, edit));
        }
        edit_of_field_.push_back(edits_.back().get());
        box_of_field_.push_back(nullptr);
        if (field.record_text == &EldpRecord::year) year_ = edits_.back().get();
    }
}

void TFormELDP::CreateButtons() {
    xml_glyph_ = Glyph(IDI_XML_GLYPH);
    reload_glyph_ = Glyph(IDI_RELOAD_GLYPH);
    exit_glyph_ = Glyph(IDI_EXIT_GLYPH);
    const SpeedButtonOptions buttons[] = {
        {.id = kEldpPrintId,
         .caption = "Podklady pro ELDP (tisk včetně rámečků)"_cz,
         .place = {248, 456, 229, 22},
         .tab_stop = true},
        {.id = kEldpPrintOriginalId,
         .caption = "Tisk ELDP na originální tiskopis"_cz,
         .place = {248, 480, 229, 22},
         .tab_stop = true},
        {.id = kEldpXmlId,
         .caption = "ELDP ve formátu XML - elektronicky"_cz,
         .place = {248, 504, 229, 22},
         .glyph = xml_glyph_,
         .tab_stop = true},
        {.id = kEldpBatchId,
         .caption = "Dávka XML…"_cz,
         .place = {484, 504, 165, 22},
         .glyph = xml_glyph_,
         .tab_stop = true},
        {.id = kEldpReloadId,
         .caption = "Opětovné načtení dat"_cz,
         .place = {484, 480, 165, 22},
         .glyph = reload_glyph_,
         .visible = false,
         .tab_stop = true},
        {.id = kEldpExitId,
         .caption = "Zpět"_cz,
         .place = {652, 505, 93, 22},
         .glyph = exit_glyph_,
         .tab_stop = true},
    };
    for (const SpeedButtonOptions& options : buttons) {
        HWND button = CreateSpeedButton(hwnd_, options);
        if (options.id == kEldpReloadId) reload_ = button;
    }
}

// Enter and the arrows go round the fields (FieldAfterByKey); Tab reaches the buttons.
void TFormELDP::LinkFieldsForKeys() {
    const auto control = [this](std::size_t i) {
        return edit_of_field_[i] ? edit_of_field_[i]->hwnd() : box_of_field_[i]->hwnd();
    };
    for (std::size_t i = 0; i < edit_of_field_.size(); ++i) {
        HWND next = control(FieldAfterByKey(i, true));
        HWND previous = control(FieldAfterByKey(i, false));
        if (TMEdit* edit = edit_of_field_[i]) {
            edit->key_next = next;
            edit->key_previous = previous;
        } else {
            box_of_field_[i]->key_next = next;
            box_of_field_[i]->key_previous = previous;
        }
    }
}

std::vector<std::string> TFormELDP::ChooseDataFiles(const std::string& folder) {
    std::vector<std::string> chosen;
    for (const auto& path : Win32FileOpenDialog(hwnd_).ChooseMany(
             "Všechny soubory (*.*)|*.*|Textové soubory (*.txt)|*.txt"_cz, PathFromText(folder))) {
        chosen.push_back(TextFromPath(path));
    }
    return chosen;
}

void TFormELDP::FocusField(std::string_view name) {
    const std::vector<EldpField>& fields = EldpFormFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name != name) continue;
        SetFocus(edit_of_field_[i] ? edit_of_field_[i]->hwnd() : box_of_field_[i]->hwnd());
        return;
    }
}

EldpRecord TFormELDP::ReadRecord() {
    EldpRecord record;
    const std::vector<EldpField>& fields = EldpFormFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (bool* mark = FieldMark(fields[i], record)) {
            *mark = box_of_field_[i]->Checked();
        } else {
            *FieldText(fields[i], record) = edit_of_field_[i]->Text();
        }
    }
    return record;
}

void TFormELDP::ShowRecord(const EldpRecord& shown) {
    EldpRecord record = shown;
    const std::vector<EldpField>& fields = EldpFormFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (bool* mark = FieldMark(fields[i], record)) {
            box_of_field_[i]->SetChecked(*mark);
        } else if (edit_of_field_[i]->Text() != *FieldText(fields[i], record)) {
            edit_of_field_[i]->SetText(*FieldText(fields[i], record));
        }
    }
}

// The field that has the focus ends its editing (WM_KILLFOCUS runs its exit steps) before the
// record is read.
void TFormELDP::FocusYear() {
    year_->Focus();
}

void TFormELDP::FormActivate() {
    SetText(hwnd_, EldpFormCaption(version_.GetVersionInfo("FileVersion")));
}

void TFormELDP::sbExitClick() {
    flow_.Back();
    ShowWindow(hwnd_, SW_HIDE);
}

void TFormELDP::OnCommand(int id) {
    switch (id) {
        case kEldpPrintId:
            sbTiskClick(kEldpWorksheetTag);
            break;
        case kEldpPrintOriginalId:
            sbTiskClick(kEldpOriginalTag);
            break;
        case kEldpXmlId:
            sbTiskClick(kEldpXmlTag);
            break;
        case kEldpReloadId:
            if (IsWindowVisible(reload_)) sbReloadClick();
            break;
        case kEldpBatchId:
            BatchClick();
            break;
        case kEldpExitId:
            sbExitClick();
            break;
        default:
            // Escape (IDCANCEL) does not close the form: a record typed by hand would be lost.
            break;
    }
}

LRESULT TFormELDP::OnControlColour(HDC dc, HWND control) {
    if (HBRUSH brush = ControlBackgroundBrush(control, dc)) return reinterpret_cast<LRESULT>(brush);
    for (HWND bar : section_bars_) {
        if (control == bar) {
            SetTextColor(dc, kWhite);
            SetBkColor(dc, kEldpAccent);
            return reinterpret_cast<LRESULT>(Look().accent);
        }
    }
    if (control == title_) SetTextColor(dc, kEldpAccent);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, kEldpBackground);
    // Labels draw their text only: a long one may run into its neighbour's place, and neither
    // cuts the other off.
    wchar_t class_name[16] = {};
    GetClassNameW(control, class_name, 16);
    if (lstrcmpiW(class_name, L"STATIC") == 0) {
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    return reinterpret_cast<LRESULT>(Look().background);
}

LRESULT TFormELDP::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wparam) != WA_INACTIVE) FormActivate();
            break;
        case WM_COMMAND:
            if (HIWORD(wparam) == BN_CLICKED) OnCommand(LOWORD(wparam));
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
        case WM_CLOSE:
            // The close box closes only the form.
            ShowWindow(hwnd_, SW_HIDE);
            return 0;
        default:
            break;
    }
    return WindowBase::HandleMessage(message, wparam, lparam);
}

}  // namespace

void ShowEldpForm(HWND owner, ProgramContext& context, const TXFileVersion& version,
                  FileSystem& files) {
    TFormELDP form(owner, context, version, files);
    if (!form.Create()) return;
    RunModal(form.hwnd(), owner);
}

}  // namespace zerkon
