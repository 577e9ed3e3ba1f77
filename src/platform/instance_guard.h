#pragma once
// The single-instance guard: one running copy per executable file. Copies started from the same
// file, by whichever name (another drive letter, a network share, the short 8.3 path), share a
// system-wide list of process ids under a system-wide lock; copies of the program in other
// folders are other files and have their own list. Windows only (win32/instance_guard.cc).

#include <memory>
#include <string_view>

namespace zerkon {

class SingleInstanceGuard {
  public:
    // Registers the running process (see RegisterInstance for the rules) and, when it is the
    // first copy, notifies the others with the registered message (wParam 1, lParam its id).
    SingleInstanceGuard();
    // Removes the registration and notifies the others (wParam 2).
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // True when no other copy of this executable was running.
    bool first() const;
    // Restores the first copy's top-level window of `window_class` if it is minimised and brings
    // it to the foreground. Does nothing when that window is not found.
    void ActivateFirstCopy(std::wstring_view window_class) const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace zerkon
