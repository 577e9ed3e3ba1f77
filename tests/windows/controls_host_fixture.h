#pragma once
// The controls host started for one test, with its fields typed into through
// the real keyboard path (SendInput) and read back by text, caret and focus.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "../hosts/controls_host/control_ids.h"
#include "harness.h"

namespace controls_host {

// One key stroke with modifiers, as the keyboard sends it.
inline void Stroke(WORD vk, bool shift = false, bool ctrl = false) {
    e2e::KeyStroke(vk, shift, ctrl);
}

class ControlsHostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        process_ = e2e::Process::Start(e2e::HostExe(L"controls_host"));
        ASSERT_TRUE(process_.started());
        host_ = e2e::WaitForWindow(kWindowClass, process_.id());
        ASSERT_NE(host_, nullptr);
        ASSERT_TRUE(e2e::WaitUntil([&] { return Focused() == Field(kFilteredString); }));
    }

    HWND Field(int id) const { return e2e::FindChild(host_, id); }
    std::wstring Text(int id) const { return e2e::GetText(Field(id)); }

    HWND Focused() const { return e2e::FocusedIn(host_); }

    int FocusedId() const { return GetDlgCtrlID(Focused()); }

    void Settle() { e2e::Sync(host_); }

    // Puts focus into a field through the host's own thread.
    void FocusField(int id) {
        e2e::Focus(Field(id));
        ASSERT_TRUE(e2e::WaitUntil([&] { return Focused() == Field(id); }, std::chrono::seconds(3)))
            << id << " has not got focus, " << FocusedId() << " has";
        Settle();
    }

    void Keys(WORD vk, bool shift = false, bool ctrl = false) {
        Stroke(vk, shift, ctrl);
        Settle();
    }

    // Types characters by their keys on the current layout (the Czech one
    // needs Shift for the main-row digits).
    void Type(const std::wstring& text) {
        for (wchar_t c : text) {
            SHORT scan = VkKeyScanW(c);
            ASSERT_NE(scan, -1) << static_cast<int>(c);
            Keys(LOBYTE(scan), (HIBYTE(scan) & 1) != 0, (HIBYTE(scan) & 2) != 0);
        }
    }

    e2e::Process process_;
    HWND host_ = nullptr;
};

}  // namespace controls_host
