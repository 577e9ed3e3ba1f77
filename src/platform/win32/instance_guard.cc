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

std::wstring UpperCaseProgramPath() {
    std::wstring path = OwnProgramPath();
    if (!path.empty()) CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
    return path;
}

std::wstring ObjectName(std::string_view kind, const std::wstring& upper_path) {
    return Wide(InstanceObjectName(kind, std::u16string(upper_path.begin(), upper_path.end())));
}

// A process id counts as a running copy only while that process lives and runs the same file:
// ids of ended processes are reused by Windows.
bool RunsSameProgram(uint32_t pid, const std::wstring& upper_path) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, pid);
    if (process == nullptr) return false;
    bool same = false;
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        std::wstring image(32768, L'\0');
        DWORD size = static_cast<DWORD>(image.size());
        if (QueryFullProcessImageNameW(process, 0, image.data(), &size)) {
            image.resize(size);
            CharUpperBuffW(image.data(), size);
            same = image == upper_path;
        } else {
            same = true;  // cannot tell: keep counting it rather than start a second copy
        }
    }
    CloseHandle(process);
    return same;
}

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
    std::wstring upper_path;
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
    s.upper_path = UpperCaseProgramPath();
    s.own_id = GetCurrentProcessId();
    s.message = RegisterWindowMessageW(L"Zerkon.InstanceNotification");
    s.mutex = CreateMutexW(nullptr, FALSE, ObjectName("Lock", s.upper_path).c_str());
    s.mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                   sizeof(InstanceTable), ObjectName("List", s.upper_path).c_str());
    if (s.mapping != nullptr) {
        s.table = static_cast<InstanceTable*>(
            MapViewOfFile(s.mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(InstanceTable)));
    }
    if (s.table == nullptr) return;  // no shared list: run as the only copy

    ListLock lock(s.mutex);
    s.registration = RegisterInstance(
        *s.table, s.own_id, [&](uint32_t pid) { return RunsSameProgram(pid, s.upper_path); });
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
