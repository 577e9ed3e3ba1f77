// "Uložit CSV" of the bank window through the real zerkon.exe: reached with Tab from the preview
// and pressed with Enter, the real save dialog at the bank file, the file against the hand-written
// golden, and a file that cannot be written told with the system's reason.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "bank_window_fixture.h"
#include "common/cp1250_literal.h"

namespace {

using namespace bank_window;
using zerkon::operator""_cz;

TEST_F(BankWindowTest, SaveCsvWritesTheStatementShownWhereTheDialogProposes) {
    fs::create_directories(kBankFolder);
    const fs::path statement = kBankFolder / L"výpis.gpc", csv = kBankFolder / L"výpis.csv",
                   held = kBankFolder / L"held.csv";
    fs::copy_file(kData / "gpc_statement.gpc", statement, fs::copy_options::overwrite_existing);
    fs::remove(csv);
    fs::remove(held);
    StartProgram();
    OpenPreview(L"GPC");
    HWND save = e2e::FindChild(window_, zerkon::kBankCsvId);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(Narrow(e2e::GetText(save)), "Uložit CSV"_cz);
    EXPECT_FALSE(Enabled(save));
    // Beside "Tisk", clear of it and of "Zpět".
    const RECT print = e2e::ScreenRect(print_), button = e2e::ScreenRect(save),
               back = e2e::ScreenRect(exit_);
    EXPECT_EQ(button.top, print.top);
    EXPECT_GT(button.left, print.right);
    EXPECT_LT(button.right, back.left);

    OpenFile(statement);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Enabled(save) && Visible(memo_); }));
    e2e::Sync(window_);
    e2e::SaveScreenshot(L"bank-GPC-csv-enabled", window_);
    e2e::Focus(memo_);
    e2e::KeyStroke(VK_TAB);
    e2e::Sync(window_);
    EXPECT_EQ(e2e::FocusedIn(window_), save);
    e2e::KeyStroke(VK_RETURN);
    EXPECT_EQ(e2e::FileDialogName(program_.id()), std::optional<std::wstring>(L"výpis.csv"));
    e2e::SaveScreenshot(L"bank-GPC-csv-dialog");
    // The name alone: the dialog opened in the bank file's folder.
    ASSERT_TRUE(e2e::ChooseFileInDialog(L"výpis.csv", program_.id()));
    EXPECT_EQ(e2e::AnswerMessageBox(program_.id()),
              Wide("Do souboru \""_cz + Narrow(csv.wstring()) + "\" bylo uloženo položek: 4."_cz));
    EXPECT_EQ(ReadBytes(csv), ReadBytes(kData / "gpc_statement.csv"));

    // A temporary file that another program holds: nothing is written, and the system says why.
    HANDLE holder = CreateFileW((held.wstring() + L".tmp").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    e2e::Click(save);
    ASSERT_TRUE(e2e::ChooseFileInDialog(held, program_.id()));
    const std::wstring failed = e2e::AnswerMessageBox(program_.id());
    CloseHandle(holder);
    EXPECT_EQ(failed, Wide("Soubor \""_cz + Narrow(held.wstring()) + "\" nelze uložit. "_cz) +
                          SystemText(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(fs::exists(held));
    EXPECT_TRUE(program_.Running());
    fs::remove(held.wstring() + L".tmp");
    Close();
}

}  // namespace
