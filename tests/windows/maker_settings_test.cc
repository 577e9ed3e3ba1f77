// Registry values of the sibling programs as a separate process reads them: set here through the
// driver (32-bit view, as their installers write), read by the probe host with the program's
// own reader.

#include <gtest/gtest.h>

#include "harness.h"

namespace {

const std::wstring kKey = L"Software\\MORV\\ZerkonE2eProbe";

class MakerSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        e2e::DeleteRegistryTree(HKEY_CURRENT_USER, kKey);
        e2e::DeleteRegistryTree(HKEY_LOCAL_MACHINE, kKey);
    }

    // What the probe reads for "InstallPath" below \ZerkonE2eProbe.
    static std::wstring ProbedValue() {
        e2e::Process probe = e2e::Process::Start(e2e::HostExe(L"maker_setting_probe"),
                                                 {L"\\ZerkonE2eProbe", L"InstallPath"});
        HWND window = e2e::WaitForWindow(L"ZerkonMakerSettingProbe", probe.id());
        if (window == nullptr) return L"<no window>";
        std::wstring value = e2e::GetText(e2e::WaitForChild(window, 100));
        // The probe ends through CloseWindowByClass (WM_QUIT), as the update flow ends Zuta.
        EXPECT_TRUE(e2e::Click(e2e::WaitForChild(window, 101)));
        EXPECT_EQ(probe.WaitForExit(), 0u);
        return value;
    }
};

TEST_F(MakerSettingsTest, PerUserFirstThenMachineWideWithEmptyCountingAsMissing) {
    EXPECT_EQ(ProbedValue(), L"");

    ASSERT_TRUE(e2e::SetRegistryString(HKEY_LOCAL_MACHINE, kKey, L"InstallPath", L"C:\\Stroj"));
    EXPECT_EQ(ProbedValue(), L"C:\\Stroj");  // machine-wide only

    ASSERT_TRUE(e2e::SetRegistryString(HKEY_CURRENT_USER, kKey, L"InstallPath", L""));
    EXPECT_EQ(ProbedValue(), L"C:\\Stroj");  // empty per-user value

    ASSERT_TRUE(
        e2e::SetRegistryString(HKEY_CURRENT_USER, kKey, L"InstallPath", L"C:\\U\u017Eivatel"));
    EXPECT_EQ(ProbedValue(), L"C:\\U\u017Eivatel");  // both: per-user wins

    ASSERT_TRUE(e2e::DeleteRegistryTree(HKEY_LOCAL_MACHINE, kKey));
    EXPECT_EQ(ProbedValue(), L"C:\\U\u017Eivatel");  // per-user only

    ASSERT_TRUE(e2e::DeleteRegistryValue(HKEY_CURRENT_USER, kKey, L"InstallPath"));
    EXPECT_EQ(ProbedValue(), L"");
}

}  // namespace
