#pragma once
// "Uložit CSV" of the bank preview window: the bank file shown last, as CSV,
// into a file the user chooses. The save dialog opens in the bank file's
// folder with its name and ".csv"; its second file type asks for
// Windows-1250 instead of UTF-8. The file is written by replacing, so that a
// failure leaves no part of it and the file that was there stays whole.

#include <filesystem>
#include <optional>
#include <string>

#include "bank/bank_format.h"
#include "common/file_system.h"
#include "common/regional.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"

namespace zerkon {

std::string CsvDialogFilter();
// The bank file's name with ".csv" in place of its extension.
std::filesystem::path CsvFileName(const std::filesystem::path& bank_file);
std::string CsvSavedMessage(const std::filesystem::path& file, long long items);
// `reason`: the system's words, or "" when it gave none.
std::string CsvNotSavedMessage(const std::filesystem::path& file, const std::string& reason);

class BankCsvFlow {
  public:
    BankCsvFlow(FileSaveDialog& dialog, FileSystem& files, const RegionalSettings& regional,
                MessageBoxes& boxes)
        : dialog_(dialog), files_(files), regional_(regional), boxes_(boxes) {}

    // The bank file shown in the window of that format; nothing before a file
    // was shown, and then nothing happens.
    void Save(BankFormat format, const std::optional<std::filesystem::path>& bank_file);

  private:
    void Tell(const std::string& message, MessageIcon icon);

    FileSaveDialog& dialog_;
    FileSystem& files_;
    RegionalSettings regional_;
    MessageBoxes& boxes_;
};

}  // namespace zerkon
