#include "platform/instance_guard.h"

#include <windows.h>

#include <string>
#include <vector>

#include "platform/instance_registry.h"
#include "platform/win32/foreground.h"
#include "platform/win32/program_path.h"
#include "platform/win32/wide_text.h"

namespace zerkon {
namespace {

std::u16string UpperCase(std::wstring path) {
    if (!path.empty()) CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
    return std::u16string(path.begin(), path.end());
}

std::wstring ObjectName(std::string_view kind, const std::u16string& key) {
    return Wide(InstanceObjectName(kind, key));
}

class Win32ProcessQuery final : public ProcessQuery {
  public:
    // A process that cannot even be queried is no copy of this program (which runs as the
    // same user): its id is taken as free.
    bool IsRunning(uint32_t pid) override {
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, pid);
        if (process == nullptr) return false;
        const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
        CloseHandle(process);
        return running;
    }

    std::optional<std::u16string> ImagePath(uint32_t pid) override {
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
        if (process == nullptr) return std::nullopt;
        std::wstring image(32768, L'\0');
        DWORD size = static_cast<DWORD>(image.size());
        const bool known = QueryFullProcessImageNameW(process, 0, image.data(), &size) != FALSE;
        CloseHandle(process);
        if (!known) return std::nullopt;
        image.resize(size);
        return UpperCase(std::move(image));
    }

    std::optional<FileIdentity> IdentityOf(std::u16string_view path) override {
        const std::wstring name(path.begin(), path.end());
        // No access asked for: only the file's information is read, whoever has it open.
        HANDLE file =
            CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (file == INVALID_HANDLE_VALUE) return std::nullopt;
        BY_HANDLE_FILE_INFORMATION info{};
        const bool known = GetFileInformationByHandle(file, &info) != FALSE;
        CloseHandle(file);
        if (!known) return std::nullopt;
        return FileIdentity{
            info.dwVolumeSerialNumber,
            (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
    }
};

struct WindowSearch {
    DWORD pid;
    std::wstring class_name;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid) return TRUE;
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    if (!search->class_name.empty() && search->class_name != name) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindProcessWindow(DWORD pid, std::wstring_view class_name) {
    WindowSearch search{pid, std::wstring(class_name), nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Lock of the shared list, held for the lifetime of the object.
class ListLock {
  public:
    explicit ListLock(HANDLE mutex) : mutex_(mutex) {
        if (mutex_ == nullptr) return;
        DWORD result = WaitForSingleObject(mutex_, 10000);
        // An abandoned lock (a copy died holding it) is ours now; the list is still usable.
        held_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    }
    ~ListLock() {
        if (held_) ReleaseMutex(mutex_);
    }
    ListLock(const ListLock&) = delete;
    ListLock& operator=(const ListLock&) = delete;

  private:
    HANDLE mutex_;
    bool held_ = false;
};

}  // namespace

struct SingleInstanceGuard::State {
    OwnProgramFile own;
    HANDLE mutex = nullptr;
    HANDLE mapping = nullptr;
    InstanceTable* table = nullptr;
    UINT message = 0;
    DWORD own_id = 0;
    InstanceRegistration registration;

    // Posts the notification to the windows of every other registered copy.
    void Notify(WPARAM what) const {
        if (table == nullptr || message == 0) return;
        std::vector<uint32_t> others;
        for (uint32_t i = 0; i < table->count && i < InstanceTable::kCapacity; ++i) {
            if (table->ids[i] != own_id) others.push_back(table->ids[i]);
        }
        for (uint32_t pid : others) {
            if (HWND window = FindProcessWindow(pid, L"")) {
                PostMessageW(window, message, what, static_cast<LPARAM>(own_id));
            }
        }
    }
};

SingleInstanceGuard::SingleInstanceGuard() : state_(std::make_unique<State>()) {
    State& s = *state_;
    Win32ProcessQuery query;
    s.own = DescribeOwnProgram(query, UpperCase(OwnProgramPath()));
    const std::u16string key = InstanceKey(s.own);
    s.own_id = GetCurrentProcessId();
    s.message = RegisterWindowMessageW(L"Zerkon.InstanceNotification");
    s.mutex = CreateMutexW(nullptr, FALSE, ObjectName("Lock", key).c_str());
    s.mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                   sizeof(InstanceTable), ObjectName("List", key).c_str());
    if (s.mapping != nullptr) {
        s.table = static_cast<InstanceTable*>(
            MapViewOfFile(s.mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(InstanceTable)));
    }
    if (s.table == nullptr) return;  // no shared list: run as the only copy

    ListLock lock(s.mutex);
    s.registration = RegisterInstance(
        *s.table, s.own_id, [&](uint32_t pid) { return RunsSameProgram(query, pid, s.own); });
    if (s.registration.registered_before == 0) s.Notify(1);
}

SingleInstanceGuard::~SingleInstanceGuard() {
    State& s = *state_;
    if (s.table != nullptr) {
        ListLock lock(s.mutex);
        UnregisterInstance(*s.table, s.own_id);
        s.Notify(2);
        UnmapViewOfFile(s.table);
    }
    if (s.mapping != nullptr) CloseHandle(s.mapping);
    if (s.mutex != nullptr) CloseHandle(s.mutex);
}

bool SingleInstanceGuard::first() const {
    return state_->registration.registered_before == 0;
}

void SingleInstanceGuard::ActivateFirstCopy(std::wstring_view window_class) const {
    HWND window = FindProcessWindow(state_->registration.first_id, window_class);
    if (window != nullptr) BringWindowToForeground(window);
}

}  // namespace zerkon
