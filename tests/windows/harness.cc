#include "harness.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>

namespace e2e {

namespace fs = std::filesystem;

namespace {

// Under Wine without a window manager (the private Xvfb), let Wine draw captions and frames so
// that screenshots show them. Harmless on Windows, which has no such key.
class WineLook : public ::testing::Environment {
  public:
    void SetUp() override {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
            const wchar_t value[] = L"N";
            RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                           sizeof(value));
            RegCloseKey(key);
        }
        // The tests start at 96 DPI, whatever a DPI test cut short left behind.
        RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");
    }
};
[[maybe_unused]] auto* const wine_look = ::testing::AddGlobalTestEnvironment(new WineLook);

}  // namespace

// --- Locations -------------------------------------------------------------------------------

fs::path BuildDir() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    // build/<preset>/tests/windows/e2e_tests.exe
    return fs::path(buffer).parent_path().parent_path().parent_path();
}

fs::path ZerkonExe() {
    return BuildDir() / L"src" / L"ui" / L"zerkon.exe";
}

fs::path PeerExe(const std::wstring& name) {
    return BuildDir() / L"tests" / L"peers" / (name + L".exe");
}

fs::path HostExe(const std::wstring& name) {
    return BuildDir() / L"tests" / L"hosts" / (name + L".exe");
}

fs::path ScratchFolder(const std::wstring& name) {
    fs::path folder = BuildDir() / L"e2e-scratch" / name;
    std::error_code error;
    fs::remove_all(folder, error);
    fs::create_directories(folder, error);
    return folder;
}

// --- Processes -------------------------------------------------------------------------------

namespace {

std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
        return argument;
    }
    return L"\"" + argument + L"\"";
}

struct WindowSearch {
    std::wstring class_name;
    DWORD pid = 0;
    bool visible_only = true;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    if (search->visible_only && !IsWindowVisible(window)) return TRUE;
    if (search->pid != 0) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid != search->pid) return TRUE;
    }
    if (!search->class_name.empty() && GetClassName(window) != search->class_name) return TRUE;
    search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(const std::wstring& class_name, DWORD pid, bool visible_only) {
    WindowSearch search{class_name, pid, visible_only, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

Process::Process(Process&& other) noexcept : process_(other.process_), id_(other.id_) {
    other.process_ = nullptr;
    other.id_ = 0;
}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        End();
        process_ = other.process_;
        id_ = other.id_;
        other.process_ = nullptr;
        other.id_ = 0;
    }
    return *this;
}

Process::~Process() {
    End();
}

Process Process::Start(const fs::path& exe, const std::vector<std::wstring>& arguments,
                       const fs::path& working_folder) {
    std::wstring raw;
    for (const auto& argument : arguments) {
        if (!raw.empty()) raw += L' ';
        raw += QuoteArgument(argument);
    }
    return StartRaw(exe, raw, working_folder);
}

Process Process::StartRaw(const fs::path& exe, const std::wstring& raw_arguments,
                          const fs::path& working_folder) {
    std::wstring command_line = QuoteArgument(exe.wstring());
    if (!raw_arguments.empty()) command_line += L" " + raw_arguments;
    fs::path folder = working_folder.empty() ? exe.parent_path() : working_folder;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    Process process;
    if (CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        process.process_ = info.hProcess;
        process.id_ = info.dwProcessId;
    }
    return process;
}

bool Process::Running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(std::chrono::milliseconds timeout) const {
    if (process_ == nullptr) return std::nullopt;
    if (WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(process_, &code)) return std::nullopt;
    return code;
}

void Process::End() {
    if (process_ == nullptr) return;
    if (Running()) {
        for (HWND window : TopLevelWindows(L"", id_, false)) {
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(process_, 3000) != WAIT_OBJECT_0) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, 5000);
        }
    }
    CloseHandle(process_);
    process_ = nullptr;
    id_ = 0;
}

// --- Windows ---------------------------------------------------------------------------------

HWND WaitForWindow(const std::wstring& class_name, DWORD pid, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            auto windows = TopLevelWindows(class_name, pid, true);
            if (!windows.empty()) found = windows.front();
            return found != nullptr;
        },
        timeout);
    return found;
}

HWND WaitForAnyWindow(const std::wstring& class_name, DWORD pid,
                      std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            auto windows = TopLevelWindows(class_name, pid, false);
            if (!windows.empty()) found = windows.front();
            return found != nullptr;
        },
        timeout);
    return found;
}

std::vector<HWND> FindTopLevelWindows(const std::wstring& class_name) {
    return TopLevelWindows(class_name, 0, false);
}

bool WaitForWindowGone(HWND window, std::chrono::milliseconds timeout) {
    return WaitUntil([&] { return !IsWindow(window); }, timeout);
}

namespace {

struct ChildSearch {
    int id = 0;
    std::wstring class_name;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChildId(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ChildSearch*>(context);
    if (GetDlgCtrlID(window) == search->id) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK MatchChildClass(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ChildSearch*>(context);
    if (GetClassName(window) == search->class_name) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindChild(HWND parent, int control_id) {
    ChildSearch search{control_id, {}, nullptr};
    EnumChildWindows(parent, MatchChildId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FocusedIn(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

HWND WaitForChild(HWND parent, int control_id, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindChild(parent, control_id)) != nullptr; }, timeout);
    return found;
}

HWND FindChildByClass(HWND parent, const std::wstring& class_name) {
    ChildSearch search{0, class_name, nullptr};
    EnumChildWindows(parent, MatchChildClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring GetText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 5000, &copied)) {
        return {};
    }
    text.resize(copied);
    return text;
}

std::wstring GetClassName(HWND window) {
    std::array<wchar_t, 256> name{};
    int n = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return std::wstring(name.data(), n > 0 ? n : 0);
}

SIZE ClientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT RectIn(HWND window, HWND control) {
    RECT rect = ScreenRect(control);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Focus(HWND window) {
    HWND top = GetAncestor(window, GA_ROOT);
    SetForegroundWindow(top);
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    DWORD own = GetCurrentThreadId();
    AttachThreadInput(own, thread, TRUE);
    SetFocus(window);
    AttachThreadInput(own, thread, FALSE);
}

void Sync(HWND window) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    Sleep(50);
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

namespace {

// The file-name field: the edit inside the combo box cmb13 (0x47C) of explorer-style dialogs,
// or the plain edit edt1 (0x480) of others.
HWND FileNameField(HWND dialog) {
    if (HWND combo = FindChild(dialog, 0x47C)) {
        if (HWND edit = FindChildByClass(combo, L"Edit")) return edit;
        return combo;
    }
    return FindChild(dialog, 0x480);
}

}  // namespace

std::wstring MessageBoxText(HWND box) {
    std::wstring text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetClassName(child) == L"Static") text += GetText(child);
    }
    return text;
}

std::wstring AnswerMessageBox(DWORD pid, std::chrono::milliseconds timeout, int button) {
    HWND box = WaitForWindow(L"#32770", pid, timeout);
    if (!box) return L"";
    std::wstring text = MessageBoxText(box);
    PostMessageW(box, WM_COMMAND, button, 0);
    WaitForWindowGone(box);
    return text;
}

bool ChooseFileInDialog(const fs::path& file, DWORD pid, std::chrono::milliseconds timeout) {
    return ChooseInFileDialog(file.wstring(), pid, timeout);
}

bool ChooseInFileDialog(const std::wstring& typed, DWORD pid, std::chrono::milliseconds timeout) {
    HWND dialog = WaitForWindow(L"#32770", pid, timeout);
    if (dialog == nullptr) return false;
    HWND field = nullptr;
    if (!WaitUntil([&] { return (field = FileNameField(dialog)) != nullptr; }, timeout)) {
        return false;
    }
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    // "Open" as the dialog's own command: a click posted to the button does not always reach
    // Wine's dialog.
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(FindChild(dialog, IDOK)));
    return WaitForWindowGone(dialog, timeout);
}

std::optional<std::wstring> FileDialogName(DWORD pid, std::chrono::milliseconds timeout) {
    HWND dialog = WaitForWindow(L"#32770", pid, timeout);
    HWND field = nullptr;
    if (!dialog ||
        !WaitUntil([&] { return (field = FileNameField(dialog)) != nullptr; }, timeout)) {
        return std::nullopt;
    }
    return GetText(field);
}

bool CancelFileDialog(DWORD pid, std::chrono::milliseconds timeout) {
    HWND dialog = WaitForWindow(L"#32770", pid, timeout);
    if (dialog == nullptr) return false;
    if (HWND cancel = FindChild(dialog, IDCANCEL)) {
        Click(cancel);
    } else {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    return WaitForWindowGone(dialog, timeout);
}

// --- Registry --------------------------------------------------------------------------------

bool SetRegistryString(HKEY root, const std::wstring& key, const std::wstring& name,
                       const std::wstring& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr,
                        &handle, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    LONG result = RegSetValueExW(handle, name.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

bool DeleteRegistryValue(HKEY root, const std::wstring& key, const std::wstring& name) {
    HKEY handle = nullptr;
    LONG result = RegOpenKeyExW(root, key.c_str(), 0, KEY_SET_VALUE | KEY_WOW64_32KEY, &handle);
    if (result == ERROR_FILE_NOT_FOUND) return true;
    if (result != ERROR_SUCCESS) return false;
    result = RegDeleteValueW(handle, name.c_str());
    RegCloseKey(handle);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool DeleteRegistryTree(HKEY root, const std::wstring& key) {
    HKEY handle = nullptr;
    LONG result = RegOpenKeyExW(root, key.c_str(), 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &handle);
    if (result == ERROR_FILE_NOT_FOUND) return true;
    if (result != ERROR_SUCCESS) return false;
    RegDeleteTreeW(handle, nullptr);
    RegCloseKey(handle);
    result = RegDeleteKeyExW(root, key.c_str(), KEY_WOW64_32KEY, 0);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace e2e
