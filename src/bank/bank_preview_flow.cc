#include "bank/bank_preview_flow.h"

#include <new>
#include <utility>

#include "bank/bank_file.h"
#include "common/cp1250_literal.h"

namespace zerkon {

std::string BankFormatName(BankFormat format) {
    switch (format) {
        case BankFormat::kKpc:
            return "KPC";
        case BankFormat::kGpc:
            return "GPC";
        case BankFormat::kGeminy:
            return "Geminy";
    }
    return "";
}

std::string BankWindowCaption(BankFormat format) {
    return "Náhled příkazu do banky v elektronickém tvaru ve formátu "_cz + BankFormatName(format);
}

std::string BankOpenButtonCaption(BankFormat format) {
    return "Soubor " + BankFormatName(format);
}

std::string BankDialogFilter(BankFormat format) {
    switch (format) {
        case BankFormat::kKpc:
            return "KPC soubory (*.kpc)|*.kpc";
        case BankFormat::kGpc:
            return "GPC soubory (*.gpc)|*.gpc";
        case BankFormat::kGeminy:
            return "Geminy soubory (*.gem)|*.gem";
    }
    return "";
}

std::string BankPreviewTooLargeMessage(const std::filesystem::path& file) {
    return "Soubor \""_cz + PathToProgramText(file) +
           "\" je příliš velký: jeho náhled se nevejde do paměti."_cz;
}

std::string BankJobLostMessage() {
    return "Data výpisu pro tisk se ztratila. Otevřete výpis znovu."_cz;
}

BankPreviewFlow::BankPreviewFlow(BankFormat format, FileOpenDialog& dialog, BankDecoders& decoders,
                                 BankJobHandOff& hand_off, BankPreviewView& view, FileSystem& files,
                                 OutputLimits limits)
    : format_(format),
      dialog_(dialog),
      decoders_(decoders),
      hand_off_(hand_off),
      view_(view),
      files_(files),
      limits_(limits) {}

// The new job replaces the old one only once the statement is shown: a failed
// read, or a preview too large to show, leaves the statement shown before
// printable as it was, never a half-built job.
void BankPreviewFlow::OpenFile() {
    view_.HidePreview();
    const std::optional<std::filesystem::path> file = dialog_.Choose(BankDialogFilter(format_));
    if (!file) return;  // the preview stays hidden; print and job keep their state

    Job job;
    // The edge of the window's work: a preview that memory cannot hold (while it is made, or in
    // the memo) is too large like one beyond the limits.
    try {
        Result<std::string> preview = Decode(*file, job);
        if (!preview.ok()) {
            view_.ShowError(preview.status().code() == StatusCode::kTooLarge
                                ? BankPreviewTooLargeMessage(*file)
                                : preview.status().Text());
            return;
        }
        view_.ShowPreview(std::move(*preview), kPreviewFocusColour);
    } catch (const std::bad_alloc&) {
        view_.ShowError(BankPreviewTooLargeMessage(*file));
        return;
    }
    if (!shown_file_) view_.EnableCsv();  // never disabled again while the window is open
    shown_file_ = *file;
    if (format_ == BankFormat::kGpc) {
        job_ = std::move(job);
        print_enabled_ = true;  // never disabled again while the window is open
        view_.EnablePrint();
    }
}

Result<std::string> BankPreviewFlow::Decode(const std::filesystem::path& file, Job& job) {
    OutputText preview(limits_);
    Status decoded;
    switch (format_) {
        case BankFormat::kKpc:
            decoded = decoders_.DecodeKpc(file, preview);
            break;
        case BankFormat::kGpc: {
            decoded = hand_off_.BeginBankJob("Vypis", job.head);
            if (!decoded.ok()) break;
            bool records_kept = true;
            decoded = DecodeGpc(file, preview, job, hand_off_.NewTemporaryFile(), records_kept);
            if (decoded.ok() && !records_kept) {
                // The temporary file's disk is full: the records are held after all.
                preview = OutputText(limits_);
                decoded = DecodeGpc(file, preview, job, {}, records_kept);
            }
            break;
        }
        case BankFormat::kGeminy:
            decoded = decoders_.DecodeGeminy(file, preview);
            break;
    }
    if (!decoded.ok()) return decoded;
    return preview.Take();
}

Status BankPreviewFlow::DecodeGpc(const std::filesystem::path& file, OutputText& preview, Job& job,
                                  std::filesystem::path records_file, bool& records_kept) {
    job.records = std::make_unique<SpilledText>(files_, std::move(records_file), limits_);
    Status decoded = decoders_.DecodeGpc(file, preview, job.records->output());
    const Status kept = job.records->Finish();
    // Held records beyond their limits are too large like a preview.
    if (decoded.ok() && kept.code() == StatusCode::kTooLarge) return kept;
    records_kept = kept.ok();
    return decoded;
}

Result<BankTextLines> BankPreviewFlow::JobLines() const {
    BankTextLines lines = job_.head;
    if (!job_.records) return lines;
    Result<std::string> entry = job_.records->Read();
    if (!entry.ok()) return entry.status().Reworded(BankJobLostMessage());
    // One entry of the job for all records: the job file ends every entry
    // with CR LF, so the records' own last one goes.
    if (entry->ends_with("\r\n")) entry->resize(entry->size() - 2);
    lines.push_back(std::move(*entry));
    return lines;
}

void BankPreviewFlow::Print() {
    if (!print_enabled_) return;
    const Result<BankTextLines> job = JobLines();
    if (!job.ok()) {
        view_.ShowError(BankJobLostMessage());
        return;
    }
    if (Status printed = hand_off_.PrintBankJob(*job); !printed.ok()) {
        view_.ShowError(printed.Text());
    }
}

}  // namespace zerkon
