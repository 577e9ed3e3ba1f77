#pragma once
// The ELDP form of the real zerkon.exe, installed in a scratch folder beside a payroll program
// (its SOURCERAL templates) and the print-engine stand-in, and driven like a clerk drives it:
// real key strokes and mouse clicks, texts read back from the controls.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "eldp/eldp_form_layout.h"
#include "harness.h"
#include "ui/eldp_window.h"
#include "ui/main_window_ids.h"

namespace eldp_form {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using zerkon::operator""_cz;

inline const fs::path kFormData = fs::path(ZERKON_TEST_DATA) / "eldp" / "form";
inline const fs::path kDemoPayroll =
    fs::path(ZERKON_TEST_DATA) / ".." / ".." / "demo" / "RAL" / "SOURCERAL";
inline constexpr wchar_t kRalKey[] = L"Software\\MORV\\RAL";
inline constexpr wchar_t kOlbrixKey[] = L"Software\\MORV\\Olbrix";

inline std::wstring W(std::string_view cp1250) {
    const std::u16string text = zerkon::Cp1250ToUtf16(cp1250);
    return std::wstring(text.begin(), text.end());
}

inline std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline int FieldIndex(std::string_view name) {
    const auto& fields = zerkon::EldpFormFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name == name) return static_cast<int>(i);
    }
    ADD_FAILURE() << "no field " << name;
    return 0;
}

class EldpFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CloseEngines();
        const fs::path scratch = e2e::ScratchFolder(L"eldp-form");
        program_ = scratch / L"Zerkon";
        payroll_ = scratch / L"Mzdy RAL";
        engine_ = scratch / L"Olbrix";
        for (const fs::path& folder : {program_, payroll_ / L"SOURCERAL", engine_}) {
            fs::create_directories(folder);
        }
        fs::copy_file(e2e::ZerkonExe(), program_ / L"zerkon.exe");
        fs::copy_file(e2e::ZerkonExe().parent_path() / L"zerkon.msg", program_ / L"zerkon.msg");
        for (const auto& entry : fs::directory_iterator(kFormData / "SOURCERAL")) {
            fs::copy_file(entry.path(), payroll_ / L"SOURCERAL" / entry.path().filename());
        }
        for (const char* name : {"ELDP09.src", "ELDP09xml.src"}) {
            fs::copy_file(kDemoPayroll / name, payroll_ / L"SOURCERAL" / name);
        }
        fs::copy_file(e2e::PeerExe(L"olbrix_standin"), engine_ / L"Olbrix.exe");
        ASSERT_TRUE(
            e2e::SetRegistryString(HKEY_CURRENT_USER, kRalKey, L"InstallPath", payroll_.wstring()));
        ASSERT_TRUE(e2e::SetRegistryString(HKEY_CURRENT_USER, kOlbrixKey, L"InstallPath",
                                           engine_.wstring()));
    }

    void TearDown() override {
        zerkon_.End();
        CloseEngines();
        e2e::DeleteRegistryValue(HKEY_CURRENT_USER, kRalKey, L"InstallPath");
        e2e::DeleteRegistryValue(HKEY_CURRENT_USER, kOlbrixKey, L"InstallPath");
    }

    static void CloseEngines() {
        for (HWND window : e2e::FindTopLevelWindows(L"TFormOlbrix")) {
            PostMessageW(window, WM_CLOSE, 0, 0);
            e2e::WaitForWindowGone(window);
        }
    }

    // Starts the program (with raw arguments) and waits for its main window.
    HWND StartZerkon(const std::wstring& arguments = L"") {
        zerkon_ = e2e::Process::StartRaw(program_ / L"zerkon.exe", arguments);
        EXPECT_TRUE(zerkon_.started());
        main_ = e2e::WaitForAnyWindow(zerkon::kMainWindowClass, zerkon_.id());
        return main_;
    }

    // The form, once it is shown; remembers it for the helpers below.
    HWND WaitForForm() {
        form_ = e2e::WaitForWindow(zerkon::kEldpWindowClass, zerkon_.id());
        return form_;
    }

    HWND OpenFromButton() {
        if (!StartZerkon()) return nullptr;
        HWND button = e2e::WaitForChild(main_, zerkon::kMainEldpId);
        if (!e2e::WaitUntil([&] { return IsWindowVisible(button) != FALSE; })) return nullptr;
        e2e::Click(button);
        return WaitForForm();
    }

    HWND Field(std::string_view name) const {
        return e2e::FindChild(form_, zerkon::kEldpFirstFieldId + FieldIndex(name));
    }
    HWND Control(int id) const { return e2e::FindChild(form_, id); }
    std::wstring Text(std::string_view name) const { return e2e::GetText(Field(name)); }
    bool Checked(std::string_view name) const {
        return SendMessageW(Field(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    HWND Focused() const { return e2e::FocusedIn(form_); }
    bool WaitForFocusOn(std::string_view name) const {
        return e2e::WaitUntil([&] { return Focused() == Field(name); }, 3s);
    }

    // Typing as on the keyboard: characters of the current layout through their keys, the
    // others (Czech letters on a US layout) as Unicode key strokes; the form handles them all
    // before this returns.
    void Type(const std::wstring& text) {
        for (wchar_t c : text) {
            const SHORT scan = VkKeyScanW(c);
            if (c < 0x80 && scan != -1) {
                e2e::KeyStroke(LOBYTE(scan), (HIBYTE(scan) & 1) != 0, (HIBYTE(scan) & 2) != 0);
            } else {
                e2e::SendKeys(std::wstring(1, c));
            }
        }
        e2e::Sync(form_);
    }
    void Key(WORD vk, bool shift = false) {
        e2e::KeyStroke(vk, shift);
        e2e::Sync(form_);
    }
    // Types a field's text and moves on with Enter.
    void Fill(const std::wstring& text) {
        Type(text);
        Key(VK_RETURN);
    }

    // The next message box of the program: its text, then closed with Enter and the form in
    // front again (without a window manager the focus may fall to the root window).
    std::wstring AnswerMessageBox(int button = IDOK) {
        std::wstring text = e2e::AnswerMessageBox(zerkon_.id(), 10s, button);
        if (form_ && IsWindowVisible(form_)) SetForegroundWindow(form_);
        e2e::Sync(form_);
        return text;
    }

    // The XML button on a sheet that the check finds wrong (an empty one, say), saved anyway:
    // the question is answered "Ano"; returns the text of the message that follows.
    std::wstring SaveXmlDespiteTheCheck() {
        e2e::Click(Control(zerkon::kEldpXmlId));
        EXPECT_NE(AnswerMessageBox(IDYES).find(W("Přesto uložit"_cz)), std::wstring::npos);
        return AnswerMessageBox();
    }

    fs::path XmlFile() const { return payroll_ / L"xml-manualne" / L"eldp09.xml"; }
    fs::path Received(const std::wstring& name) const { return engine_ / L"received" / name; }
    bool WaitForReceived(const std::wstring& name) const {
        return e2e::WaitUntil([&] { return fs::exists(Received(name)); }, 15s);
    }

    fs::path program_;
    fs::path payroll_;
    fs::path engine_;
    e2e::Process zerkon_;
    HWND main_ = nullptr;
    HWND form_ = nullptr;
};

}  // namespace eldp_form
