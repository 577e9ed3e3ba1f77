#include "ui/main_window.h"

#include <string>

#include "common/cp1250_literal.h"
#include "platform/close_window.h"
#include "platform/downloader.h"
#include "platform/process_starter.h"
#include "platform/registry.h"
#include "platform/system_info.h"
#include "platform/ui_feedback.h"
#include "platform/win32/foreground.h"
#include "platform/win32/message_boxes_win32.h"
#include "platform/win32/program_path.h"
#include "platform/win32/wide_text.h"
#include "platform/window_messenger.h"
#include "shell/command_line.h"
#include "shell/info_text.h"
#include "shell/main_window_activation.h"
#include "shell/maker_settings.h"
#include "shell/update_flow.h"
#include "ui/bank_window.h"
#include "ui/eldp_window.h"
#include "ui/main_window_ids.h"
#include "ui/memo_read_window.h"
#include "ui/premium_overview_window.h"
#include "ui/resource_ids.h"
#include "ui/speed_button.h"

namespace zerkon {
namespace {

constexpr UINT kOpenEldpMessage = WM_APP + 1;
constexpr int kClientWidth = 377;
constexpr int kClientHeight = 275;
constexpr std::string_view kEldpHint = "Evidenční list důchodového pojištění"_cz;

BOOL CALLBACK CloseIfOwnedBy(HWND window, LPARAM owner) {
    if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(owner) && IsWindowVisible(window)) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

}  // namespace

TFormZerkon::TFormZerkon(FileSystem& files)
    : XFileVersion1(OwnProgramVersionResource()), files_(files) {}

bool TFormZerkon::Create() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    exit_glyph_ = LoadGlyph(IDI_EXIT_GLYPH);
    CreateOptions options;
    options.class_name = kMainWindowClass;
    options.caption = "Zerkon ";
    options.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    options.client_width = kClientWidth;
    options.client_height = kClientHeight;
    options.icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_ZERKON));
    if (!WindowBase::Create(options)) return false;
    CreateControls();
    return true;
}

void TFormZerkon::CreateControls() {
    const HFONT bold = Fonts().bold;
    CreateLabel(hwnd_, kMainLabel1Id, "Dekodér bankovních příkazů"_cz, 28, 16, bold);
    CreateLabel(hwnd_, kMainLabel3Id, "v elektroniclé podobě:"_cz, 28, 32, bold);
    CreateLabel(hwnd_, kMainLabel2Id, "Manuální vyplnění formulářů:"_cz, 28, 136, bold);

    const SpeedButtonOptions buttons[] = {
        {.id = kMainKpcId, .caption = "KPC", .place = {28, 48, 150, 22}},
        {.id = kMainGpcId, .caption = "GPC", .place = {28, 70, 150, 22}},
        {.id = kMainGeminyId, .caption = "Geminy", .place = {28, 92, 150, 22}},
        {.id = kMainCfgId, .caption = "CFG", .place = {204, 70, 150, 22}, .visible = false},
        {.id = kMainEldpId, .caption = "ELDP", .place = {28, 152, 150, 22}, .hint = kEldpHint},
        {.id = kMainInfoId,
         .caption = "Informace",
         .place = {204, 152, 150, 22},
         .hint = kEldpHint},
        {.id = kMainPrehledPojId,
         .caption = "Přehled o výši pojistného"_cz,
         .place = {28, 176, 150, 22},
         .enabled = false},
        {.id = kMainUpgradeId, .caption = "Aktualizace programu", .place = {28, 228, 150, 22}},
        {.id = kMainExitId, .caption = "Konec", .place = {265, 224, 100, 26}, .glyph = exit_glyph_},
    };
    for (const auto& button : buttons) CreateSpeedButton(hwnd_, button);
}

LRESULT TFormZerkon::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ACTIVATE:
            OnActivate(wparam, lparam);
            return 0;
        case WM_COMMAND:
            if (HIWORD(wparam) == BN_CLICKED) {
                RunHandler([this, wparam] { OnCommand(LOWORD(wparam)); });
            }
            return 0;
        case kOpenEldpMessage:
            RunHandler([this] { sbELDPClick(); });
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return WindowBase::HandleMessage(message, wparam, lparam);
}

// FormActivate runs as ActivationFilter decides.
void TFormZerkon::OnActivate(WPARAM wparam, LPARAM lparam) {
    const HWND other = reinterpret_cast<HWND>(lparam);
    DWORD other_process = 0;
    if (other) GetWindowThreadProcessId(other, &other_process);
    const ActivationChange change{
        .active = LOWORD(wparam) != WA_INACTIVE,
        .other_window_in_program = other_process == GetCurrentProcessId(),
        .minimised = HIWORD(wparam) != 0,
    };
    if (!activation_filter_.WindowActivated(change)) return;
    FormActivate();
    activation_filter_.HandlerDone();
}

// A handler may run a modal window's loop, inside which the program can be asked to end: the
// window outlives the handler and is destroyed when it has returned.
void TFormZerkon::RunHandler(const std::function<void()>& handler) {
    ++handlers_running_;
    handler();
    --handlers_running_;
    if (handlers_running_ == 0 && end_requested_) DestroyWindow(hwnd_);
}

// The one way out. With a handler running, the windows open over this one are closed (each
// hides itself, which ends its modal loop) and the handler returns before the window goes.
void TFormZerkon::OnClose() {
    if (handlers_running_ == 0) {
        DestroyWindow(hwnd_);
        return;
    }
    end_requested_ = true;
    CloseOwnedWindows();
}

void TFormZerkon::CloseOwnedWindows() {
    EnumThreadWindows(GetCurrentThreadId(), CloseIfOwnedBy, reinterpret_cast<LPARAM>(hwnd_));
}

void TFormZerkon::OnCommand(int id) {
    switch (id) {
        case kMainKpcId:
            sbBankaClick(BankFormat::kKpc);
            break;
        case kMainGpcId:
            sbBankaClick(BankFormat::kGpc);
            break;
        case kMainGeminyId:
            sbBankaClick(BankFormat::kGeminy);
            break;
        case kMainEldpId:
            sbELDPClick();
            break;
        case kMainInfoId:
            SpeedButton1Click();
            break;
        case kMainPrehledPojId:
            sbPrehledPojClick();
            break;
        case kMainUpgradeId:
            sbUpgradeClick();
            break;
        case kMainExitId:
            sbExitClick();
            break;
        default:
            break;  // sbCFG has no behaviour
    }
}

void TFormZerkon::FormActivate() {
    std::vector<std::string> arguments = SplitCommandLine(Narrow(GetCommandLineW()));
    MainWindowActivation activation = ActivateMainWindow(
        XFileVersion1.GetVersionInfo("FileVersion"), Narrow(OwnProgramPath()), arguments);
    SetText(hwnd_, activation.caption);
    context_ = activation.context;
    if (activation.open_eldp_minimised) {
        ShowWindow(hwnd_, SW_MINIMIZE);
        // Opened once the activation message is done: a modal window must not run its loop
        // inside WM_ACTIVATE.
        PostMessageW(hwnd_, kOpenEldpMessage, 0, 0);
    }
}

// The bank preview window in the format of the pressed button.
void TFormZerkon::sbBankaClick(BankFormat format) {
    ShowBankPreview(hwnd_, format, context_, files_);
}

// The ELDP form, modal; in ELDP mode it loads the data file of the command line at once.
void TFormZerkon::sbELDPClick() {
    // In ELDP mode every activation asks for the form; one is enough.
    if (eldp_form_open_) return;
    eldp_form_open_ = true;
    ShowEldpForm(hwnd_, context_, XFileVersion1, files_);
    eldp_form_open_ = false;
}

void TFormZerkon::sbPrehledPojClick() {
    TFormPrehledPoj form;
    if (form.Create(hwnd_)) RunModal(form.hwnd(), hwnd_);
}

// The program update flow, mode 0, its window placed 30 px right of and 60 px below this
// window's top-left corner.
void TFormZerkon::sbUpgradeClick() {
    RECT frame{};
    GetWindowRect(hwnd_, &frame);
    Win32MessageBoxes boxes(hwnd_);
    UpdateServices services{
        boxes,
        SystemWindowMessenger(),
        SystemProcessStarter(),
        SystemUiFeedback(),
        SystemDownloader(),
        SystemRegistry(),
        SystemClock(),
        [](std::string_view class_name) { CloseWindowByClass(class_name); },
        [](WindowHandle window) { BringWindowToForeground(reinterpret_cast<HWND>(window)); },
        RunningWindowsVersion(),
        context_.program_folder,
        files_,
    };
    RunUpdateFlow(
        MainWindowUpdateInputs(frame.left, frame.top, XFileVersion1.GetVersionInfo("FileVersion"),
                               context_.program_folder, reinterpret_cast<WindowHandle>(hwnd_)),
        services);
}

// The information window: where the payroll program leaves its ELDP data.
void TFormZerkon::SpeedButton1Click() {
    const std::string payroll_folder =
        ReadMakerSetting(SystemRegistry(), kRalSubKey, "", kInstallPathValue);
    ShowTextWindow(hwnd_, 0, 0, kInformationCaption,
                   InformationText(payroll_folder, context_.program_folder));
}

// Ends the program at once, without asking.
void TFormZerkon::sbExitClick() {
    OnClose();
}

}  // namespace zerkon
