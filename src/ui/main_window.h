#pragma once
// TFormZerkon: the main window. It holds the buttons that open every other window; the window
// class name "TFormZerkon" is how other programs find it.
//
// The program ends one way: this window is destroyed, WM_DESTROY posts the quit message and
// wWinMain returns. Whatever ends the program ("Konec", the close box, the ELDP form's "Zpět" in
// ELDP mode, the print engine's emergency stop, another program) asks this window to close with
// WM_CLOSE; the windows that end it are handed this window, never look for it by class.
//
// Each button has one handler method below. Windows that other parts of the program provide are
// opened from exactly that method (a single call to the window's own Show... function declared
// in its own header); nothing else in this file needs to change for them.

#include <windows.h>

#include <functional>

#include "bank/bank_format.h"
#include "common/file_system.h"
#include "controls/file_version.h"
#include "shell/activation_filter.h"
#include "shell/program_context.h"
#include "ui/window_base.h"

namespace zerkon {

class TFormZerkon : public WindowBase {
  public:
    // `files`: the disk, for every window and output of the program.
    explicit TFormZerkon(FileSystem& files);
    // Creates the window hidden, centred on the screen.
    bool Create();

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void CreateControls();
    void OnActivate(WPARAM wparam, LPARAM lparam);
    void OnCommand(int id);
    void RunHandler(const std::function<void()>& handler);
    void OnClose();
    void CloseOwnedWindows();

    void FormActivate();
    void sbBankaClick(BankFormat format);
    void sbELDPClick();
    void sbPrehledPojClick();
    void sbUpgradeClick();
    // "Informace": SpeedButton1 is the information button.
    void SpeedButton1Click();
    void sbExitClick();

    // The reader of the program's own version resource.
    TXFileVersion XFileVersion1;
    FileSystem& files_;
    HICON exit_glyph_ = nullptr;
    ActivationFilter activation_filter_;
    // The run's folders and start-up request, renewed at every activation.
    ProgramContext context_;
    bool eldp_form_open_ = false;
    // Handlers running now (a modal window's loop runs inside one), and whether the program was
    // asked to end meanwhile: the window is destroyed when the last of them has returned.
    int handlers_running_ = 0;
    bool end_requested_ = false;
};

}  // namespace zerkon
