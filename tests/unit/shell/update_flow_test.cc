#include "shell/update_flow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "common/cp1250_literal.h"
#include "common/disk_file_system.h"

namespace zerkon {
namespace {

namespace fs = std::filesystem;

struct Box {
    std::string text;
    std::string caption;
};

class FakeBoxes : public MessageBoxes {
  public:
    MessageResult answer = MessageResult::Yes;
    std::vector<Box> shown;
    MessageResult Show(std::string_view text, std::string_view caption, MessageIcon,
                       MessageButtons buttons) override {
        shown.push_back({std::string(text), std::string(caption)});
        return buttons == MessageButtons::Ok ? MessageResult::Ok : answer;
    }
};

class FakeWindows : public WindowMessenger {
  public:
    std::map<std::string, WindowHandle> windows;
    std::vector<std::pair<WindowHandle, std::vector<std::uint8_t>>> sent;
    WindowHandle FindWindowByClass(std::string_view class_name) override {
        auto it = windows.find(std::string(class_name));
        return it == windows.end() ? 0 : it->second;
    }
    void SendCopyData(WindowHandle receiver, std::uintptr_t,
                      std::span<const std::uint8_t> data) override {
        sent.emplace_back(receiver, std::vector<std::uint8_t>(data.begin(), data.end()));
    }
};

class FakeStarter : public ProcessStarter {
  public:
    FakeWindows* windows = nullptr;
    bool succeed = true;
    std::vector<std::string> started;
    bool Start(std::string_view command_line) override {
        started.emplace_back(command_line);
        if (succeed) windows->windows["TFormZuta"] = 0x777;
        return succeed;
    }
};

class FakeFeedback : public UiFeedback {
  public:
    std::vector<int> waits;
    void ShowBusyCursor() override {}
    void ShowDefaultCursor() override {}
    void Wait(int milliseconds) override { waits.push_back(milliseconds); }
};

class FakeDownloader : public Downloader {
  public:
    std::vector<std::pair<std::string, std::string>> downloads;
    bool DownloadToFile(std::string_view url, std::string_view file) override {
        downloads.emplace_back(url, file);
        return true;
    }
};

class FakeRegistry : public RegistryReader {
  public:
    std::string zuta_folder;
    std::string ReadRegistryString(RegistryRoot root, std::string_view key, std::string_view value,
                                   std::string_view) const override {
        if (root == RegistryRoot::CurrentUser && key == "Software\\MORV\\Zuta" &&
            value == "InstallPath") {
            return zuta_folder;
        }
        return "";
    }
};

class FixedClock : public Clock {
  public:
    LocalDateTime Now() const override { return {2024, 5, 6, 7, 8, 9}; }
};

class UpdateFlowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() /
            ("zerkon_update_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "prog");
        fs::create_directories(root_ / "zuta");
        starter_.windows = &windows_;
        registry_.zuta_folder = Folder("zuta");
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string Folder(const std::string& name) const { return (root_ / name).string(); }
    DiskFileSystem files_;

    void Touch(const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "MZ";
    }

    void Run(WindowsVersion version = {10, 0}) {
        UpdateServices services{boxes_,
                                windows_,
                                starter_,
                                feedback_,
                                downloader_,
                                registry_,
                                clock_,
                                [this](std::string_view c) {
                                    closed_.push_back(std::string(c));
                                    if (zuta_quits_) windows_.windows.erase(std::string(c));
                                },
                                [this](WindowHandle w) { fronted_.push_back(w); },
                                version,
                                Folder("prog") + "/",
                                files_};
        UpdateInputs inputs =
            MainWindowUpdateInputs(100, 200, "1.0.0.0", Folder("prog") + "/", 0x4242);
        inputs.download_folder =
            download_folder_.empty() ? inputs.download_folder : download_folder_;
        RunUpdateFlow(inputs, services);
    }

    fs::path root_;
    FakeBoxes boxes_;
    FakeWindows windows_;
    FakeStarter starter_;
    FakeFeedback feedback_;
    FakeDownloader downloader_;
    FakeRegistry registry_;
    FixedClock clock_;
    std::vector<std::string> closed_;
    std::vector<WindowHandle> fronted_;
    bool zuta_quits_ = true;
    std::string download_folder_;
};

TEST_F(UpdateFlowTest, StartsInstalledZutaAndSendsItTheRequest) {
    Touch(root_ / "zuta" / "Zuta.exe");
    Run();
    // Copied into the download folder below the program, which is created.
    EXPECT_TRUE(fs::exists(root_ / "prog" / "stahovani" / "Zuta.exe"));
    ASSERT_EQ(starter_.started.size(), 1u);
    EXPECT_EQ(starter_.started[0], "\"" + Folder("zuta") + "\\Zuta\"");
    // Not beside the program: downloaded there for the next run, over https.
    ASSERT_EQ(downloader_.downloads.size(), 1u);
    EXPECT_EQ(downloader_.downloads[0].first, "https://www.morv.cz/download/Zuta.exe ?a=b");
    EXPECT_EQ(downloader_.downloads[0].second, Folder("prog") + "/Zuta.exe");
    EXPECT_EQ(feedback_.waits, std::vector<int>{1000});

    ASSERT_EQ(windows_.sent.size(), 1u);
    EXPECT_EQ(windows_.sent[0].first, 0x777u);
    const auto& record = windows_.sent[0].second;
    ASSERT_EQ(record.size(), 654u);
    EXPECT_EQ(record[0], 0x77);
    EXPECT_EQ(record[4], 0x42);
    EXPECT_EQ(record[8], 130);  // left + 30
    EXPECT_EQ(record[12], 4);   // top + 60 = 260 = 0x104
    EXPECT_EQ(record[13], 1);
    EXPECT_EQ(std::string(record.begin() + 50, record.begin() + 56), "Zerkon");
    EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(UpdateFlowTest, ZutaOnlyInDownloadFolderIsCopiedIntoInstallationFolder) {
    Touch(root_ / "prog" / "stahovani" / "Zuta.exe");
    Touch(root_ / "prog" / "Zuta.exe");
    Run();
    EXPECT_TRUE(fs::exists(root_ / "zuta" / "Zuta.exe"));
    // A copy beside the program is started instead, and nothing is downloaded.
    ASSERT_EQ(starter_.started.size(), 1u);
    EXPECT_EQ(starter_.started[0], "\"" + Folder("prog") + "/\\Zuta\"");
    EXPECT_TRUE(downloader_.downloads.empty());
}

TEST_F(UpdateFlowTest, NotInstalledShowsCannotStartAndStops) {
    registry_.zuta_folder = "";
    Run();
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].caption, "Spojení s internetem?"_cz);
    EXPECT_EQ(boxes_.shown[0].text,
              "Program \"Zuta\" nelze spustit.\r\n\r\n"
              "Program pro komunikaci s Zuta pravděpodobně není nainstalovaný.\r\n"_cz
              "Proveďte opětovnou instalaci programu."_cz);
    EXPECT_TRUE(starter_.started.empty());
    EXPECT_TRUE(windows_.sent.empty());
}

TEST_F(UpdateFlowTest, Windows95AsksFirstAndNoStops) {
    boxes_.answer = MessageResult::No;
    Run({4, 0});
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].caption, "Pro Windows 95 nelze použít"_cz);
    EXPECT_TRUE(starter_.started.empty());
    EXPECT_TRUE(windows_.sent.empty());
    EXPECT_FALSE(fs::exists(root_ / "prog" / "stahovani"));

    boxes_.answer = MessageResult::Yes;
    Touch(root_ / "zuta" / "Zuta.exe");
    Run({4, 0});
    EXPECT_EQ(starter_.started.size(), 1u);
    EXPECT_EQ(downloader_.downloads.at(0).first, "http://www.morv.cz/download/Zuta.exe ?a=b");
}

TEST_F(UpdateFlowTest, DownloadSchemeFollowsWindowsVersion) {
    EXPECT_EQ(ZutaDownloadAddress({6, 0}, "h"), "http://h/download/Zuta.exe ?a=b");
    EXPECT_EQ(ZutaDownloadAddress({6, 1}, "h"), "https://h/download/Zuta.exe ?a=b");
    EXPECT_EQ(ZutaDownloadAddress({5, 1}, "h"), "http://h/download/Zuta.exe ?a=b");
}

TEST_F(UpdateFlowTest, DownloadFolderThatCannotBeCreatedIsNamed) {
    Touch(root_ / "zuta" / "Zuta.exe");
    Touch(root_ / "blocker");  // a file where a folder would have to be
    download_folder_ = Folder("blocker") + "/stahovani";
    Run();
    ASSERT_FALSE(boxes_.shown.empty());
    EXPECT_EQ(boxes_.shown.back().caption, "Nelze založit adresář"_cz);
    EXPECT_EQ(boxes_.shown.back().text,
              "Cesta pro uložení dat: \""_cz + download_folder_ + "\" nelze vytvořit."_cz);
    EXPECT_TRUE(starter_.started.empty());
}

TEST_F(UpdateFlowTest, RunningZutaIsClosedAndStartedAgain) {
    Touch(root_ / "zuta" / "Zuta.exe");
    windows_.windows["TFormZuta"] = 0x555;
    Run();
    EXPECT_EQ(closed_, std::vector<std::string>{"TFormZuta"});
    EXPECT_EQ(feedback_.waits.front(), 500);
    EXPECT_EQ(starter_.started.size(), 1u);
    EXPECT_EQ(windows_.sent.at(0).first, 0x777u);
}

// Zuta may be busy for the payroll program or the maker's other programs: while one of them
// runs, a running Zuta is not closed.
TEST_F(UpdateFlowTest, RunningZutaIsLeftToAHostProgramThatRuns) {
    for (const auto& [window_class, name] : std::vector<std::pair<std::string, std::string>>{
             {"TFormRalWin", "RALwin"}, {"TFormDebWin", "DEBwin"}, {"TFormOrmWin", "ORMwin"}}) {
        SCOPED_TRACE(name);
        windows_.windows = {{"TFormZuta", 0x555}, {window_class, 0x666}};
        boxes_.shown.clear();
        Run();
        ASSERT_EQ(boxes_.shown.size(), 1u);
        EXPECT_EQ(boxes_.shown[0].caption, "Program pro komunikaci s webem nelze použít"_cz);
        EXPECT_EQ(boxes_.shown[0].text,
                  "Program pro komunikaci s internetem (Zuta) využívá program "_cz + name +
                      ",a proto v této chvíli tento program nemůže komunikovat s internetem."_cz);
        EXPECT_TRUE(closed_.empty());
        EXPECT_TRUE(starter_.started.empty());
        EXPECT_TRUE(windows_.sent.empty());
    }
}

TEST_F(UpdateFlowTest, ZutaThatDoesNotCloseStopsTheFlowSilently) {
    windows_.windows["TFormZuta"] = 0x555;
    zuta_quits_ = false;
    Run();
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_TRUE(starter_.started.empty());
    EXPECT_TRUE(windows_.sent.empty());
}

TEST_F(UpdateFlowTest, FailedStartShowsBoxAndRequestGoesNowhere) {
    Touch(root_ / "zuta" / "Zuta.exe");
    starter_.succeed = false;
    Run();
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].caption, "Spojení s internetem?"_cz);
    ASSERT_EQ(windows_.sent.size(), 1u);
    EXPECT_EQ(windows_.sent[0].first, 0u);
}

}  // namespace
}  // namespace zerkon
