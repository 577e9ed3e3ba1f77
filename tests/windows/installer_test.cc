// The installer built by scripts/package (build/package/zerkon-setup-<version>.exe), run as an
// administrator runs it: silently into a folder of their choice, over an earlier version, while
// the program runs, and its uninstaller.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which they need.
#include <shlobj.h>

#include <fstream>
#include <iterator>

#include "harness.h"
#include "ui/main_window_ids.h"
#include "zerkon_version.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr wchar_t kMakerKey[] = L"Software\\MORV\\Zerkon";
constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zerkon";
constexpr wchar_t kEarlierVersion[] = L"0.9.0.0";
const std::wstring kVersion =
    std::wstring(ZERKON_FILE_VERSION, ZERKON_FILE_VERSION + sizeof ZERKON_FILE_VERSION - 1);

fs::path SetupProgram(const std::wstring& version) {
    return e2e::BuildDir().parent_path() / L"package" / (L"zerkon-setup-" + version + L".exe");
}

std::wstring Read(HKEY root, const wchar_t* key, const wchar_t* name, REGSAM view) {
    wchar_t value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(root, key, name,
                     RRF_RT_REG_SZ |
                         (view == KEY_WOW64_32KEY ? RRF_SUBKEY_WOW6432KEY : RRF_SUBKEY_WOW6464KEY),
                     nullptr, value, &size) != ERROR_SUCCESS) {
        return L"";
    }
    return value;
}

bool KeyExists(HKEY root, const wchar_t* key, REGSAM view) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root, key, 0, KEY_READ | view, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

fs::path StartMenuShortcut() {
    wchar_t* folder = nullptr;
    SHGetKnownFolderPath(FOLDERID_CommonPrograms, 0, nullptr, &folder);
    fs::path shortcut = fs::path(folder) / L"Zerkon.lnk";
    CoTaskMemFree(folder);
    return shortcut;
}

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class InstallerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(SetupProgram(kVersion))) << "build the installers with scripts/package";
        RemoveEverything();
    }
    void TearDown() override { RemoveEverything(); }

    void RemoveEverything() {
        std::error_code ignored;
        fs::remove_all(folder_.parent_path(), ignored);
        fs::remove(StartMenuShortcut(), ignored);
        e2e::DeleteRegistryTree(HKEY_LOCAL_MACHINE, kMakerKey);
        HKEY uninstall = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                          L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", 0,
                          KEY_ALL_ACCESS | KEY_WOW64_64KEY, &uninstall) == ERROR_SUCCESS) {
            RegDeleteTreeW(uninstall, L"Zerkon");
            RegCloseKey(uninstall);
        }
    }

    // Runs a setup or uninstall program with the command line as an administrator types it
    // (/D= unquoted, last) and returns its exit code.
    static std::optional<DWORD> Run(const fs::path& program, const std::wstring& arguments) {
        e2e::Process process = e2e::Process::StartRaw(program, arguments);
        if (!process.started()) return std::nullopt;
        return process.WaitForExit(60s);
    }
    std::optional<DWORD> Install(const std::wstring& version) {
        return Run(SetupProgram(version), L"/S /D=" + folder_.wstring());
    }
    // The uninstaller hands itself to a copy in the temporary folder and ends at once: the work
    // is done when the uninstall entry is gone.
    bool Uninstall() {
        if (Run(folder_ / L"uninstall.exe", L"/S") != std::optional<DWORD>(0)) return false;
        return e2e::WaitUntil(
            [] { return !KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_64KEY); }, 30s);
    }

    std::wstring InstalledVersion() const {
        return Read(HKEY_LOCAL_MACHINE, kMakerKey, L"InstallVersion", KEY_WOW64_32KEY);
    }

    // A blank and Czech letters in the folder's name.
    const fs::path folder_ = L"C:\\Program Files\\Zkouška MORV\\Zerkon";
};

TEST_F(InstallerTest, SilentInstallPutsTheProgramItsEntriesAndItsShortcutInPlace) {
    ASSERT_EQ(Install(kVersion), std::optional<DWORD>(0));
    for (const wchar_t* file : {L"zerkon.exe", L"zerkon.msg", L"sourceZERKON\\zdrojZerkonfr3.src",
                                L"sourceZERKON\\dataPrint.src", L"uninstall.exe"}) {
        EXPECT_TRUE(fs::exists(folder_ / file)) << fs::path(file);
    }
    EXPECT_EQ(ReadBytes(folder_ / L"zerkon.exe"), ReadBytes(e2e::ZerkonExe()));
    EXPECT_FALSE(fs::exists(folder_ / L"olbrix_standin.exe"));
    EXPECT_TRUE(fs::exists(StartMenuShortcut()));
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, kMakerKey, L"InstallPath", KEY_WOW64_32KEY),
              folder_.wstring());
    EXPECT_EQ(InstalledVersion(), kVersion);
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayName", KEY_WOW64_64KEY), L"Zerkon");
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayVersion", KEY_WOW64_64KEY),
              kVersion);
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, kUninstallKey, L"Publisher", KEY_WOW64_64KEY), L"MORV");
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, kUninstallKey, L"UninstallString", KEY_WOW64_64KEY),
              L"\"" + (folder_ / L"uninstall.exe").wstring() + L"\"");

    // The installed program starts, with its version in the caption.
    e2e::Process zerkon = e2e::Process::Start(folder_ / L"zerkon.exe");
    HWND window = e2e::WaitForWindow(zerkon::kMainWindowClass, zerkon.id());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(e2e::WaitUntil([&] {
        const std::wstring caption = e2e::GetText(window);
        return caption.size() > kVersion.size() &&
               caption.compare(caption.size() - kVersion.size(), kVersion.size(), kVersion) == 0;
    })) << e2e::GetText(window);
}

TEST_F(InstallerTest, AnUpgradeReplacesTheProgramsFilesAndKeepsEverythingElse) {
    ASSERT_EQ(Install(kEarlierVersion), std::optional<DWORD>(0));
    EXPECT_EQ(InstalledVersion(), kEarlierVersion);
    std::ofstream(folder_ / L"poznámky.txt") << "the user's";
    std::ofstream(folder_ / L"sourceZERKON" / L"vlastní.src") << "the user's";
    std::ofstream(folder_ / L"zerkon.msg", std::ios::trunc) << "an older message file";

    ASSERT_EQ(Install(kVersion), std::optional<DWORD>(0));
    EXPECT_EQ(InstalledVersion(), kVersion);
    EXPECT_EQ(ReadBytes(folder_ / L"poznámky.txt"), "the user's");
    EXPECT_EQ(ReadBytes(folder_ / L"sourceZERKON" / L"vlastní.src"), "the user's");
    EXPECT_EQ(ReadBytes(folder_ / L"zerkon.msg"),
              ReadBytes(e2e::ZerkonExe().parent_path() / L"zerkon.msg"));
    EXPECT_FALSE(fs::exists(folder_ / L"~zerkon-nove"));
    EXPECT_FALSE(fs::exists(folder_ / L"~zerkon-puvodni"));
}

TEST_F(InstallerTest, WhileTheProgramRunsASilentInstallFailsAndChangesNothing) {
    ASSERT_EQ(Install(kEarlierVersion), std::optional<DWORD>(0));
    std::ofstream(folder_ / L"zerkon.msg", std::ios::trunc) << "as it was";
    e2e::Process zerkon = e2e::Process::Start(folder_ / L"zerkon.exe");
    ASSERT_NE(e2e::WaitForWindow(zerkon::kMainWindowClass, zerkon.id()), nullptr);

    const std::optional<DWORD> code = Install(kVersion);
    ASSERT_TRUE(code.has_value());
    EXPECT_NE(*code, 0u);
    EXPECT_EQ(ReadBytes(folder_ / L"zerkon.msg"), "as it was");
    EXPECT_EQ(InstalledVersion(), kEarlierVersion);
    EXPECT_TRUE(zerkon.Running());
}

TEST_F(InstallerTest, TheUninstallerRemovesExactlyWhatWasInstalled) {
    ASSERT_EQ(Install(kVersion), std::optional<DWORD>(0));
    std::ofstream(folder_ / L"cizí.txt") << "another program's";
    ASSERT_TRUE(Uninstall());
    EXPECT_TRUE(e2e::WaitUntil([&] { return !fs::exists(folder_ / L"zerkon.exe"); }));
    EXPECT_EQ(ReadBytes(folder_ / L"cizí.txt"), "another program's");
    for (const wchar_t* file : {L"zerkon.msg", L"uninstall.exe", L"sourceZERKON"}) {
        EXPECT_FALSE(fs::exists(folder_ / file)) << fs::path(file);
    }
    EXPECT_FALSE(fs::exists(StartMenuShortcut()));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMakerKey, KEY_WOW64_32KEY));

    // Without foreign files the folder goes too.
    fs::remove(folder_ / L"cizí.txt");
    ASSERT_EQ(Install(kVersion), std::optional<DWORD>(0));
    ASSERT_TRUE(Uninstall());
    EXPECT_TRUE(e2e::WaitUntil([&] { return !fs::exists(folder_); }));
}

TEST_F(InstallerTest, TheInteractiveInstallerOpensOnItsCzechWelcomePage) {
    e2e::Process setup = e2e::Process::Start(SetupProgram(kVersion));
    HWND page = e2e::WaitForWindow(L"#32770", setup.id(), 30s);
    ASSERT_NE(page, nullptr);
    e2e::Sync(page);
    Sleep(500);  // the welcome bitmap is drawn after the page appears
    e2e::SaveScreenshot(L"installer_welcome", page);
    EXPECT_NE(e2e::GetText(page).find(L"Zerkon"), std::wstring::npos) << e2e::GetText(page);
}

}  // namespace
