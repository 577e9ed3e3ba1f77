// Input for the end-to-end tests: clicks and key strokes as messages or as real input, and the
// hint a control shows.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <vector>

#include "harness.h"

namespace e2e {

bool Click(HWND button) {
    if (button == nullptr || !IsWindowVisible(button) || !IsWindowEnabled(button)) return false;
    HWND parent = GetParent(button);
    int id = GetDlgCtrlID(button);
    return PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(button)) != FALSE;
}

void PressKey(HWND control, UINT virtual_key) {
    UINT scan = MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC);
    PostMessageW(control, WM_KEYDOWN, virtual_key, 1 | (scan << 16));
    PostMessageW(control, WM_KEYUP, virtual_key, 1 | (scan << 16) | 0xC0000000u);
}

void TypeText(HWND control, const std::wstring& text) {
    for (wchar_t c : text) {
        if (c == L'\r' || c == L'\n') {
            PressKey(control, VK_RETURN);
            PostMessageW(control, WM_CHAR, L'\r', 1);
        } else if (c == L'\t') {
            PressKey(control, VK_TAB);
        } else {
            PostMessageW(control, WM_CHAR, c, 1);
        }
    }
}

void SendKeys(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        if (c == L'\r' || c == L'\n' || c == L'\t') {
            down.ki.wVk = c == L'\t' ? VK_TAB : VK_RETURN;
        } else {
            down.ki.wScan = c;
            down.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        INPUT up = down;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(down);
        inputs.push_back(up);
    }
    if (!inputs.empty()) {
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
}

void KeyStroke(WORD vk, bool shift, bool ctrl) {
    auto send = [](WORD key, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &input, sizeof input);
    };
    if (ctrl) send(VK_CONTROL, false);
    if (shift) send(VK_SHIFT, false);
    send(vk, false);
    send(vk, true);
    if (shift) send(VK_SHIFT, true);
    if (ctrl) send(VK_CONTROL, true);
}

void MouseClick(HWND window, POINT client_point) {
    ClientToScreen(window, &client_point);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(client_point.x, 65535, width - 1);
        input.mi.dy = MulDiv(client_point.y, 65535, height - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
    }
    inputs[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}

void MouseClick(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    MouseClick(control, POINT{client.right / 2, client.bottom / 2});
}

std::wstring HintText(HWND control) {
    // The tooltip belongs to the control's parent, in another process: the request and the
    // answer live in memory of that process.
    HWND parent = GetParent(control);
    DWORD pid = 0;
    GetWindowThreadProcessId(control, &pid);
    std::vector<HWND> tooltips;
    for (HWND tooltip : FindTopLevelWindows(TOOLTIPS_CLASSW)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(tooltip, &owner);
        if (owner == pid) tooltips.push_back(tooltip);
    }
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return {};
    constexpr size_t kChars = 1024;
    auto* remote = static_cast<BYTE*>(VirtualAllocEx(process, nullptr,
                                                     sizeof(TOOLINFOW) + kChars * sizeof(wchar_t),
                                                     MEM_COMMIT, PAGE_READWRITE));
    std::wstring text;
    for (HWND tooltip : tooltips) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND;
        tool.hwnd = parent;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof(TOOLINFOW));
        std::vector<wchar_t> buffer(kChars, L'\0');
        WriteProcessMemory(process, remote, &tool, sizeof(tool), nullptr);
        WriteProcessMemory(process, tool.lpszText, buffer.data(), kChars * sizeof(wchar_t),
                           nullptr);
        SendMessageW(tooltip, TTM_GETTEXTW, kChars, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, tool.lpszText, buffer.data(), kChars * sizeof(wchar_t), nullptr);
        text = buffer.data();
        if (!text.empty()) break;
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return text;
}

}  // namespace e2e
