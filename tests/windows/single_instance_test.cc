// One running copy per executable file, whichever name the file was started by: another drive
// letter for its folder (as SUBST or a mapped network drive gives) or its short 8.3 path.

#include <gtest/gtest.h>

// winioctl.h needs windows.h before it.
#include <windows.h>
#include <winioctl.h>

#include <cstring>
#include <vector>

#include "harness.h"
#include "ui/main_window_ids.h"

namespace {

namespace fs = std::filesystem;
using namespace zerkon;

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// Wine's own request to its mount manager (what winecfg sends to add a drive): it makes a
// dosdevices link from the letter to a Unix folder, or removes it for an empty path.
struct WineUnixDrive {
    ULONG size;
    ULONG type;
    ULONG fs_type;
    DWORD serial;
    ULONGLONG unix_dev;
    WCHAR letter;
    USHORT mount_point_offset;
    USHORT device_offset;
    USHORT label_offset;
};
constexpr DWORD kDefineWineUnixDrive =
    CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

bool DefineWineDrive(wchar_t letter, const std::string& unix_folder) {
    std::vector<char> request(sizeof(WineUnixDrive) + unix_folder.size() + 1, '\0');
    auto* drive = reinterpret_cast<WineUnixDrive*>(request.data());
    drive->size = static_cast<ULONG>(request.size());
    drive->type = DRIVE_FIXED;
    drive->letter = static_cast<WCHAR>(towlower(letter));
    if (!unix_folder.empty()) {
        drive->mount_point_offset = sizeof(WineUnixDrive);
        std::memcpy(request.data() + sizeof(WineUnixDrive), unix_folder.c_str(),
                    unix_folder.size());
    }
    HANDLE manager =
        CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE) return false;
    DWORD returned = 0;
    const BOOL ok =
        DeviceIoControl(manager, kDefineWineUnixDrive, request.data(),
                        static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr);
    CloseHandle(manager);
    return ok != FALSE;
}

std::string UnixPath(const fs::path& folder) {
    using ToUnix = char*(CDECL*)(const wchar_t*);
    auto to_unix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (to_unix == nullptr) return {};
    char* unix_path = to_unix(folder.c_str());
    if (unix_path == nullptr) return {};
    std::string result(unix_path);
    HeapFree(GetProcessHeap(), 0, unix_path);
    return result;
}

// A free drive letter standing for a folder while the object lives (SUBST on Windows).
class SecondDriveLetter {
  public:
    explicit SecondDriveLetter(const fs::path& folder) {
        const DWORD used = GetLogicalDrives();
        for (wchar_t letter = L'Y'; letter > L'D'; --letter) {
            if (used & (1u << (letter - L'A'))) continue;
            letter_ = letter;
            break;
        }
        if (letter_ == 0) return;
        defined_ = UnderWine() ? DefineWineDrive(letter_, UnixPath(folder))
                               : DefineDosDeviceW(0, Name().c_str(), folder.c_str()) != FALSE;
    }
    ~SecondDriveLetter() {
        if (!defined_) return;
        if (UnderWine()) {
            DefineWineDrive(letter_, "");
        } else {
            DefineDosDeviceW(DDD_REMOVE_DEFINITION, Name().c_str(), nullptr);
        }
    }
    SecondDriveLetter(const SecondDriveLetter&) = delete;
    SecondDriveLetter& operator=(const SecondDriveLetter&) = delete;

    bool defined() const { return defined_; }
    fs::path Root() const { return Name() + L"\\"; }

  private:
    std::wstring Name() const { return std::wstring(1, letter_) + L":"; }
    wchar_t letter_ = 0;
    bool defined_ = false;
};

class SingleInstanceTest : public ::testing::Test {
  protected:
    // Starts the first copy by one name and a second by another name of the same file: the
    // second must bring the first forward and end with 0, leaving one main window.
    void ExpectOneInstance(const fs::path& first_name, const fs::path& second_name) {
        ASSERT_NE(first_name.wstring(), second_name.wstring());
        e2e::Process first = e2e::Process::Start(first_name);
        ASSERT_NE(e2e::WaitForWindow(kMainWindowClass, first.id()), nullptr) << first_name;
        e2e::Process second = e2e::Process::Start(second_name);
        ASSERT_TRUE(second.started()) << second_name;
        EXPECT_EQ(second.WaitForExit(), 0u) << second_name;
        EXPECT_TRUE(first.Running());
        EXPECT_EQ(e2e::FindTopLevelWindows(kMainWindowClass).size(), 1u);
    }
};

TEST_F(SingleInstanceTest, SameFileFromASecondDriveLetter) {
    const fs::path folder = e2e::ScratchFolder(L"second-drive");
    fs::copy_file(e2e::ZerkonExe(), folder / L"zerkon.exe");
    SecondDriveLetter drive(folder);
    ASSERT_TRUE(drive.defined());
    ExpectOneInstance(folder / L"zerkon.exe", drive.Root() / L"zerkon.exe");
}

TEST_F(SingleInstanceTest, SameFileByItsShortPath) {
    const fs::path folder = e2e::ScratchFolder(L"folder with a long name");
    const fs::path exe = folder / L"zerkon program.exe";
    fs::copy_file(e2e::ZerkonExe(), exe);
    std::wstring short_path(32768, L'\0');
    short_path.resize(
        GetShortPathNameW(exe.c_str(), short_path.data(), static_cast<DWORD>(short_path.size())));
    ASSERT_FALSE(short_path.empty());
    ExpectOneInstance(exe, short_path);
}

}  // namespace
