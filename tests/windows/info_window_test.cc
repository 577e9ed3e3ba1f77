// The main window's "Informace": the read-only text window TFormMemoRead.

#include <gtest/gtest.h>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "harness.h"
#include "ui/main_window_ids.h"
#include "ui/memo_read_window.h"

namespace {

using namespace zerkon;
namespace fs = std::filesystem;

constexpr wchar_t kRalKey[] = L"Software\\MORV\\RAL";

std::wstring W(std::string_view cp1250) {
    std::u16string text = Cp1250ToUtf16(cp1250);
    return std::wstring(text.begin(), text.end());
}

class InfoWindowTest : public ::testing::Test {
  protected:
    void TearDown() override {
        e2e::DeleteRegistryValue(HKEY_CURRENT_USER, kRalKey, L"InstallPath");
    }
    // Starts zerkon.exe, presses "Informace" and returns the text window.
    HWND OpenInformation() {
        zerkon_ = e2e::Process::Start(e2e::ZerkonExe());
        main_ = e2e::WaitForWindow(kMainWindowClass, zerkon_.id());
        if (main_ == nullptr) return nullptr;
        e2e::Click(e2e::FindChild(main_, kMainInfoId));
        return e2e::WaitForWindow(kMemoReadClass, zerkon_.id());
    }
    e2e::Process zerkon_;
    HWND main_ = nullptr;
};

TEST_F(InfoWindowTest, ShowsThePayrollDataFolderAndEscapeCloses) {
    ASSERT_TRUE(e2e::SetRegistryString(HKEY_CURRENT_USER, kRalKey, L"InstallPath",
                                       L"C:\\Program Files\\RALwin"));
    HWND window = OpenInformation();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(e2e::GetText(window), L"Informace");
    HWND memo = e2e::FindChild(window, kMemoReadMemoId);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(e2e::GetText(memo), L"Cesta k ELPD09: C:\\Program Files\\RALwin\\SOURCERAL\\\r\n");
    EXPECT_TRUE(GetWindowLongW(memo, GWL_STYLE) & ES_READONLY);
    HWND back = e2e::FindChild(window, kMemoReadCancelId);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(e2e::GetText(back), W("Zpět"_cz));
    EXPECT_TRUE(IsWindowVisible(back));
    EXPECT_FALSE(IsWindowVisible(e2e::FindChild(window, kMemoReadPrintId)));
    const SIZE client = e2e::ClientSize(window);
    EXPECT_EQ(client.cx, 471);
    EXPECT_EQ(client.cy, 483);
    // Centred over the main window.
    const RECT own = e2e::ScreenRect(window);
    const RECT owner = e2e::ScreenRect(main_);
    EXPECT_NEAR((own.left + own.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_NEAR((own.top + own.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
    EXPECT_FALSE(IsWindowEnabled(main_));
    e2e::SaveScreenshot(L"info-window");

    e2e::PressKey(memo, VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }));
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(main_) != FALSE; }));
}

TEST_F(InfoWindowTest, WithoutPayrollProgramShowsTheProgramFolderAndZpetCloses) {
    e2e::DeleteRegistryValue(HKEY_CURRENT_USER, kRalKey, L"InstallPath");
    e2e::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kRalKey, L"InstallPath");
    HWND window = OpenInformation();
    ASSERT_NE(window, nullptr);
    HWND memo = e2e::FindChild(window, kMemoReadMemoId);
    const std::wstring folder = e2e::ZerkonExe().parent_path().wstring();
    EXPECT_EQ(e2e::GetText(memo), L"Cesta k ELPD09: " + folder + L"\\SOURCERAL\\\r\n");
    e2e::Click(e2e::FindChild(window, kMemoReadCancelId));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }));
}

}  // namespace
