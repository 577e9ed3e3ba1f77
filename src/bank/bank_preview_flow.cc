#include "bank/bank_preview_flow.h"

#include <exception>
#include <utility>

#include "bank/preview_text.h"
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

BankPreviewFlow::BankPreviewFlow(int mode, FileOpenDialog& dialog, BankDecoders& decoders,
                                 BankJobHandOff& hand_off, BankPreviewView& view)
    : mode_(mode), dialog_(dialog), decoders_(decoders), hand_off_(hand_off), view_(view) {}

void BankPreviewFlow::OpenFile() {
    view_.HidePreview();
    const std::optional<std::filesystem::path> file = dialog_.Choose(BankDialogFilter(mode_));
    if (!file) return;  // the preview stays hidden; print and job keep their state

    BankTextLines preview;
    if (!DecodeInto(*file, preview)) return;
    view_.ShowPreview(PreviewEntriesToText(preview, "\r\n"), kPreviewFocusColour);
    if (mode_ == kBankModeGpc) {
        print_enabled_ = true;  // never disabled again while the window is open
        view_.EnablePrint();
    }
}

bool BankPreviewFlow::DecodeInto(const std::filesystem::path& file, BankTextLines& preview) {
    try {
        switch (mode_) {
            case kBankModeKpc:
                decoders_.DecodeKpc(file, preview);
                break;
            case kBankModeGpc: {
                // The new job replaces the old one only once the whole file was
                // read: a failed read leaves the statement shown before
                // printable as it was, never a half-built job.
                BankTextLines job;
                hand_off_.BeginBankJob("Vypis", job);
                decoders_.DecodeGpc(file, preview, job);
                job_lines_ = std::move(job);
                break;
            }
            case kBankModeGeminy:
                decoders_.DecodeGeminy(file, preview);
                break;
            default:
                break;  // no decoder: an empty preview
        }
        return true;
    } catch (const std::exception& error) {
        view_.ShowError(error.what());
        return false;
    }
}

void BankPreviewFlow::Print() {
    if (!print_enabled_) return;
    try {
        hand_off_.PrintBankJob(job_lines_);
    } catch (const std::exception& error) {
        view_.ShowError(error.what());
    }
}

}  // namespace zerkon
