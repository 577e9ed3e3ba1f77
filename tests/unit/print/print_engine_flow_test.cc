#include "print/print_engine_flow.h"

#include <gtest/gtest.h>

#include <deque>

#include "common/cp1250_literal.h"
#include "common/disk_file_system.h"
#include "common/file_helpers.h"
#include "fake_message_boxes.h"
#include "print/print_request.h"
#include "scratch_folder.h"

namespace zerkon {
namespace {

DiskFileSystem disk;

using testing::FakeMessageBoxes;
using testing::ScratchFolder;
using Lines = std::vector<std::string>;

constexpr WindowHandle kEngine = 0x4242;
constexpr WindowHandle kOwnWindow = 0x1001;

// The engine's window exists from the start, or appears after a number of
// look-ups once the engine was started.
class FakeWindows final : public WindowMessenger {
  public:
    WindowHandle FindWindowByClass(std::string_view class_name) override {
        EXPECT_EQ(class_name, "TFormOlbrix");
        ++finds;
        if (running) return kEngine;
        if (started && --finds_until_window <= 0) running = true;
        return running ? kEngine : 0;
    }
    void SendCopyData(WindowHandle receiver, std::uintptr_t tag,
                      std::span<const std::uint8_t> data) override {
        EXPECT_EQ(tag, 0u);
        sent.push_back({receiver, std::vector<std::uint8_t>(data.begin(), data.end())});
    }
    struct Sent {
        WindowHandle receiver;
        std::vector<std::uint8_t> bytes;
    };
    bool running = false;
    bool started = false;
    int finds_until_window = 1;
    int finds = 0;
    std::vector<Sent> sent;
};

class FakeStarter final : public ProcessStarter {
  public:
    explicit FakeStarter(FakeWindows& windows) : windows_(windows) {}
    bool Start(std::string_view command_line) override {
        command_lines.emplace_back(command_line);
        const bool ok = results.empty() ? true : results.front();
        if (!results.empty()) results.pop_front();
        if (ok) windows_.started = true;
        return ok;
    }
    std::deque<bool> results;
    Lines command_lines;

  private:
    FakeWindows& windows_;
};

class FakeFeedback final : public UiFeedback {
  public:
    void ShowBusyCursor() override { events.push_back("busy"); }
    void ShowDefaultCursor() override { events.push_back("arrow"); }
    void Wait(int milliseconds) override {
        events.push_back("wait " + std::to_string(milliseconds));
        waited += milliseconds;
    }
    Lines events;
    int waited = 0;
};

class FixedClock final : public Clock {
  public:
    LocalDateTime Now() const override { return {2009, 3, 7, 14, 5, 9}; }
};

class HandOffTest : public ::testing::Test {
  protected:
    PrintEngineFlow MakeHandOff() {
        return PrintEngineFlow({
            .read_engine_folder = [this] { return engine_folder; },
            .windows = windows,
            .starter = starter,
            .boxes = boxes,
            .feedback = feedback,
            .clock = clock,
            .program_folder = "C:\\Zerkon\\",
            .own_window = kOwnWindow,
            .message_file = {scratch.Write("zerkon.msg", kMessages), "", true},
            .request_quit = [this] { ++quits; },
            .files = disk,
        });
    }
    PrintRequestFields SentRequest(std::size_t index = 0) {
        const auto& bytes = windows.sent.at(index).bytes;
        EXPECT_EQ(bytes.size(), 565u);
        return ReadPrintRequest(std::span<const std::uint8_t, 565>(bytes.data(), 565));
    }
    std::string EngineFolderText() const {
        std::string folder = scratch.Text();
        folder.pop_back();
        return folder + "\\Program Files\\Olbrix";
    }

    static constexpr std::string_view kMessages =
        "[NoCreateDir]\r\n\x87"
        "Adresář\r\nNelze vytvořit %1\r\n"_cz
        "[NeniOlbrix_V]\r\n\x87Spuštění %1\r\nNelze spustit %2\r\n"_cz;
    ScratchFolder scratch;
    std::string engine_folder = EngineFolderText();
    FakeWindows windows;
    FakeStarter starter{windows};
    FakeFeedback feedback;
    FakeMessageBoxes boxes;
    FixedClock clock;
    int quits = 0;
};

TEST(EngineCommandLineTest, ProgramPathIsQuotedAndSwitchesFollowAfterOneBlank) {
    EXPECT_EQ(QuotedCommandLine("C:\\Program Files\\Olbrix\\Olbrix", kEngineSwitches),
              "\"C:\\Program Files\\Olbrix\\Olbrix\" {SW_NOQUIT}{SW_ESCMASK}");
    EXPECT_EQ(JobFolderFor("C:\\Olbrix"), "C:\\Olbrix\\vrex\\");
    EXPECT_EQ(BankJobName(FixedClock()), "GPC-2009-03-07(14-05-09)");
}

TEST_F(HandOffTest, BankPrintWithoutRegisteredEngineDoesNothing) {
    engine_folder.clear();
    MakeHandOff().PrintBankJob({"[ExtProgram]Zerkon"});
    EXPECT_TRUE(starter.command_lines.empty());
    EXPECT_TRUE(windows.sent.empty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(windows.finds, 0);
}

TEST_F(HandOffTest, BankPrintToARunningEngineSavesTheJobAndSendsAtOnce) {
    windows.running = true;
    std::filesystem::create_directories(PathFromText(engine_folder + "\\vrex\\"));
    auto hand_off = MakeHandOff();
    hand_off.PrintBankJob({"[ExtProgram]Zerkon", "[DataArea]"});
    EXPECT_TRUE(starter.command_lines.empty());
    EXPECT_EQ(feedback.waited, 0);
    const std::string job_folder = engine_folder + "\\vrex\\";
    EXPECT_EQ(hand_off.job_folder(), job_folder);
    EXPECT_EQ(ScratchFolder::Read(job_folder + "GPC-2009-03-07(14-05-09).vrex"),
              "[ExtProgram]Zerkon\r\n[DataArea]\r\n");
    ASSERT_EQ(windows.sent.size(), 1u);
    EXPECT_EQ(windows.sent[0].receiver, kEngine);
    const PrintRequestFields request = SentRequest();
    EXPECT_EQ(request.engine_window, kEngine);
    EXPECT_EQ(request.caller_window, kOwnWindow);
    EXPECT_EQ(request.job_file_name, "GPC-2009-03-07(14-05-09).vrex");
    EXPECT_EQ(request.job_folder, job_folder.substr(0, 128));
    EXPECT_EQ(request.program_name, "Zerkon");
    EXPECT_EQ(feedback.events, Lines{"arrow"});
}

TEST_F(HandOffTest, BankPrintStartsTheEngineAndWaitsForItsWindow) {
    std::filesystem::create_directories(PathFromText(engine_folder + "\\vrex\\"));
    windows.finds_until_window = 4;
    MakeHandOff().PrintBankJob({"a"});
    ASSERT_EQ(starter.command_lines.size(), 1u);
    EXPECT_EQ(starter.command_lines[0],
              "\"" + engine_folder + "\\Olbrix\" {SW_NOQUIT}{SW_ESCMASK}");
    ASSERT_EQ(windows.sent.size(), 1u);
    EXPECT_EQ(windows.sent[0].receiver, kEngine);
    EXPECT_EQ(feedback.waited, 300);
}

TEST_F(HandOffTest, BankPrintFallsBackToTheEngineBesideTheProgram) {
    std::filesystem::create_directories(PathFromText(engine_folder + "\\vrex\\"));
    starter.results = {false, false};
    MakeHandOff().PrintBankJob({"a"});
    EXPECT_EQ(starter.command_lines,
              (Lines{"\"" + engine_folder + "\\Olbrix\" {SW_NOQUIT}{SW_ESCMASK}",
                     "\"C:\\Zerkon\\Olbrix\" {SW_NOQUIT}{SW_ESCMASK}"}));
    // Nothing started: no waiting, and the request goes to no window.
    EXPECT_EQ(feedback.waited, 0);
    ASSERT_EQ(windows.sent.size(), 1u);
    EXPECT_EQ(windows.sent[0].receiver, 0u);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(HandOffTest, BankPrintGivesUpWaitingForAnEngineThatNeverOpens) {
    std::filesystem::create_directories(PathFromText(engine_folder + "\\vrex\\"));
    windows.finds_until_window = 1000;
    MakeHandOff().PrintBankJob({"a"});
    EXPECT_EQ(feedback.waited, kEngineStartTimeoutMs);
    ASSERT_EQ(windows.sent.size(), 1u);
    EXPECT_EQ(windows.sent[0].receiver, 0u);
}

TEST_F(HandOffTest, BankPrintIntoAMissingJobFolderFailsBeforeTheEngine) {
    EXPECT_NE(MakeHandOff().PrintBankJob({"a"}).message().find("Nelze vytvořit soubor"_cz),
              std::string::npos);
    EXPECT_TRUE(starter.command_lines.empty());
    EXPECT_TRUE(windows.sent.empty());
}

TEST_F(HandOffTest, TwoBankPrintsInOneSecondShareTheJobFile) {
    windows.running = true;
    std::filesystem::create_directories(PathFromText(engine_folder + "\\vrex\\"));
    auto hand_off = MakeHandOff();
    hand_off.PrintBankJob({"první"_cz});
    hand_off.PrintBankJob({"druhý"_cz});
    EXPECT_EQ(ScratchFolder::Read(engine_folder + "\\vrex\\GPC-2009-03-07(14-05-09).vrex"),
              "druhý\r\n"_cz);
}

TEST_F(HandOffTest, EldpPrintWithoutRegisteredEngineShowsEngineMissing) {
    engine_folder.clear();
    MakeHandOff().PrintEldpJob({"a"});
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              "Tiskový manažer Olbrix není pravděpodobně nainstalovaný.\r\n"_cz
              "Proveďte instalaci programu Olbrix."_cz);
    EXPECT_EQ(boxes.shown[0].caption, "Program \"Olbrix\" nelze spustit.");
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(windows.sent.empty());
    EXPECT_TRUE(starter.command_lines.empty());
}

TEST_F(HandOffTest, EldpPrintCreatesTheJobFolderAndHandsTheJobOver) {
    windows.running = true;
    MakeHandOff().PrintEldpJob({"[ExtProgram]ZERKON pro RALwin"});
    EXPECT_EQ(
        ScratchFolder::Read(engine_folder + "\\vrex\\Podklady pro ELDP - ruční zadání.vrex"_cz),
        "[ExtProgram]ZERKON pro RALwin\r\n");
    const PrintRequestFields request = SentRequest();
    EXPECT_EQ(request.job_file_name, "Podklady pro ELDP - ruční zadání.vrex"_cz);
    EXPECT_EQ(request.program_name, "ZERKON pro RALwin");
    EXPECT_EQ(feedback.waited, 0);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(HandOffTest, EldpPrintWhenTheJobFolderCannotBeCreatedEndsTheProgram) {
    scratch.Write("Olbrix", "a file where the engine folder should be");
    std::string folder = scratch.Text();
    folder.pop_back();
    engine_folder = folder + "\\Olbrix";
    MakeHandOff().PrintEldpJob({"a"});
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Nelze vytvořit "_cz + engine_folder + "\\vrex\\");
    EXPECT_EQ(boxes.shown[0].caption, "Adresář"_cz);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(windows.sent.empty());
}

TEST_F(HandOffTest, EldpEngineThatCannotBeStartedIsReportedAndTheRequestStillSent) {
    starter.results = {false};
    MakeHandOff().PrintEldpJob({"a"});
    ASSERT_EQ(starter.command_lines.size(), 1u);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Spuštění Olbrix"_cz);
    EXPECT_EQ(boxes.shown[0].text, "Nelze spustit " + engine_folder + "\\Olbrix.exe");
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(feedback.events, (Lines{"busy", "wait 1000", "arrow"}));
    ASSERT_EQ(windows.sent.size(), 1u);
    EXPECT_EQ(windows.sent[0].receiver, 0u);
}

TEST_F(HandOffTest, EldpEngineStartWaitsASecondAndThenForTheWindow) {
    windows.finds_until_window = 2;
    MakeHandOff().PrintEldpJob({"a"});
    EXPECT_EQ(feedback.events, (Lines{"busy", "wait 1000", "wait 100", "arrow"}));
    ASSERT_EQ(windows.sent.size(), 1u);
    EXPECT_EQ(windows.sent[0].receiver, kEngine);
}

TEST_F(HandOffTest, JobNameIsCleanedForTheRequest) {
    windows.running = true;
    auto hand_off = MakeHandOff();
    ASSERT_TRUE(hand_off.EnsureJobFolder());
    hand_off.HandJobToEngine("a:b/c?");
    hand_off.HandJobToEngine("::");
    EXPECT_EQ(SentRequest(0).job_file_name, "abc.vrex");
    EXPECT_EQ(SentRequest(1).job_file_name, "");
}

}  // namespace
}  // namespace zerkon
