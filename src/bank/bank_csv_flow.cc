#include "bank/bank_csv_flow.h"

#include <new>
#include <system_error>

#include "bank/bank_csv.h"
#include "bank/bank_file.h"
#include "common/cp1250_literal.h"

namespace zerkon {

namespace {

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

void BankCsvFlow::Save(BankFormat format, const std::optional<std::filesystem::path>& bank_file) {
    if (!bank_file) return;
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
    Status read;  // the bank file's reading
    Status saved;
    try {
        saved = WriteReplacing(files_, choice->file, [&](const BlockSink& sink) {
            OutputText out(sink);
            Result<long long> written =
                WriteBankCsv(format, files_, *bank_file, regional_, encoding, out);
            if (written.ok()) items = *written;
            // A failed block is the save's failure; anything else is the bank file's.
            if (!written.ok() && out.status().ok()) read = written.status();
            return written.status();
        });
    } catch (const std::bad_alloc&) {
        Tell(CsvNotSavedMessage(choice->file, "Nedostatek paměti."_cz), MessageIcon::Error);
        return;
    }
    if (!read.ok()) {
        Tell(read.Text(), MessageIcon::Error);
    } else if (!saved.ok()) {
        Tell(CsvNotSavedMessage(choice->file, saved.reason()), MessageIcon::Error);
    } else {
        Tell(CsvSavedMessage(choice->file, items), MessageIcon::Information);
    }
}

void BankCsvFlow::Tell(const std::string& message, MessageIcon icon) {
    boxes_.Show(message, "Zerkon", icon, MessageButtons::Ok);
}

}  // namespace zerkon
