#include "ui/bank_window.h"

#include <algorithm>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "bank/bank_csv_flow.h"
#include "bank/bank_preview_flow.h"
#include "bank/geminy_decoder.h"
#include "bank/gpc_decoder.h"
#include "bank/kpc_decoder.h"
#include "common/cp1250_literal.h"
#include "common/regional.h"
#include "files/file_message.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/process_starter.h"
#include "platform/registry.h"
#include "platform/ui_feedback.h"
#include "platform/win32/file_dialog_win32.h"
#include "platform/win32/message_boxes_win32.h"
#include "platform/win32/temporary_file.h"
#include "platform/win32/user_regional_settings.h"
#include "platform/window_messenger.h"
#include "print/job_file.h"
#include "print/print_engine_flow.h"
#include "shell/maker_settings.h"
#include "ui/m_memo.h"
#include "ui/m_memo_view.h"
#include "ui/print_engine_link.h"
#include "ui/speed_button.h"
#include "ui/window_base.h"

namespace zerkon {

namespace {

constexpr int kClientWidth = 537;
constexpr int kClientHeight = 465;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

class RealBankDecoders : public BankDecoders {
  public:
    RealBankDecoders(FileSystem& files, const RegionalSettings& regional)
        : files_(files), regional_(regional) {}
    Status DecodeKpc(const std::filesystem::path& file, OutputText& preview) override {
        return zerkon::DecodeKpc(files_, file, regional_, preview);
    }
    Status DecodeGpc(const std::filesystem::path& file, OutputText& preview,
                     OutputText& records) override {
        return zerkon::DecodeGpc(files_, file, regional_, preview, records);
    }
    Status DecodeGeminy(const std::filesystem::path& file, OutputText& preview) override {
        return zerkon::DecodeGeminy(files_, file, regional_, preview);
    }

  private:
    FileSystem& files_;
    RegionalSettings regional_;
};

// The job's head from the program's template folder; the print through the
// print engine hand-off, the request naming the main window.
class ProgramHandOff : public BankJobHandOff {
  public:
    ProgramHandOff(HWND main_window, HWND window, const ProgramContext& context, FileSystem& files)
        : main_window_(main_window), boxes_(window), context_(context), files_(files) {}
    Status BeginBankJob(std::string_view section, BankTextLines& job_lines) override {
        return zerkon::BeginBankJob(files_, context_.source_folder, section, job_lines);
    }
    Status PrintBankJob(const BankTextLines& job_lines) override {
        return ProgramPrintEngine(main_window_, boxes_, context_, files_).PrintBankJob(job_lines);
    }
    std::filesystem::path NewTemporaryFile() override { return zerkon::NewTemporaryFile(); }

  private:
    HWND main_window_;
    Win32MessageBoxes boxes_;
    const ProgramContext& context_;
    FileSystem& files_;
};

class TFormBanka : public WindowBase, public BankPreviewView {
  public:
    TFormBanka(HWND owner, BankFormat format, const ProgramContext& context, FileSystem& files)
        : owner_(owner),
          format_(format),
          context_(context),
          files_(files),
          regional_(UserRegionalSettings()),
          decoders_(files, regional_) {}
    bool Create();

    // BankPreviewView
    void HidePreview() override { memo_->Show(false); }
    void ShowPreview(std::string text, std::uint32_t focus_colour) override {
        // The memo takes the text itself, however long: no copy.
        if (!SetMemoViewText(memo_->hwnd(), std::move(text))) throw std::bad_alloc();
        memo_->SetFocusColour(focus_colour);
        memo_->Show(true);
        memo_->Focus();
    }
    void EnablePrint() override { EnableWindow(print_, TRUE); }
    void EnableCsv() override { EnableWindow(csv_, TRUE); }
    void ShowError(std::string_view message) override {
        boxes_->Show(message, "Zerkon", MessageIcon::Error, MessageButtons::Ok);
    }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void CreateControls();
    void OnCommand(int id);

    void sbOpenBankaClick() { flow_->OpenFile(); }
    void sbTiskBankaClick() { flow_->Print(); }
    void OnSaveCsvClick() { csv_flow_->Save(format_, flow_->shown_file()); }
    void sbExitClick() { ShowWindow(hwnd_, SW_HIDE); }

    HWND owner_;
    BankFormat format_;
    const ProgramContext& context_;
    FileSystem& files_;
    RegionalSettings regional_;
    RealBankDecoders decoders_;
    std::unique_ptr<ProgramHandOff> hand_off_;
    HWND print_ = nullptr;
    HWND csv_ = nullptr;
    std::unique_ptr<TMMemo> memo_;
    std::unique_ptr<Win32MessageBoxes> boxes_;
    std::unique_ptr<Win32FileOpenDialog> dialog_;
    std::unique_ptr<BankPreviewFlow> flow_;
    std::unique_ptr<Win32FileSaveDialog> save_dialog_;
    std::unique_ptr<BankCsvFlow> csv_flow_;
};

bool TFormBanka::Create() {
    const std::string caption = BankWindowCaption(format_);
    CreateOptions options;
    options.class_name = kBankWindowClass;
    options.caption = caption;
    options.style = kStyle;
    options.ex_style = kExStyle;
    options.client_width = kClientWidth;
    options.client_height = kClientHeight;
    options.owner = owner_;
    options.centre_on_screen = false;
    if (!WindowBase::Create(options)) return false;
    CreateControls();
    CentreOver(owner_);
    return true;
}

void TFormBanka::CreateControls() {
    memo_ = std::make_unique<TMMemo>(
        hwnd_, MemoOptions{.id = kBankMemoId,
                           .left = 0,
                           .top = 0,
                           .width = kClientWidth,
                           .height = 413,
                           .read_only = true,
                           .vertical_scroll_bar = true,
                           .visible = false,
                           .colour = kClWindow,
                           .settings = {.key_arrow_exit = true, .key_tab_on_key_press = false}});
    SendMessageW(memo_->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(Fonts().normal), FALSE);

    const std::string open_caption = BankOpenButtonCaption(format_);
    const SpeedButtonOptions buttons[] = {
        {.id = kBankOpenId, .caption = open_caption, .place = {20, 424, 125, 26}},
        {.id = kBankPrintId, .caption = "Tisk", .place = {168, 424, 97, 26}, .enabled = false},
        {.id = kBankCsvId,
         .caption = "Uložit CSV"_cz,
         .place = {285, 424, 125, 26},
         .enabled = false,
         .tab_stop = true},
        {.id = kBankExitId, .caption = "Zpět"_cz, .place = {428, 424, 93, 26}},
        {.id = kBankSettingsId,
         .caption = "Nastavení"_cz,
         .place = {290, 424, 97, 26},
         .visible = false,
         .enabled = false},
    };
    for (const SpeedButtonOptions& options : buttons) {
        HWND button = CreateSpeedButton(hwnd_, options);
        const bool bold = options.id != kBankExitId;
        SendMessageW(button, WM_SETFONT,
                     reinterpret_cast<WPARAM>(bold ? Fonts().bold : Fonts().normal), FALSE);
        if (options.id == kBankPrintId) print_ = button;
        if (options.id == kBankCsvId) csv_ = button;
    }

    boxes_ = std::make_unique<Win32MessageBoxes>(hwnd_);
    dialog_ = std::make_unique<Win32FileOpenDialog>(hwnd_);
    hand_off_ = std::make_unique<ProgramHandOff>(owner_, hwnd_, context_, files_);
    flow_ =
        std::make_unique<BankPreviewFlow>(format_, *dialog_, decoders_, *hand_off_, *this, files_);
    save_dialog_ = std::make_unique<Win32FileSaveDialog>(hwnd_);
    csv_flow_ = std::make_unique<BankCsvFlow>(*save_dialog_, files_, regional_, *boxes_);
}

void TFormBanka::OnCommand(int id) {
    switch (id) {
        case kBankOpenId:
            sbOpenBankaClick();
            break;
        case kBankPrintId:
            if (IsWindowEnabled(print_)) sbTiskBankaClick();
            break;
        case kBankCsvId:
            if (IsWindowEnabled(csv_)) OnSaveCsvClick();
            break;
        case kBankExitId:
            sbExitClick();
            break;
        default:
            break;  // Enter and Escape of the dialog navigation do nothing here
    }
}

LRESULT TFormBanka::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wparam) == BN_CLICKED) OnCommand(LOWORD(wparam));
            return 0;
        case WM_CLOSE:
            sbExitClick();
            return 0;
        default:
            break;
    }
    return WindowBase::HandleMessage(message, wparam, lparam);
}

}  // namespace

void ShowBankPreview(HWND owner, BankFormat format, const ProgramContext& context,
                     FileSystem& files) {
    TFormBanka form(owner, format, context, files);
    if (form.Create()) RunModal(form.hwnd(), owner);
}

}  // namespace zerkon
