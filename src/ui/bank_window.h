#pragma once
// TFormBanka: the bank file preview window. It shows one bank file of the
// format chosen in the main window (1 KPC, 2 GPC, 3 Geminy) decoded as text,
// prints a GPC statement through the print engine, and saves the items of the
// file shown as CSV. The steps are BankPreviewFlow's and BankCsvFlow's
// (src/bank); this window only holds the controls.

#include <windows.h>

#include "bank/bank_format.h"
#include "common/file_system.h"
#include "shell/program_context.h"

namespace zerkon {

// Control ids, also used by the end-to-end tests.
enum BankWindowControl : int {
    kBankMemoId = 101,      // MMemo1
    kBankOpenId = 102,      // sbOpenBanka
    kBankPrintId = 103,     // sbTiskBanka
    kBankExitId = 104,      // sbExit
    kBankSettingsId = 105,  // sbSetBanka, hidden and disabled
    kBankCsvId = 106,       // "Uložit CSV"
};

inline constexpr wchar_t kBankWindowClass[] = L"TFormBanka";

// Opens the window modally over `owner` (the main window) in that format and
// returns when it has closed; nothing of it survives.
void ShowBankPreview(HWND owner, BankFormat format, const ProgramContext& context,
                     FileSystem& files);

}  // namespace zerkon
