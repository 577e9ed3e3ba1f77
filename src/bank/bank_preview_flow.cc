#include "bank/bank_preview_flow.h"

#include <exception>
#include <new>
#include <utility>

#include "bank/bank_file.h"
#include "common/cp1250_literal.h"

namespace zerkon {

std::string BankFormatName(int mode) {
    switch (mode) {
        case kBankModeKpc:
            return "KPC";
        case kBankModeGpc:
            return "GPC";
        case kBankModeGeminy:
            return "Geminy";
        default:
            return "";
    }
}

std::string BankWindowCaption(int mode) {
    return "Náhled příkazu do banky v elektronickém tvaru ve formátu "_cz + BankFormatName(mode);
}

std::string BankOpenButtonCaption(int mode) {
    return "Soubor " + BankFormatName(mode);
}

std::string BankDialogFilter(int mode) {
    switch (mode) {
        case kBankModeKpc:
            return "KPC soubory (*.kpc)|*.kpc";
        case kBankModeGpc:
            return "GPC soubory (*.gpc)|*.gpc";
        case kBankModeGeminy:
            return "Geminy soubory (*.gem)|*.gem";
        default:
            return "";
    }
}

std::string BankPreviewTooLargeMessage(const std::filesystem::path& file) {
    return "Soubor \""_cz + PathToProgramText(file) +
           "\" je příliš velký: jeho náhled se nevejde do paměti."_cz;
}

std::string BankJobLostMessage() {
    return "Data výpisu pro tisk se ztratila. Otevřete výpis znovu."_cz;
}

BankPreviewFlow::BankPreviewFlow(int mode, FileOpenDialog& dialog, BankDecoders& decoders,
                                 BankJobHandOff& hand_off, BankPreviewView& view,
                                 OutputLimits limits)
    : mode_(mode),
      dialog_(dialog),
      decoders_(decoders),
      hand_off_(hand_off),
      view_(view),
      limits_(limits) {}

// The new job replaces the old one only once the statement is shown: a failed
// read, or a preview too large to show, leaves the statement shown before
// printable as it was, never a half-built job.
void BankPreviewFlow::OpenFile() {
    view_.HidePreview();
    const std::optional<std::filesystem::path> file = dialog_.Choose(BankDialogFilter(mode_));
    if (!file) return;  // the preview stays hidden; print and job keep their state

    try {
        Job job;
        std::string preview = Decode(*file, job);
        view_.ShowPreview(std::move(preview), kPreviewFocusColour);
        if (!shown_file_) view_.EnableCsv();  // never disabled again while the window is open
        shown_file_ = *file;
        if (mode_ == kBankModeGpc) {
            job_ = std::move(job);
            print_enabled_ = true;  // never disabled again while the window is open
            view_.EnablePrint();
        }
    } catch (const OutputTooLarge&) {
        view_.ShowError(BankPreviewTooLargeMessage(*file));
    } catch (const std::bad_alloc&) {
        view_.ShowError(BankPreviewTooLargeMessage(*file));
    } catch (const std::exception& error) {
        view_.ShowError(error.what());
    }
}

std::string BankPreviewFlow::Decode(const std::filesystem::path& file, Job& job) {
    OutputText preview(limits_);
    switch (mode_) {
        case kBankModeKpc:
            decoders_.DecodeKpc(file, preview);
            break;
        case kBankModeGpc:
            hand_off_.BeginBankJob("Vypis", job.head);
            if (!DecodeGpc(file, preview, job, hand_off_.NewTemporaryFile())) {
                // The temporary file's disk is full: the records are held after all.
                preview = OutputText(limits_);
                DecodeGpc(file, preview, job, {});
            }
            break;
        case kBankModeGeminy:
            decoders_.DecodeGeminy(file, preview);
            break;
        default:
            break;  // no decoder: an empty preview
    }
    return preview.Take();
}

bool BankPreviewFlow::DecodeGpc(const std::filesystem::path& file, OutputText& preview, Job& job,
                                std::filesystem::path records_file) {
    job.records = std::make_unique<SpilledText>(std::move(records_file), limits_);
    decoders_.DecodeGpc(file, preview, job.records->output());
    return job.records->Finish();
}

std::optional<BankTextLines> BankPreviewFlow::JobLines() const {
    BankTextLines lines = job_.head;
    if (!job_.records) return lines;
    std::optional<std::string> entry = job_.records->Read();
    if (!entry) return std::nullopt;
    // One entry of the job for all records: the job file ends every entry
    // with CR LF, so the records' own last one goes.
    if (entry->ends_with("\r\n")) entry->resize(entry->size() - 2);
    lines.push_back(std::move(*entry));
    return lines;
}

void BankPreviewFlow::Print() {
    if (!print_enabled_) return;
    try {
        const std::optional<BankTextLines> job = JobLines();
        if (!job) {
            view_.ShowError(BankJobLostMessage());
            return;
        }
        hand_off_.PrintBankJob(*job);
    } catch (const std::exception& error) {
        view_.ShowError(error.what());
    }
}

}  // namespace zerkon
