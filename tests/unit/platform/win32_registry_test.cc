// The registry reader against the real registry (runs under Wine).
#ifdef _WIN32

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/registry.h"
#include "platform/system_info.h"
#include "shell/maker_settings.h"
#include "shell/windows_version.h"

namespace zerkon {
namespace {

const wchar_t kTestKey[] = L"Software\\MORV\\ZerkonRegistryTest";

void Write(HKEY root, REGSAM view, const wchar_t* name, const std::wstring& value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, kTestKey, 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

void DeleteTestKey(HKEY root, REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, kTestKey, 0, KEY_ALL_ACCESS | view, &key) == ERROR_SUCCESS) {
        RegDeleteTreeW(key, nullptr);
        RegCloseKey(key);
        RegDeleteKeyExW(root, kTestKey, view, 0);
    }
}

class Win32RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            DeleteTestKey(root, KEY_WOW64_32KEY);
            DeleteTestKey(root, KEY_WOW64_64KEY);
        }
    }
    static std::string Setting(const char* name) {
        return ReadMakerSetting(SystemRegistry(), "\\ZerkonRegistryTest", "", name);
    }
};

TEST_F(Win32RegistryTest, ReadsStringsAndFallsBackToDefaultOnlyForMissingKey) {
    const RegistryReader& registry = SystemRegistry();
    EXPECT_EQ(registry.ReadRegistryString(RegistryRoot::CurrentUser,
                                          "Software\\MORV\\ZerkonRegistryTest", "InstallPath", "d"),
              "d");
    Write(HKEY_CURRENT_USER, KEY_WOW64_32KEY, L"InstallPath",
          L"C:\\\u00DA\u010Detnictv\u00ED\\RAL");
    EXPECT_EQ(registry.ReadRegistryString(RegistryRoot::CurrentUser,
                                          "Software\\MORV\\ZerkonRegistryTest", "InstallPath", "d"),
              "C:\\\xDA\xE8"
              "etnictv\xED\\RAL");
    // The key opens: a missing value is empty, not the default.
    EXPECT_EQ(registry.ReadRegistryString(RegistryRoot::CurrentUser,
                                          "Software\\MORV\\ZerkonRegistryTest", "Missing", "d"),
              "");
}

TEST_F(Win32RegistryTest, MakerSettingFromEitherRootWithPerUserFirst) {
    EXPECT_EQ(Setting("InstallPath"), "");
    Write(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, L"InstallPath", L"C:\\Machine");
    EXPECT_EQ(Setting("InstallPath"), "C:\\Machine");
    Write(HKEY_CURRENT_USER, KEY_WOW64_32KEY, L"InstallPath", L"");
    EXPECT_EQ(Setting("InstallPath"), "C:\\Machine");
    Write(HKEY_CURRENT_USER, KEY_WOW64_32KEY, L"InstallPath", L"C:\\User");
    EXPECT_EQ(Setting("InstallPath"), "C:\\User");
    DeleteTestKey(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY);
    EXPECT_EQ(Setting("InstallPath"), "C:\\User");
}

TEST_F(Win32RegistryTest, MachineWideValuesAreReadFromThe32BitView) {
    Write(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, L"InstallPath", L"C:\\SixtyFour");
    EXPECT_EQ(Setting("InstallPath"), "");
    Write(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, L"InstallPath", L"C:\\ThirtyTwo");
    EXPECT_EQ(Setting("InstallPath"), "C:\\ThirtyTwo");
}

TEST(Win32SystemInfo, ReportsAPlausibleVersionAndWorkArea) {
    WindowsVersion version = RunningWindowsVersion();
    EXPECT_GE(version.major, 5);
    EXPECT_FALSE(IsWindows95(version));
    int bottom = WorkAreaHeight();
    EXPECT_GT(bottom, 0);
    EXPECT_LE(bottom, GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace
}  // namespace zerkon

#endif  // _WIN32
