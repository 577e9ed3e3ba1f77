#include "bank/bank_csv_flow.h"

#include <exception>
#include <new>
#include <system_error>

#include "bank/bank_csv.h"
#include "bank/bank_file.h"
#include "bank/bank_preview_flow.h"
#include "common/cp1250_literal.h"

namespace zerkon {

namespace {

std::optional<BankFormat> FormatOfMode(int mode) {
    switch (mode) {
        case kBankModeKpc:
            return BankFormat::kKpc;
        case kBankModeGpc:
            return BankFormat::kGpc;
        case kBankModeGeminy:
            return BankFormat::kGeminy;
        default:
            return std::nullopt;
    }
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ignored;
    return std::filesystem::equivalent(a, b, ignored);
}

}  // namespace

std::string CsvDialogFilter() {
    return "CSV v kódování UTF-8 (*.csv)|*.csv|CSV v kódování Windows-1250 (*.csv)|*.csv"_cz;
}

std::filesystem::path CsvFileName(const std::filesystem::path& bank_file) {
    return std::filesystem::path(bank_file.filename()).replace_extension(".csv");
}

std::string CsvSavedMessage(const std::filesystem::path& file, long long items) {
    return "Do souboru \""_cz + PathToProgramText(file) + "\" bylo uloženo položek: "_cz +
           std::to_string(items) + ".";
}

std::string CsvNotSavedMessage(const std::filesystem::path& file, const std::string& reason) {
    return "Soubor \""_cz + PathToProgramText(file) + "\" nelze uložit."_cz +
           (reason.empty() ? "" : " " + reason);
}

void BankCsvFlow::Save(int mode, const std::optional<std::filesystem::path>& bank_file) {
    const std::optional<BankFormat> format = FormatOfMode(mode);
    if (!bank_file || !format) return;
    const std::optional<SaveChoice> choice =
        dialog_.Choose(CsvDialogFilter(), bank_file->parent_path(), CsvFileName(*bank_file));
    if (!choice) return;
    // Replacing the bank file with its own items would lose it.
    if (SameFile(choice->file, *bank_file)) {
        Tell(CsvNotSavedMessage(choice->file, "Je to soubor, ze kterého se čte."_cz),
             MessageIcon::Error);
        return;
    }
    const CsvEncoding encoding = choice->type == 2 ? CsvEncoding::kWindows1250 : CsvEncoding::kUtf8;
    long long items = 0;
    try {
        const ReplaceFault fault = WriteReplacing(files_, choice->file, [&](const BlockSink& sink) {
            OutputText out(sink);
            items = WriteBankCsv(*format, *bank_file, regional_, encoding, out);
        });
        if (fault != ReplaceFault::kNone) {
            Tell(CsvNotSavedMessage(choice->file, files_.LastFailure()), MessageIcon::Error);
            return;
        }
    } catch (const std::bad_alloc&) {
        Tell(CsvNotSavedMessage(choice->file, "Nedostatek paměti."_cz), MessageIcon::Error);
        return;
    } catch (const std::exception& error) {
        Tell(error.what(), MessageIcon::Error);  // the bank file cannot be read
        return;
    }
    Tell(CsvSavedMessage(choice->file, items), MessageIcon::Information);
}

void BankCsvFlow::Tell(const std::string& message, MessageIcon icon) {
    boxes_.Show(message, "Zerkon", icon, MessageButtons::Ok);
}

}  // namespace zerkon
