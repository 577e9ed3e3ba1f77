// The print-engine hand-off with the real Win32 window messages, process start
// and registry, against the print-engine stand-in (tests/peers/olbrix_standin).

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "../unit/print/fake_message_boxes.h"
#include "common/cp1250_literal.h"
#include "common/file_helpers.h"
#include "harness.h"
#include "platform/registry.h"
#include "platform/win32/file_system_win32.h"
#include "print/job_file.h"
#include "print/print_engine_flow.h"
#include "shell/maker_settings.h"

namespace {

using namespace zerkon;
using zerkon::testing::FakeMessageBoxes;
namespace fs = std::filesystem;

constexpr wchar_t kOlbrixKey[] = L"Software\\MORV\\Olbrix";

// A window that outlives every test: the engine stand-in stays while it exists.
WindowHandle OwnWindow() {
    return reinterpret_cast<WindowHandle>(GetDesktopWindow());
}

class FixedClock final : public Clock {
  public:
    LocalDateTime Now() const override { return {2009, 3, 7, 14, 5, 9}; }
};

// The real cursor and Sleep, with the waits counted.
class CountingFeedback final : public UiFeedback {
  public:
    void ShowBusyCursor() override { SystemUiFeedback().ShowBusyCursor(); }
    void ShowDefaultCursor() override { SystemUiFeedback().ShowDefaultCursor(); }
    void Wait(int milliseconds) override {
        waited += milliseconds;
        SystemUiFeedback().Wait(milliseconds);
    }
    int waited = 0;
};

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The request as the engine must receive it, laid out byte by byte.
std::string ExpectedRequest(std::uint32_t engine, std::string_view name, std::string_view folder,
                            std::string_view program) {
    std::string r(565, '\0');
    for (int i = 0; i < 4; ++i) {
        r[i] = static_cast<char>(engine >> (8 * i));
        r[4 + i] = static_cast<char>(static_cast<std::uint32_t>(OwnWindow()) >> (8 * i));
    }
    r[8] = static_cast<char>(name.size());
    r.replace(9, name.size(), name);
    r[170] = static_cast<char>(std::min<std::size_t>(folder.size(), 128));
    r.replace(171, std::min<std::size_t>(folder.size(), 128), folder.substr(0, 128));
    r[299] = static_cast<char>(program.size());
    r.replace(300, program.size(), program);
    r[320] = r[321] = r[322] = 1;
    return r;
}

void CloseAllEngines() {
    for (HWND window : e2e::FindTopLevelWindows(L"TFormOlbrix")) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        e2e::WaitForWindowGone(window);
    }
}

class PrintHandOffTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CloseAllEngines();
        const fs::path scratch = e2e::ScratchFolder(L"print-handoff");
        engine_dir_ = scratch / L"Program Files" / L"Olbrix";
        fs::create_directories(engine_dir_);
        ASSERT_TRUE(fs::exists(e2e::PeerExe(L"olbrix_standin")));
        fs::copy_file(e2e::PeerExe(L"olbrix_standin"), engine_dir_ / L"Olbrix.exe");
        Register(engine_dir_);
    }
    void TearDown() override {
        CloseAllEngines();
        e2e::DeleteRegistryValue(HKEY_CURRENT_USER, kOlbrixKey, L"InstallPath");
    }
    static void Register(const fs::path& folder) {
        ASSERT_TRUE(e2e::SetRegistryString(HKEY_CURRENT_USER, kOlbrixKey, L"InstallPath",
                                           folder.wstring()));
    }
    PrintEngineFlow HandOff() {
        return PrintEngineFlow({
            .read_engine_folder =
                [] {
                    return ReadMakerSetting(SystemRegistry(), kOlbrixSubKey, "", kInstallPathValue);
                },
            .windows = SystemWindowMessenger(),
            .starter = SystemProcessStarter(),
            .boxes = boxes_,
            .feedback = feedback_,
            .clock = clock_,
            .program_folder = TextFromPath(engine_dir_.parent_path()) + "\\nikde\\",
            .own_window = OwnWindow(),
            .message_file = {std::string(ZERKON_TEST_DATA) + "\\..\\..\\resources\\zerkon.msg", "",
                             true},
            .request_quit = [this] { ++quits_; },
            .files = files_,
        });
    }
    Win32FileSystem files_;
    fs::path Received(const std::wstring& name) const { return engine_dir_ / L"received" / name; }
    std::string JobFolderText() const { return TextFromPath(engine_dir_) + "\\vrex\\"; }
    std::uint32_t EngineWindow() const {
        return static_cast<std::uint32_t>(
            reinterpret_cast<std::uintptr_t>(FindWindowW(L"TFormOlbrix", nullptr)));
    }
    bool WaitForRequest(int n = 1) const {
        return e2e::WaitUntil(
            [&] { return fs::exists(Received(L"request-" + std::to_wstring(n) + L".bin")); });
    }

    fs::path engine_dir_;
    FakeMessageBoxes boxes_;
    CountingFeedback feedback_;
    FixedClock clock_;
    int quits_ = 0;
};

const std::vector<std::string> kBankJob{"[ExtProgram]Zerkon", "", "[DataArea]",
                                        "[Table]<zerkon>\r\n<ID>1\r\n"};

TEST_F(PrintHandOffTest, BankPrintStartsAnAbsentEngineWhichReceivesTheRequest) {
    fs::create_directories(engine_dir_ / L"vrex");
    HandOff().PrintBankJob(kBankJob);
    ASSERT_TRUE(WaitForRequest());
    // The program path was quoted, yet the engine got exactly its two switches.
    EXPECT_EQ(ReadBytes(Received(L"starts.txt")), "{SW_NOQUIT}{SW_ESCMASK}\r\n");
    const std::string name = "GPC-2009-03-07(14-05-09).vrex";
    EXPECT_EQ(ReadBytes(Received(L"request-1.bin")),
              ExpectedRequest(EngineWindow(), name, JobFolderText(), "Zerkon"));
    EXPECT_EQ(ReadBytes(Received(L"job-1.vrex")),
              "[ExtProgram]Zerkon\r\n\r\n[DataArea]\r\n[Table]<zerkon>\r\n<ID>1\r\n\r\n");
    EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(PrintHandOffTest, BankPrintToARunningEngineDoesNotStartItAgainNorWait) {
    fs::create_directories(engine_dir_ / L"vrex");
    e2e::Process engine =
        e2e::Process::StartRaw(engine_dir_ / L"Olbrix.exe", L"{SW_NOQUIT}{SW_ESCMASK}");
    ASSERT_TRUE(e2e::WaitForWindow(L"TFormOlbrix", engine.id()));
    HandOff().PrintBankJob(kBankJob);
    ASSERT_TRUE(WaitForRequest());
    EXPECT_EQ(feedback_.waited, 0);
    EXPECT_EQ(ReadBytes(Received(L"starts.txt")), "{SW_NOQUIT}{SW_ESCMASK}\r\n");  // ours only
    EXPECT_EQ(e2e::FindTopLevelWindows(L"TFormOlbrix").size(), 1u);
}

TEST_F(PrintHandOffTest, BankPrintWithoutRegisteredEngineDoesNothing) {
    e2e::DeleteRegistryValue(HKEY_CURRENT_USER, kOlbrixKey, L"InstallPath");
    fs::create_directories(engine_dir_ / L"vrex");
    HandOff().PrintBankJob(kBankJob);
    Sleep(300);
    EXPECT_TRUE(fs::is_empty(engine_dir_ / L"vrex"));
    EXPECT_FALSE(fs::exists(engine_dir_ / L"received"));
    EXPECT_TRUE(e2e::FindTopLevelWindows(L"TFormOlbrix").empty());
    EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(PrintHandOffTest, EldpPrintCreatesTheJobFolderAndHandsTheJobOver) {
    const std::vector<std::string> job{"[ExtProgram]ZERKON pro RALwin",
                                       "",
                                       "[DataArea]",
                                       "",
                                       "[Table]<eldp>",
                                       "<ID>0",
                                       "<prijmeni>Říhová"_cz};
    HandOff().PrintEldpJob(job);
    ASSERT_TRUE(WaitForRequest());
    const std::string name = "Podklady pro ELDP - ruční zadání.vrex"_cz;
    EXPECT_TRUE(fs::exists(PathFromText(JobFolderText() + name)));
    EXPECT_EQ(ReadBytes(Received(L"request-1.bin")),
              ExpectedRequest(EngineWindow(), name, JobFolderText(), "ZERKON pro RALwin"));
    EXPECT_EQ(ReadBytes(Received(L"job-1.vrex")), JobFileText(job));
    EXPECT_GE(feedback_.waited, 1000);
    EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(PrintHandOffTest, EldpPrintWithoutRegisteredEngineShowsEngineMissing) {
    e2e::DeleteRegistryValue(HKEY_CURRENT_USER, kOlbrixKey, L"InstallPath");
    HandOff().PrintEldpJob({"a"});
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].caption, "Program \"Olbrix\" nelze spustit.");
    EXPECT_FALSE(fs::exists(engine_dir_ / L"vrex"));
    EXPECT_TRUE(e2e::FindTopLevelWindows(L"TFormOlbrix").empty());
}

TEST_F(PrintHandOffTest, EldpJobFolderThatCannotBeCreatedReportsAndEndsTheProgram) {
    std::ofstream(engine_dir_.parent_path() / L"blokuje") << "file";
    Register(engine_dir_.parent_path() / L"blokuje" / L"Olbrix");
    HandOff().PrintEldpJob({"a"});
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].caption, "Nelze založit adresář"_cz);
    EXPECT_NE(boxes_.shown[0].text.find("\\blokuje\\Olbrix\\vrex\\"), std::string::npos);
    EXPECT_EQ(quits_, 1);
    EXPECT_TRUE(e2e::FindTopLevelWindows(L"TFormOlbrix").empty());
}

TEST_F(PrintHandOffTest, EldpEngineThatCannotBeStartedIsReported) {
    fs::remove(engine_dir_ / L"Olbrix.exe");
    HandOff().PrintEldpJob({"a"});
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].caption, "Program \"Olbrix\" nelze spustit.");
    EXPECT_NE(boxes_.shown[0].text.find(TextFromPath(engine_dir_ / L"Olbrix.exe")),
              std::string::npos);
    EXPECT_EQ(feedback_.waited, 1000);
}

}  // namespace
