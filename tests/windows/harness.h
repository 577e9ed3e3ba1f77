#pragma once
// Driver for the end-to-end tests: starts the built programs under Wine (or Windows), finds their
// windows, clicks, types, reads texts, drives the file-open dialog, sets registry values and takes
// screenshots.
//
// Where things are:
// - The tests run with the ctest working folder build/<preset>/, but nothing here relies on it:
//   every built program is located relative to e2e_tests.exe, which lives in
//   build/<preset>/tests/windows/. zerkon.exe is build/<preset>/src/ui/zerkon.exe, a peer
//   stand-in is build/<preset>/tests/peers/<name>.exe, a test host build/<preset>/tests/hosts/.
// - Screenshots are taken inside the Win32 program with GDI (BitBlt of the screen) and written as
//   PNG files to build/<preset>/screenshots/<name>.png, so they work under the private Xvfb of the
//   test run without any tool on the Unix side. Look at them after a run.
// - Scratch folders for a test (copies of zerkon.exe in other folders, files for dialogs) go below
//   build/<preset>/e2e-scratch/, see ScratchFolder().
//
// - Under Wine the driver sets HKCU\Software\Wine\X11 Driver "Managed"="N" before the tests
//   (a GoogleTest environment): the private Xvfb has no window manager, and so Wine draws the
//   captions and frames itself and screenshots show them.
//
// Waiting: every wait is a bounded poll (kDefaultTimeout unless given); a wait that runs out
// returns an empty/null result and the test asserts on it, so a hung program never hangs ctest.
//
// Text: functions take and return UTF-16 (std::wstring); convert program text with
// zerkon::Cp1250ToUtf16 when comparing with Windows-1250 literals.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
constexpr std::chrono::milliseconds kDefaultTimeout = 15s;

// --- Locations -------------------------------------------------------------------------------

// build/<preset>/ (three levels above e2e_tests.exe).
std::filesystem::path BuildDir();
// build/<preset>/src/ui/zerkon.exe
std::filesystem::path ZerkonExe();
// build/<preset>/tests/peers/<name>.exe
std::filesystem::path PeerExe(const std::wstring& name);
// build/<preset>/tests/hosts/<name>.exe
std::filesystem::path HostExe(const std::wstring& name);
// A fresh, empty folder build/<preset>/e2e-scratch/<name>/ (emptied if it exists).
std::filesystem::path ScratchFolder(const std::wstring& name);

// --- Processes -------------------------------------------------------------------------------

// One started program. The destructor ends the program if it still runs: first politely
// (WM_CLOSE to its top-level windows), then with TerminateProcess.
class Process {
  public:
    Process() = default;
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    // Starts `exe` with the given arguments. Each argument is passed as one argument: it is
    // quoted when it holds a blank. `raw_arguments` is appended to the command line as it is.
    // An empty working folder means the folder of the exe.
    static Process Start(const std::filesystem::path& exe,
                         const std::vector<std::wstring>& arguments = {},
                         const std::filesystem::path& working_folder = {});
    static Process StartRaw(const std::filesystem::path& exe, const std::wstring& raw_arguments,
                            const std::filesystem::path& working_folder = {});

    bool started() const { return process_ != nullptr; }
    DWORD id() const { return id_; }
    HANDLE handle() const { return process_; }
    bool Running() const;
    // The exit code once the process has ended within the timeout.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = kDefaultTimeout) const;
    // Closes its windows, waits a little, then terminates it.
    void End();

  private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// --- Windows ---------------------------------------------------------------------------------

// A visible top-level window of the class (and, when pid != 0, of that process), or nullptr
// after the timeout.
HWND WaitForWindow(const std::wstring& class_name, DWORD pid = 0,
                   std::chrono::milliseconds timeout = kDefaultTimeout);
// Like WaitForWindow but also finds hidden windows.
HWND WaitForAnyWindow(const std::wstring& class_name, DWORD pid = 0,
                      std::chrono::milliseconds timeout = kDefaultTimeout);
// All top-level windows of the class (visible or not), of any process.
std::vector<HWND> FindTopLevelWindows(const std::wstring& class_name);
// Waits until the window is gone (destroyed).
bool WaitForWindowGone(HWND window, std::chrono::milliseconds timeout = kDefaultTimeout);
// Polls `condition` until it holds or the timeout runs out.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = kDefaultTimeout);

// The child control with that id (searched through all descendants), or nullptr.
HWND FindChild(HWND parent, int control_id);
// The same, waiting for it: a window may become visible before its children exist.
HWND WaitForChild(HWND parent, int control_id, std::chrono::milliseconds timeout = kDefaultTimeout);
// The first descendant of the class, or nullptr.
HWND FindChildByClass(HWND parent, const std::wstring& class_name);

std::wstring GetText(HWND window);
std::wstring GetClassName(HWND window);
// The client rectangle's size.
SIZE ClientSize(HWND window);
// The window rectangle in screen coordinates.
RECT ScreenRect(HWND window);
// The control's rectangle in the client coordinates of `window` (one of its ancestors).
RECT RectIn(HWND window, HWND control);

// Clicks a button: posts to its parent the BN_CLICKED notification that a mouse click produces,
// so a handler that opens a modal window does not block the test (use WaitForWindow afterwards
// for what it opens). Like a user, it cannot click a hidden or disabled button: then it returns
// false and nothing happens. (BM_CLICK is not used: under Wine a focus change that arrives just
// after a window appears cancels it, and the click is silently lost.)
bool Click(HWND button);
// Posts WM_CHAR for each character (and WM_KEYDOWN/WM_KEYUP for Enter and Tab).
void TypeText(HWND control, const std::wstring& text);
// Posts WM_KEYDOWN + WM_KEYUP of a virtual key to the control.
void PressKey(HWND control, UINT virtual_key);
// Types with SendInput into whatever has the keyboard focus (needs the window in front).
void SendKeys(const std::wstring& text);
// Real input through SendInput, as the user gives it (the window must be in front): one key
// stroke with modifiers; a left click at a point of a window's client area, or in the middle of
// a control.
void KeyStroke(WORD vk, bool shift = false, bool ctrl = false);
void MouseClick(HWND window, POINT client_point);
void MouseClick(HWND control);
// The hint (tooltip text) that the control's window shows for it; empty when it has none.
std::wstring HintText(HWND control);
// The control that has the keyboard focus in the window's thread, or nullptr.
HWND FocusedIn(HWND window);
// Gives the window the focus and brings it to the front.
void Focus(HWND window);
// Waits until all messages posted so far to the window's thread are handled.
void Sync(HWND window);

// The text of a message box: its static texts.
std::wstring MessageBoxText(HWND box);
// Waits for a message box of process `pid`, answers it with the button (OK unless given) and
// returns its text; "" when none opens.
std::wstring AnswerMessageBox(DWORD pid, std::chrono::milliseconds timeout = kDefaultTimeout,
                              int button = IDOK);

// Drives the common file-open dialog of process `pid` (nullptr-safe): waits for it, types the
// path into its file-name field and presses Enter ("Open"). True when the dialog was found and
// closed afterwards.
bool ChooseFileInDialog(const std::filesystem::path& file, DWORD pid = 0,
                        std::chrono::milliseconds timeout = kDefaultTimeout);
// The same with the file-name field's text as typed, e.g. several quoted names:
// "\"a.txt\" \"b.txt\"".
bool ChooseInFileDialog(const std::wstring& typed, DWORD pid = 0,
                        std::chrono::milliseconds timeout = kDefaultTimeout);
// The name in the file-name field of the file dialog of process `pid` once it is open; nothing
// when none opens. (A file chosen by its name alone lands in the folder the dialog shows.)
std::optional<std::wstring> FileDialogName(DWORD pid = 0,
                                           std::chrono::milliseconds timeout = kDefaultTimeout);
// Cancels the open file dialog of the process.
bool CancelFileDialog(DWORD pid = 0, std::chrono::milliseconds timeout = kDefaultTimeout);

// --- Registry (32-bit view, as the sibling programs' installers write it) --------------------

// root is HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE; key like L"Software\\MORV\\RAL".
bool SetRegistryString(HKEY root, const std::wstring& key, const std::wstring& name,
                       const std::wstring& value);
bool DeleteRegistryValue(HKEY root, const std::wstring& key, const std::wstring& name);
// Deletes the key with everything below it; true also when it did not exist.
bool DeleteRegistryTree(HKEY root, const std::wstring& key);

// --- Screenshots -----------------------------------------------------------------------------

// Saves the window's rectangle (the whole screen for nullptr) as
// build/<preset>/screenshots/<name>.png and returns the path (empty on failure).
std::filesystem::path SaveScreenshot(const std::wstring& name, HWND window = nullptr);

// ---------------------------------------------------------------------------------------------

template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(20);
    }
}

}  // namespace e2e
