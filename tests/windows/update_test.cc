// "Aktualizace programu": the request reaches the update program's stand-in.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "harness.h"
#include "ui/main_window_ids.h"
#include "zerkon_version.h"

namespace {

namespace fs = std::filesystem;
using namespace zerkon;

const std::wstring kZutaKey = L"Software\\MORV\\Zuta";

std::string Field(const std::vector<char>& record, size_t offset) {
    auto length = static_cast<unsigned char>(record[offset]);
    return std::string(record.begin() + offset + 1, record.begin() + offset + 1 + length);
}

uint32_t Uint32At(const std::vector<char>& record, size_t offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(record[offset + i]);
    return value;
}

class UpdateTest : public ::testing::Test {
  protected:
    void SetUp() override {
        prog_ = e2e::ScratchFolder(L"update-prog");
        zuta_ = e2e::ScratchFolder(L"update-zuta");
        fs::copy_file(e2e::ZerkonExe(), prog_ / L"zerkon.exe");
    }
    void TearDown() override {
        e2e::DeleteRegistryTree(HKEY_CURRENT_USER, kZutaKey);
        for (HWND zuta : e2e::FindTopLevelWindows(L"TFormZuta")) PostMessageW(zuta, WM_CLOSE, 0, 0);
    }
    // Starts the program and presses its upgrade button; the box it answers
    // with when `box_caption` is given (nullptr when none opens or the caption differs).
    HWND PressUpgrade(e2e::Process& zerkon, std::string_view box_caption = {}) {
        zerkon = e2e::Process::Start(prog_ / L"zerkon.exe");
        HWND window = e2e::WaitForWindow(kMainWindowClass, zerkon.id());
        if (!window || !e2e::Click(e2e::FindChild(window, kMainUpgradeId))) return nullptr;
        if (box_caption.empty()) return window;
        HWND box = e2e::WaitForWindow(L"#32770", zerkon.id());
        const std::u16string caption = Cp1250ToUtf16(box_caption);
        EXPECT_EQ(e2e::GetText(box), std::wstring(caption.begin(), caption.end()));
        return box;
    }
    fs::path prog_, zuta_;
};

TEST_F(UpdateTest, RequestReachesTheStartedUpdateProgram) {
    // Zuta installed, and a copy beside the program (which is the one started; no download).
    fs::copy_file(e2e::PeerExe(L"zuta_standin"), zuta_ / L"Zuta.exe");
    fs::copy_file(e2e::PeerExe(L"zuta_standin"), prog_ / L"Zuta.exe");
    ASSERT_TRUE(
        e2e::SetRegistryString(HKEY_CURRENT_USER, kZutaKey, L"InstallPath", zuta_.wstring()));

    e2e::Process zerkon;
    HWND window = PressUpgrade(zerkon);
    ASSERT_NE(window, nullptr);

    HWND zuta = e2e::WaitForWindow(L"TFormZuta");
    ASSERT_NE(zuta, nullptr);
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(zuta) == L"Zuta - 1"; }));
    std::ifstream in(prog_ / L"update_request.bin", std::ios::binary);
    std::vector<char> record((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    ASSERT_EQ(record.size(), 654u);

    RECT frame = e2e::ScreenRect(window);
    EXPECT_EQ(Uint32At(record, 0), static_cast<uint32_t>(reinterpret_cast<uintptr_t>(zuta)));
    EXPECT_EQ(Uint32At(record, 4), static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)));
    EXPECT_EQ(static_cast<int32_t>(Uint32At(record, 8)), frame.left + 30);
    EXPECT_EQ(static_cast<int32_t>(Uint32At(record, 12)), frame.top + 60);
    EXPECT_EQ(record[16], 0);
    EXPECT_EQ(record[17], 0);
    EXPECT_EQ(Field(record, 49), "Zerkon");
    EXPECT_EQ(Field(record, 80), ZERKON_FILE_VERSION);
    std::string program_folder = Utf16ToCp1250(prog_.u16string()) + "\\";
    EXPECT_EQ(Field(record, 122), program_folder + "stahovani");
    // Zuta was also copied into the new download folder.
    EXPECT_TRUE(fs::exists(prog_ / L"stahovani" / L"Zuta.exe"));
    e2e::SaveScreenshot(L"update-zuta-started");
}

// A running Zuta may be serving the payroll program or the maker's other programs: while one of
// them runs, Zuta is left alone and the user is told which program uses it.
TEST_F(UpdateTest, RunningUpdateProgramIsLeftToTheProgramItServes) {
    fs::copy_file(e2e::PeerExe(L"zuta_standin"), zuta_ / L"Zuta.exe");
    ASSERT_TRUE(
        e2e::SetRegistryString(HKEY_CURRENT_USER, kZutaKey, L"InstallPath", zuta_.wstring()));
    e2e::Process running_zuta = e2e::Process::Start(zuta_ / L"Zuta.exe");
    HWND zuta = e2e::WaitForWindow(L"TFormZuta", running_zuta.id());
    ASSERT_NE(zuta, nullptr);
    e2e::Process payroll = e2e::Process::StartRaw(e2e::PeerExe(L"host_standin"), L"TFormRalWin");
    ASSERT_NE(e2e::WaitForWindow(L"TFormRalWin", payroll.id()), nullptr);

    e2e::Process zerkon;
    HWND box = PressUpgrade(zerkon, "Program pro komunikaci s webem nelze použít"_cz);
    ASSERT_NE(box, nullptr);
    const std::wstring text = e2e::MessageBoxText(box);
    EXPECT_NE(text.find(L"využívá program RALwin,a proto"), std::wstring::npos) << text;
    e2e::SaveScreenshot(L"update-zuta-serves-payroll", box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(e2e::WaitForWindowGone(box));

    // Zuta was neither closed nor sent a request.
    EXPECT_TRUE(running_zuta.Running());
    EXPECT_EQ(e2e::GetText(zuta), L"Zuta");
}

TEST_F(UpdateTest, NotInstalledUpdateProgramIsReported) {
    e2e::DeleteRegistryTree(HKEY_CURRENT_USER, kZutaKey);
    e2e::Process zerkon;
    HWND box = PressUpgrade(zerkon, "Spojení s internetem?"_cz);
    ASSERT_NE(box, nullptr);
    e2e::SaveScreenshot(L"update-not-installed", box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(e2e::WaitForWindowGone(box));
    EXPECT_TRUE(zerkon.Running());
}

}  // namespace
