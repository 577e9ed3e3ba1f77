#pragma once
// The bank preview window of the real zerkon.exe: the program started, a
// format button of its main window pressed, files chosen in the real dialog.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "common/cp1250.h"
#include "harness.h"
#include "ui/bank_window.h"

namespace bank_window {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

inline const fs::path kData = fs::path(ZERKON_TEST_DATA) / "bank";
// The golden previews name their files in C:\Banka\.
inline const fs::path kBankFolder = L"C:\\Banka";

inline std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline std::wstring Wide(const std::string& cp1250) {
    const std::u16string utf16 = zerkon::Cp1250ToUtf16(cp1250);
    return std::wstring(utf16.begin(), utf16.end());
}

inline std::string Narrow(const std::wstring& text) {
    return zerkon::Utf16ToCp1250(std::u16string(text.begin(), text.end()));
}

// The system's text for an error code in the user's language, as the program's error boxes must
// carry it.
inline std::wstring SystemText(DWORD code) {
    wchar_t text[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                   text, 512, nullptr);
    const std::wstring_view view = text;
    return std::wstring(view.substr(0, view.find_last_not_of(L"\r\n") + 1));
}

struct ChildByText {
    std::wstring text;
    HWND found = nullptr;
};

inline BOOL CALLBACK MatchChildText(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ChildByText*>(context);
    if (e2e::GetText(window) == search->text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

inline HWND FindChildByText(HWND parent, const std::wstring& text) {
    ChildByText search{text};
    EnumChildWindows(parent, MatchChildText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline bool Visible(HWND window) {
    return window && IsWindowVisible(window);
}
inline bool Enabled(HWND window) {
    return window && IsWindowEnabled(window);
}

// One running zerkon.exe with its main window.
class BankWindowTest : public ::testing::Test {
  protected:
    void StartProgram(const fs::path& exe = e2e::ZerkonExe()) {
        program_ = e2e::Process::Start(exe);
        ASSERT_TRUE(program_.started());
        main_ = e2e::WaitForWindow(L"TFormZerkon", program_.id());
        ASSERT_NE(main_, nullptr);
    }

    // Presses the main window's format button and waits for the preview.
    void OpenPreview(const std::wstring& button_text) {
        HWND button = FindChildByText(main_, button_text);
        ASSERT_NE(button, nullptr) << "no button " << Narrow(button_text);
        e2e::Click(button);
        window_ = e2e::WaitForWindow(zerkon::kBankWindowClass, program_.id());
        ASSERT_NE(window_, nullptr);
        memo_ = e2e::FindChild(window_, zerkon::kBankMemoId);
        open_ = e2e::FindChild(window_, zerkon::kBankOpenId);
        print_ = e2e::FindChild(window_, zerkon::kBankPrintId);
        exit_ = e2e::FindChild(window_, zerkon::kBankExitId);
        ASSERT_TRUE(memo_ && open_ && print_ && exit_);
    }

    // "Soubor ..." and the file chosen in the real dialog.
    void OpenFile(const fs::path& file) {
        e2e::Click(open_);
        const bool chosen = e2e::ChooseFileInDialog(file, program_.id());
        if (!chosen) e2e::SaveScreenshot(L"bank-dialog-failed");
        ASSERT_TRUE(chosen);
    }

    std::string MemoText() { return Narrow(e2e::GetText(memo_)); }

    void Close() {
        e2e::Click(exit_);
        EXPECT_TRUE(e2e::WaitForWindowGone(window_));
    }

    e2e::Process program_;
    HWND main_ = nullptr;
    HWND window_ = nullptr;
    HWND memo_ = nullptr;
    HWND open_ = nullptr;
    HWND print_ = nullptr;
    HWND exit_ = nullptr;
};

}  // namespace bank_window
