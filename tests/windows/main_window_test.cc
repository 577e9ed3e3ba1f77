// The main window and the start-up of zerkon.exe, driven from outside.

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "harness.h"
#include "ui/main_window_ids.h"

namespace {

using namespace zerkon;
namespace fs = std::filesystem;

std::wstring W(std::string_view cp1250) {
    std::u16string text = Cp1250ToUtf16(cp1250);
    return std::wstring(text.begin(), text.end());
}

// The exe's "FileVersion" and translations, read here independently of the program.
struct VersionFacts {
    std::vector<DWORD> translations;
    std::wstring file_version;
};

VersionFacts ReadVersionFacts(const fs::path& exe) {
    VersionFacts facts;
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &handle);
    if (size == 0) return facts;
    std::vector<BYTE> data(size);
    if (!GetFileVersionInfoW(exe.c_str(), handle, size, data.data())) return facts;
    void* value = nullptr;
    UINT length = 0;
    if (VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &value, &length)) {
        auto* entries = static_cast<const DWORD*>(value);
        facts.translations.assign(entries, entries + length / sizeof(DWORD));
    }
    if (VerQueryValueW(data.data(), L"\\StringFileInfo\\040504E2\\FileVersion", &value, &length)) {
        facts.file_version = static_cast<const wchar_t*>(value);
    }
    return facts;
}

class MainWindowTest : public ::testing::Test {
  protected:
    // Starts zerkon.exe and waits for its main window.
    HWND StartZerkon(e2e::Process& process, const std::wstring& raw_arguments = L"",
                     const fs::path& exe = e2e::ZerkonExe()) {
        process = e2e::Process::StartRaw(exe, raw_arguments);
        EXPECT_TRUE(process.started()) << exe;
        return e2e::WaitForWindow(kMainWindowClass, process.id());
    }
};

TEST_F(MainWindowTest, LayoutCaptionsAndVersionInCaption) {
    VersionFacts facts = ReadVersionFacts(e2e::ZerkonExe());
    ASSERT_EQ(facts.translations, std::vector<DWORD>{0x04E20405});
    ASSERT_FALSE(facts.file_version.empty());

    e2e::Process zerkon;
    HWND window = StartZerkon(zerkon);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(e2e::WaitUntil([&] {
        return e2e::GetText(window) == W(" Zerkon - užitečný pomocník "_cz) + facts.file_version;
    })) << e2e::GetText(window);

    SIZE client = e2e::ClientSize(window);
    EXPECT_EQ(client.cx, 377);
    EXPECT_EQ(client.cy, 275);
    LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    // Centred on the screen.
    RECT frame = e2e::ScreenRect(window);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    struct Expected {
        int id;
        const char* caption;
        RECT rect;  // left, top, right, bottom
        bool visible;
        bool enabled;
    };
    const Expected controls[] = {
        {kMainKpcId, "KPC", {28, 48, 178, 70}, true, true},
        {kMainGpcId, "GPC", {28, 70, 178, 92}, true, true},
        {kMainGeminyId, "Geminy", {28, 92, 178, 114}, true, true},
        {kMainCfgId, "CFG", {204, 70, 354, 92}, false, true},
        {kMainEldpId, "ELDP", {28, 152, 178, 174}, true, true},
        {kMainInfoId, "Informace", {204, 152, 354, 174}, true, true},
        {kMainPrehledPojId, "Přehled o výši pojistného"_cz, {28, 176, 178, 198}, true, false},
        {kMainUpgradeId, "Aktualizace programu", {28, 228, 178, 250}, true, true},
        {kMainExitId, "Konec", {265, 224, 365, 250}, true, true},
    };
    for (const auto& expected : controls) {
        SCOPED_TRACE(expected.caption);
        HWND control = e2e::FindChild(window, expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(e2e::GetText(control), W(expected.caption));
        RECT rect = e2e::RectIn(window, control);
        EXPECT_EQ(rect.left, expected.rect.left);
        EXPECT_EQ(rect.top, expected.rect.top);
        EXPECT_EQ(rect.right, expected.rect.right);
        EXPECT_EQ(rect.bottom, expected.rect.bottom);
        EXPECT_EQ(IsWindowVisible(control) != FALSE, expected.visible);
        EXPECT_EQ(IsWindowEnabled(control) != FALSE, expected.enabled);
    }
    const std::pair<int, const char*> labels[] = {
        {kMainLabel1Id, "Dekodér bankovních příkazů"_cz},
        {kMainLabel3Id, "v elektroniclé podobě:"_cz},
        {kMainLabel2Id, "Manuální vyplnění formulářů:"_cz}};
    for (const auto& [id, text] : labels) {
        HWND label = e2e::FindChild(window, id);
        ASSERT_NE(label, nullptr) << text;
        EXPECT_EQ(e2e::GetText(label), W(text));
    }

    // The premium overview exists from the start, hidden.
    auto overview = e2e::WaitForAnyWindow(kPremiumOverviewClass, zerkon.id());
    ASSERT_NE(overview, nullptr);
    EXPECT_FALSE(IsWindowVisible(overview));

    EXPECT_FALSE(e2e::SaveScreenshot(L"main-window", window).empty());

    // Its button is disabled, so only the driver can show it; "Zpět" hides it again.
    ShowWindow(overview, SW_SHOW);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(overview) != FALSE; }));
    EXPECT_EQ(e2e::GetText(overview), W("Přehled o výši pojistného"_cz));
    e2e::SaveScreenshot(L"premium-overview", overview);
    EXPECT_TRUE(e2e::Click(e2e::WaitForChild(overview, kPremiumBackId)));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(overview); }));
    EXPECT_TRUE(IsWindow(overview));
}

TEST_F(MainWindowTest, KonecEndsWithExitCodeZeroAndReleasesTheInstance) {
    e2e::Process first;
    HWND window = StartZerkon(first);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(e2e::Click(e2e::FindChild(window, kMainExitId)));
    EXPECT_EQ(first.WaitForExit(), 0u);

    // The registration is gone: a new copy starts, and closing its window also ends with 0.
    e2e::Process second;
    HWND again = StartZerkon(second);
    ASSERT_NE(again, nullptr);
    PostMessageW(again, WM_CLOSE, 0, 0);
    EXPECT_EQ(second.WaitForExit(), 0u);

    e2e::Process third;
    EXPECT_NE(StartZerkon(third), nullptr);
}

TEST_F(MainWindowTest, SecondCopyActivatesFirstAndExitsWithZero) {
    e2e::Process first;
    HWND window = StartZerkon(first);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(window) != FALSE; }));

    e2e::Process second = e2e::Process::Start(e2e::ZerkonExe());
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsIconic(window); })) << "first copy not restored";
    EXPECT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == window; }))
        << "first copy not in front";
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(e2e::FindTopLevelWindows(kMainWindowClass).size(), 1u);
    e2e::SaveScreenshot(L"second-start-restores-first");

    // Also when it is merely behind: the second copy brings it to the front.
    e2e::Process third = e2e::Process::Start(e2e::ZerkonExe());
    EXPECT_EQ(third.WaitForExit(), 0u);
    EXPECT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == window; }));
}

TEST_F(MainWindowTest, CopiesInDifferentFoldersRunSideBySide) {
    fs::path a = e2e::ScratchFolder(L"folder-a") / L"zerkon.exe";
    fs::path b = e2e::ScratchFolder(L"folder-b") / L"zerkon.exe";
    fs::copy_file(e2e::ZerkonExe(), a);
    fs::copy_file(e2e::ZerkonExe(), b);

    e2e::Process first, second;
    ASSERT_NE(StartZerkon(first, L"", a), nullptr);
    ASSERT_NE(StartZerkon(second, L"", b), nullptr);
    EXPECT_FALSE(second.WaitForExit(std::chrono::milliseconds(1000)).has_value());
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(second.Running());
}

TEST_F(MainWindowTest, CopyThatWasKilledDoesNotBlockTheNextStart) {
    e2e::Process crashed;
    ASSERT_NE(StartZerkon(crashed), nullptr);
    TerminateProcess(crashed.handle(), 3);
    ASSERT_EQ(crashed.WaitForExit(), 3u);

    e2e::Process next;
    EXPECT_NE(StartZerkon(next), nullptr);
    EXPECT_TRUE(next.Running());
}

TEST_F(MainWindowTest, TenCopiesStartedAtOnceLeaveExactlyOne) {
    std::vector<e2e::Process> copies;
    for (int i = 0; i < 10; ++i) copies.push_back(e2e::Process::Start(e2e::ZerkonExe()));
    int ended = 0;
    for (auto& copy : copies) {
        auto code = copy.WaitForExit(std::chrono::milliseconds(500));
        if (!code) continue;
        EXPECT_EQ(*code, 0u);
        ++ended;
    }
    // Give the slow starters their time, then count.
    EXPECT_TRUE(e2e::WaitUntil([&] {
        int running = 0;
        for (auto& copy : copies) running += copy.Running() ? 1 : 0;
        return running == 1;
    }));
    int running = 0;
    for (auto& copy : copies) {
        if (copy.Running()) {
            ++running;
            EXPECT_NE(e2e::WaitForWindow(kMainWindowClass, copy.id()), nullptr);
        } else {
            EXPECT_EQ(copy.WaitForExit(), 0u);
        }
    }
    EXPECT_EQ(running, 1);
    EXPECT_EQ(e2e::FindTopLevelWindows(kMainWindowClass).size(), 1u);
    (void)ended;
}

struct SwitchCase {
    const wchar_t* arguments;
    bool eldp_mode;
};

class CommandLineSwitchTest : public MainWindowTest,
                              public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(CommandLineSwitchTest, EldpSwitchStartsMinimisedOnlyWithAPath) {
    e2e::Process zerkon;
    HWND window = StartZerkon(zerkon, GetParam().arguments);
    ASSERT_NE(window, nullptr);
    if (GetParam().eldp_mode) {
        EXPECT_TRUE(e2e::WaitUntil([&] { return IsIconic(window) != FALSE; }));
    } else {
        // Activation has run once the caption carries the version.
        EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(window).size() > 30; }));
        e2e::Sync(window);
        EXPECT_FALSE(IsIconic(window));
    }
    EXPECT_TRUE(zerkon.Running());
}

INSTANTIATE_TEST_SUITE_P(
    Variants, CommandLineSwitchTest,
    ::testing::Values(SwitchCase{L"/ELDP(C:\\x\\data.txt)", true},
                      SwitchCase{L"\"/ELDP(C:\\My Data\\data.txt)\"", true},
                      SwitchCase{L"other /ELDP() /ELDP(C:\\x\\data.txt)", true},
                      SwitchCase{L"/eldp(C:\\x\\data.txt)", false}, SwitchCase{L"/ELDP()", false},
                      SwitchCase{L"/ELDP", false},
                      SwitchCase{L"/ELDP(C:\\x\\data.txt) /ELDP", false}, SwitchCase{L"", false}));

}  // namespace
