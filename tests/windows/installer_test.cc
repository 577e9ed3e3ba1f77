// The installers that installer/CMakeLists.txt builds, run as an administrator or a user runs them:
// silently for all users into a folder of their choice or for the current user, over an earlier
// build, while the program runs; their uninstaller; and the first page of the interactive one.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which they need.
#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <map>

#include "harness.h"
#include "ui/main_window_ids.h"
#include "zerkon_version.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using FileContents = std::map<fs::path, std::string>;

constexpr wchar_t kMakerKey[] = L"Software\\MORV\\Zerkon";
constexpr wchar_t kSiblingKey[] = L"Software\\MORV\\RAL";
constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zerkon";

const std::string_view kVersionText = ZERKON_FILE_VERSION, kEarlierText = ZERKON_EARLIER_VERSION;
const std::wstring kVersion(kVersionText.begin(), kVersionText.end());
const std::wstring kEarlierVersion(kEarlierText.begin(), kEarlierText.end());

fs::path KnownFolder(const KNOWNFOLDERID& id) {
    wchar_t* folder = nullptr;
    SHGetKnownFolderPath(id, 0, nullptr, &folder);
    fs::path path = folder != nullptr ? folder : L"";
    CoTaskMemFree(folder);
    return path;
}

std::wstring ReadString(HKEY root, const wchar_t* key, const wchar_t* name, DWORD view_flag) {
    wchar_t value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(root, key, name, RRF_RT_REG_SZ | view_flag, nullptr, value, &size) !=
        ERROR_SUCCESS) {
        return L"";
    }
    return value;
}
std::wstring MakerValue(HKEY root, const wchar_t* name) {
    return ReadString(root, kMakerKey, name, RRF_SUBKEY_WOW6432KEY);
}
std::wstring UninstallValue(HKEY root, const wchar_t* name) {
    return ReadString(root, kUninstallKey, name, RRF_SUBKEY_WOW6464KEY);
}
bool KeyExists(HKEY root, const wchar_t* key, REGSAM view) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root, key, 0, KEY_READ | view, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every file below the folder, by its path relative to it.
FileContents Files(const fs::path& folder) {
    FileContents files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file()) files[it->path().lexically_relative(folder)] = ReadBytes(*it);
    }
    return files;
}

// What an installation of the build holds besides its uninstaller and the list of its files:
// the program (`exe`) with the message file and print templates of the build.
FileContents ProgramFiles(const fs::path& exe) {
    fs::path built = e2e::ZerkonExe().parent_path();
    FileContents files = Files(built / L"sourceZERKON");
    FileContents program;
    for (auto& [name, content] : files) program[L"sourceZERKON" / name] = content;
    program[L"zerkon.exe"] = ReadBytes(exe);
    program[L"zerkon.msg"] = ReadBytes(built / L"zerkon.msg");
    return program;
}

// The folder holds exactly `expected`, plus the uninstaller and its list when `installed`.
void ExpectFolderHolds(const fs::path& folder, const FileContents& expected, bool installed) {
    FileContents actual = Files(folder);
    if (installed) {
        EXPECT_EQ(actual.erase(L"uninstall.exe"), 1u);
        EXPECT_EQ(actual.erase(L"uninstall.lst"), 1u);
    }
    auto names = [](const FileContents& files) {
        std::vector<fs::path> names;
        for (auto& entry : files) names.push_back(entry.first);
        return names;
    };
    ASSERT_EQ(names(actual), names(expected));
    for (auto& [name, content] : expected) {
        EXPECT_TRUE(actual[name] == content) << name;  // no dump of a whole program
    }
}

// Runs a setup or uninstall program with the command line as an administrator types it
// (/D= unquoted, last) and returns its exit code.
std::optional<DWORD> ExitCode(const fs::path& program, const std::wstring& arguments) {
    e2e::Process process = e2e::Process::StartRaw(program, arguments);
    if (!process.started()) return std::nullopt;
    return process.WaitForExit(60s);
}

class InstallerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(kInstaller)) << kInstaller;
        ASSERT_TRUE(fs::exists(kEarlierInstaller)) << kEarlierInstaller;
        RemoveEverything();
    }
    void TearDown() override { RemoveEverything(); }

    void RemoveEverything() {
        std::error_code ignored;
        for (const fs::path& folder : {kFolder.parent_path(), kMachineFolder, kUserFolder}) {
            fs::remove_all(folder, ignored);
        }
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            e2e::DeleteRegistryTree(root, kMakerKey);
            e2e::DeleteRegistryValue(root, kSiblingKey, L"InstallPath");
            RegDeleteKeyExW(root, kUninstallKey, KEY_WOW64_64KEY, 0);
        }
        for (const KNOWNFOLDERID* programs : {&FOLDERID_CommonPrograms, &FOLDERID_Programs}) {
            fs::remove(KnownFolder(*programs) / L"Zerkon.lnk", ignored);
        }
    }

    // The uninstaller hands itself to a copy in the temporary folder and ends at once: the work is
    // done when the uninstaller and its registry entries are gone.
    static void Uninstall(const fs::path& folder, HKEY root) {
        ASSERT_EQ(ExitCode(folder / L"uninstall.exe", L"/S"), std::optional<DWORD>(0));
        ASSERT_TRUE(e2e::WaitUntil(
            [&] {
                return !fs::exists(folder / L"uninstall.exe") &&
                       !KeyExists(root, kUninstallKey, KEY_WOW64_64KEY) &&
                       !KeyExists(root, kMakerKey, KEY_WOW64_32KEY);
            },
            30s));
    }

    const fs::path kInstaller =
        e2e::BuildDir() / L"installer" / (L"zerkon-setup-" + kVersion + L".exe");
    const fs::path kEarlierBuild = e2e::BuildDir() / L"installer" / L"earlier";
    const fs::path kEarlierInstaller =
        kEarlierBuild / (L"zerkon-setup-" + kEarlierVersion + L".exe");
    // A blank and Czech letters in the folder's name.
    const fs::path kFolder = L"C:\\Program Files\\Zkouška MORV\\Zerkon účetní";
    // The default folders.
    const fs::path kMachineFolder = KnownFolder(FOLDERID_ProgramFiles) / L"MORV";
    const fs::path kUserFolder = KnownFolder(FOLDERID_LocalAppData) / L"Programs" / L"MORV";
};

TEST_F(InstallerTest, InstallsForAllUsersOrTheCurrentUserAndUninstallsAgain) {
    struct Scope {
        const wchar_t* arguments;
        fs::path folder;
        HKEY root;
        const KNOWNFOLDERID& programs;
    };
    const Scope scopes[] = {
        {L"/S /D=", kFolder, HKEY_LOCAL_MACHINE, FOLDERID_CommonPrograms},
        {L"/S /CurrentUser", kUserFolder / L"Zerkon", HKEY_CURRENT_USER, FOLDERID_Programs},
    };
    for (const Scope& scope : scopes) {
        SCOPED_TRACE(scope.arguments);
        const bool given_folder = std::wstring(scope.arguments).ends_with(L"=");
        ASSERT_TRUE(e2e::SetRegistryString(scope.root, kSiblingKey, L"InstallPath", L"C:\\RAL"));
        ASSERT_EQ(
            ExitCode(kInstaller, scope.arguments + (given_folder ? scope.folder.wstring() : L"")),
            std::optional<DWORD>(0));

        // The program's files and nothing else (no stand-ins, no staging left behind).
        ExpectFolderHolds(scope.folder, ProgramFiles(e2e::ZerkonExe()), true);
        const fs::path exe = scope.folder / L"zerkon.exe";
        EXPECT_TRUE(fs::exists(KnownFolder(scope.programs) / L"Zerkon.lnk"));
        EXPECT_EQ(MakerValue(scope.root, L"InstallPath"), scope.folder.wstring());
        EXPECT_EQ(MakerValue(scope.root, L"InstallVersion"), kVersion);
        EXPECT_EQ(UninstallValue(scope.root, L"DisplayName"), L"Zerkon");
        EXPECT_EQ(UninstallValue(scope.root, L"DisplayVersion"), kVersion);
        EXPECT_EQ(UninstallValue(scope.root, L"Publisher"), L"MORV");
        EXPECT_EQ(UninstallValue(scope.root, L"DisplayIcon"), exe.wstring() + L",0");
        EXPECT_EQ(UninstallValue(scope.root, L"UninstallString"),
                  L"\"" + (scope.folder / L"uninstall.exe").wstring() + L"\"");
        DWORD size_kb = 0, length = sizeof size_kb;
        RegGetValueW(scope.root, kUninstallKey, L"EstimatedSize",
                     RRF_RT_REG_DWORD | RRF_SUBKEY_WOW6464KEY, nullptr, &size_kb, &length);
        EXPECT_GE(size_kb, fs::file_size(exe) / 1024);

        {
            e2e::Process zerkon = e2e::Process::Start(exe);
            HWND window = e2e::WaitForWindow(zerkon::kMainWindowClass, zerkon.id());
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(e2e::WaitUntil([&] {
                return e2e::GetText(window) == L" Zerkon - užitečný pomocník " + kVersion;
            })) << e2e::GetText(window);
        }

        Uninstall(scope.folder, scope.root);
        EXPECT_TRUE(e2e::WaitUntil([&] { return !fs::exists(scope.folder); }));
        EXPECT_FALSE(fs::exists(KnownFolder(scope.programs) / L"Zerkon.lnk"));
        // The sibling program's value stays, and with it the maker's key.
        EXPECT_EQ(ReadString(scope.root, kSiblingKey, L"InstallPath", RRF_SUBKEY_WOW6432KEY),
                  L"C:\\RAL");
        e2e::DeleteRegistryValue(scope.root, kSiblingKey, L"InstallPath");
    }
}

TEST_F(InstallerTest, AnUpgradeReplacesTheEarlierBuildWholeAndKeepsEverythingElse) {
    const fs::path earlier_exe = kEarlierBuild / L"zerkon.exe";
    ASSERT_NE(ReadBytes(earlier_exe), ReadBytes(e2e::ZerkonExe()));
    ASSERT_EQ(ExitCode(kEarlierInstaller, L"/S /D=" + kFolder.wstring()), std::optional<DWORD>(0));
    EXPECT_EQ(MakerValue(HKEY_LOCAL_MACHINE, L"InstallVersion"), kEarlierVersion);
    // The earlier build has a print template that the current one does not.
    FileContents earlier = ProgramFiles(earlier_exe);
    earlier[L"sourceZERKON\\zdrojZerkonfr2.src"] = ReadBytes(kEarlierBuild / L"zdrojZerkonfr2.src");
    ExpectFolderHolds(kFolder, earlier, true);

    const FileContents users = {{L"poznámky.txt", "the user's"},
                                {L"sourceZERKON\\vlastní.src", "the user's template"}};
    for (auto& [name, content] : users) std::ofstream(kFolder / name, std::ios::binary) << content;
    std::ofstream(kFolder / L"zerkon.msg", std::ios::binary) << "the user changed it";

    // Without /D= the upgrade goes where the earlier build is.
    ASSERT_EQ(ExitCode(kInstaller, L"/S"), std::optional<DWORD>(0));
    FileContents upgraded = ProgramFiles(e2e::ZerkonExe());
    upgraded.insert(users.begin(), users.end());
    ExpectFolderHolds(kFolder, upgraded, true);
    EXPECT_FALSE(fs::exists(kMachineFolder));
    EXPECT_EQ(MakerValue(HKEY_LOCAL_MACHINE, L"InstallPath"), kFolder.wstring());
    EXPECT_EQ(MakerValue(HKEY_LOCAL_MACHINE, L"InstallVersion"), kVersion);
    EXPECT_EQ(UninstallValue(HKEY_LOCAL_MACHINE, L"DisplayVersion"), kVersion);

    Uninstall(kFolder, HKEY_LOCAL_MACHINE);
    ExpectFolderHolds(kFolder, users, false);
}

TEST_F(InstallerTest, WhatAnotherProgramHoldsStopsInstallerAndUninstallerWithoutHarm) {
    // Zerkon running from the folder; and a print template that another program holds open without
    // FILE_SHARE_DELETE, so that the upgrade fails after it has replaced the files before it in
    // its list and has to put them all back.
    for (const bool running : {true, false}) {
        SCOPED_TRACE(running ? "Zerkon runs" : "a template is held open");
        ASSERT_EQ(ExitCode(kEarlierInstaller, L"/S"), std::optional<DWORD>(0));
        const fs::path folder = kMachineFolder / L"Zerkon";
        e2e::Process zerkon;
        HANDLE held = INVALID_HANDLE_VALUE;
        if (running) {
            zerkon = e2e::Process::Start(folder / L"zerkon.exe");
            ASSERT_NE(e2e::WaitForWindow(zerkon::kMainWindowClass, zerkon.id()), nullptr);
        } else {
            held = CreateFileW((folder / L"sourceZERKON" / L"dataPrint.src").c_str(), GENERIC_READ,
                               FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }
        const FileContents before = Files(folder);

        EXPECT_EQ(ExitCode(kInstaller, L"/S"), std::optional<DWORD>(2));
        EXPECT_TRUE(Files(folder) == before);
        EXPECT_EQ(MakerValue(HKEY_LOCAL_MACHINE, L"InstallVersion"), kEarlierVersion);
        // Run in place (_?=), the uninstaller reports its result. It keeps its entries, so that
        // it can be run again.
        EXPECT_EQ(ExitCode(folder / L"uninstall.exe", L"/S _?=" + folder.wstring()),
                  std::optional<DWORD>(2));
        EXPECT_EQ(MakerValue(HKEY_LOCAL_MACHINE, L"InstallPath"), folder.wstring());
        EXPECT_EQ(UninstallValue(HKEY_LOCAL_MACHINE, L"DisplayVersion"), kEarlierVersion);
        if (running) {
            EXPECT_TRUE(Files(folder) == before);
            zerkon.End();
        } else {
            CloseHandle(held);
        }
        Uninstall(folder, HKEY_LOCAL_MACHINE);
        EXPECT_TRUE(e2e::WaitUntil([&] { return !fs::exists(folder); }));
    }
}

TEST_F(InstallerTest, TheInteractiveInstallerOpensOnItsCzechWelcomePage) {
    e2e::Process setup = e2e::Process::Start(kInstaller);
    HWND page = e2e::WaitForWindow(L"#32770", setup.id(), 30s);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(
        e2e::WaitUntil([&] { return e2e::GetText(e2e::FindChild(page, IDOK)) == L"&Další >"; }));
    EXPECT_EQ(e2e::GetText(page), L"Instalace Zerkon");
    EXPECT_EQ(e2e::GetText(e2e::FindChild(page, IDCANCEL)), L"Storno");
    EXPECT_FALSE(e2e::SaveScreenshot(L"installer_welcome", page).empty());
}

}  // namespace
