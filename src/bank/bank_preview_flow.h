#pragma once
// What the bank preview window does, step by step: its captions, the file
// dialog's filter, opening and decoding a bank file, and printing a decoded
// statement. The window supplies the dialog, the decoders, the print hand-off
// and its own controls through the small interfaces below.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bank/bank_format.h"
#include "bank/output_text.h"
#include "bank/spilled_text.h"
#include "common/file_system.h"
#include "common/status.h"
#include "platform/file_dialog.h"

namespace zerkon {

// Sky blue, RGB(166, 202, 240): the preview's background while focused.
inline constexpr std::uint32_t kPreviewFocusColour = 15780518;

std::string BankFormatName(BankFormat format);
std::string BankWindowCaption(BankFormat format);
std::string BankOpenButtonCaption(BankFormat format);
std::string BankDialogFilter(BankFormat format);
// A file whose preview cannot be held.
std::string BankPreviewTooLargeMessage(const std::filesystem::path& file);
// The print data of the statement shown has gone from its temporary file.
std::string BankJobLostMessage();

using BankTextLines = std::vector<std::string>;

// The decoders, writing to the outputs they are given: a file that cannot be
// read fails with its message and the system's reason, a preview too large to
// hold with kTooLarge.
class BankDecoders {
  public:
    virtual ~BankDecoders() = default;
    virtual Status DecodeKpc(const std::filesystem::path& file, OutputText& preview) = 0;
    virtual Status DecodeGpc(const std::filesystem::path& file, OutputText& preview,
                             OutputText& records) = 0;
    virtual Status DecodeGeminy(const std::filesystem::path& file, OutputText& preview) = 0;
};

class BankJobHandOff {
  public:
    virtual ~BankJobHandOff() = default;
    virtual Status BeginBankJob(std::string_view section, BankTextLines& job_lines) = 0;
    virtual Status PrintBankJob(const BankTextLines& job_lines) = 0;
    // A new empty file of this program's for the print data waiting to be
    // printed; an empty path when none can be made (the data is then held).
    virtual std::filesystem::path NewTemporaryFile() = 0;
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
    virtual void EnableCsv() = 0;
    virtual void ShowError(std::string_view message) = 0;
};

class BankPreviewFlow {
  public:
    // `limits` bound the preview and the print data held for one file; `files` holds the
    // temporary file of a statement's print data.
    BankPreviewFlow(BankFormat format, FileOpenDialog& dialog, BankDecoders& decoders,
                    BankJobHandOff& hand_off, BankPreviewView& view, FileSystem& files,
                    OutputLimits limits = {});

    BankFormat format() const { return format_; }
    bool print_enabled() const { return print_enabled_; }
    // The file shown last ("Uložit CSV" saves it); nothing before one was shown. A later file
    // that cannot be shown leaves it as it was, as the print job stays.
    const std::optional<std::filesystem::path>& shown_file() const { return shown_file_; }
    // The job that "Tisk" hands on; its records are read back from their
    // temporary file (a failure when that file is gone).
    Result<BankTextLines> JobLines() const;

    // "Soubor ...": choose a file, decode it and show it.
    void OpenFile();
    // "Tisk": hand the statement decoded last to the print engine.
    void Print();

  private:
    // A statement's print job: the head from the template, then one entry
    // with every record.
    struct Job {
        BankTextLines head;
        std::unique_ptr<SpilledText> records;
    };

    // The preview text; for a statement also the new job in `job`.
    Result<std::string> Decode(const std::filesystem::path& file, Job& job);
    // The statement's preview and print records, the records in `file` (or
    // held when it is empty). `records_kept` tells whether they could all be
    // written there.
    Status DecodeGpc(const std::filesystem::path& file, OutputText& preview, Job& job,
                     std::filesystem::path records_file, bool& records_kept);

    BankFormat format_;
    FileOpenDialog& dialog_;
    BankDecoders& decoders_;
    BankJobHandOff& hand_off_;
    BankPreviewView& view_;
    FileSystem& files_;
    OutputLimits limits_;
    Job job_;
    bool print_enabled_ = false;
    std::optional<std::filesystem::path> shown_file_;
};

}  // namespace zerkon
