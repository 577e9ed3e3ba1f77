#pragma once
// What the bank preview window does, step by step: its captions, the file
// dialog's filter, opening and decoding a bank file, and printing a decoded
// statement. The window supplies the dialog, the decoders, the print hand-off
// and its own controls through the small interfaces below.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "bank/output_text.h"
#include "platform/file_dialog.h"

namespace zerkon {

// The format modes of the window: the tags of the main window's buttons.
inline constexpr int kBankModeKpc = 1;
inline constexpr int kBankModeGpc = 2;
inline constexpr int kBankModeGeminy = 3;

// Sky blue, RGB(166, 202, 240): the preview's background while focused.
inline constexpr std::uint32_t kPreviewFocusColour = 15780518;

std::string BankFormatName(int mode);
std::string BankWindowCaption(int mode);
std::string BankOpenButtonCaption(int mode);
std::string BankDialogFilter(int mode);
// A file whose preview cannot be held.
std::string BankPreviewTooLargeMessage(const std::filesystem::path& file);

using BankTextLines = std::vector<std::string>;

// The decoders, writing to the outputs they are given. A file that cannot be
// read raises an exception whose what() is the system's message (program
// text); a preview too large to hold raises OutputTooLarge.
class BankDecoders {
  public:
    virtual ~BankDecoders() = default;
    virtual void DecodeKpc(const std::filesystem::path& file, OutputText& preview) = 0;
    virtual void DecodeGpc(const std::filesystem::path& file, OutputText& preview,
                           OutputText& records) = 0;
    virtual void DecodeGeminy(const std::filesystem::path& file, OutputText& preview) = 0;
};

class BankJobHandOff {
  public:
    virtual ~BankJobHandOff() = default;
    virtual void BeginBankJob(std::string_view section, BankTextLines& job_lines) = 0;
    virtual void PrintBankJob(const BankTextLines& job_lines) = 0;
};

// The window's controls and its error dialog.
class BankPreviewView {
  public:
    virtual ~BankPreviewView() = default;
    virtual void HidePreview() = 0;
    // Hands the memo the whole text at once (lines ending in CR LF), sets its
    // focus colour, shows it and gives it the keyboard focus. Throws
    // std::bad_alloc, with the preview left hidden, when the memo cannot hold
    // the text.
    virtual void ShowPreview(std::string text, std::uint32_t focus_colour) = 0;
    virtual void EnablePrint() = 0;
    virtual void ShowError(std::string_view message) = 0;
};

class BankPreviewFlow {
  public:
    // `limits` bound the preview and the print data held for one file.
    BankPreviewFlow(int mode, FileOpenDialog& dialog, BankDecoders& decoders,
                    BankJobHandOff& hand_off, BankPreviewView& view, OutputLimits limits = {});

    int mode() const { return mode_; }
    bool print_enabled() const { return print_enabled_; }
    const BankTextLines& job_lines() const { return job_lines_; }

    // "Soubor ...": choose a file, decode it and show it.
    void OpenFile();
    // "Tisk": hand the statement decoded last to the print engine.
    void Print();

  private:
    // The preview text; in mode 2 also the new job in `job`.
    std::string Decode(const std::filesystem::path& file, BankTextLines& job);

    int mode_;
    FileOpenDialog& dialog_;
    BankDecoders& decoders_;
    BankJobHandOff& hand_off_;
    BankPreviewView& view_;
    OutputLimits limits_;
    BankTextLines job_lines_;
    bool print_enabled_ = false;
};

}  // namespace zerkon
