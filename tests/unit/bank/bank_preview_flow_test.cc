#include "bank/bank_preview_flow.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/cp1250_literal.h"
#include "common/disk_file_system.h"

namespace zerkon {
namespace {

namespace fs = std::filesystem;
using Lines = BankTextLines;

// Every fake writes what it was asked into one shared journal, so that tests
// can check the order of the steps across the interfaces.
using Journal = std::vector<std::string>;

class FakeDialog : public FileOpenDialog {
  public:
    explicit FakeDialog(Journal& journal) : journal_(journal) {}
    std::optional<fs::path> Choose(std::string_view filter) override {
        journal_.push_back("dialog " + std::string(filter));
        std::optional<fs::path> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<fs::path> ChooseMany(std::string_view, const fs::path&) override { return {}; }
    std::deque<std::optional<fs::path>> answers;

  private:
    Journal& journal_;
};

// Decodes a "file" by its name: "bad..." cannot be read, "big..." has a
// preview beyond the limits, "huge..." one that memory cannot hold; otherwise
// a preview naming the file, and for GPC two print records.
class FakeDecoders : public BankDecoders {
  public:
    explicit FakeDecoders(Journal& journal) : journal_(journal) {}
    Status DecodeKpc(const fs::path& file, OutputText& preview) override {
        return Decode("kpc", file, preview);
    }
    Status DecodeGpc(const fs::path& file, OutputText& preview, OutputText& records) override {
        records.Append("record " + file.string() + "\r\n");  // written before a failure
        const Status decoded = Decode("gpc", file, preview);
        if (decoded.ok()) records.Append("head " + file.string() + "\r\n");
        return decoded;
    }
    Status DecodeGeminy(const fs::path& file, OutputText& preview) override {
        return Decode("geminy", file, preview);
    }

  private:
    Status Decode(const std::string& kind, const fs::path& file, OutputText& preview) {
        journal_.push_back(kind + " " + file.string());
        const std::string name = file.string();
        if (name.starts_with("bad")) {
            return Status::Failed(StatusCode::kCannotOpen, "Soubor nelze otevřít."_cz);
        }
        const Status room =
            name.starts_with("big") ? preview.Expect({.bytes = 100000, .lines = 10}) : Status::Ok();
        if (!room.ok()) return room;
        if (name.starts_with("huge")) throw std::bad_alloc();
        preview.Append(name + "\r\na\r\nb\r\nc\r\n\r\n\r\n");
        return Status::Ok();
    }
    Journal& journal_;
};

class FakeHandOff : public BankJobHandOff {
  public:
    explicit FakeHandOff(Journal& journal) : journal_(journal) {}
    Status BeginBankJob(std::string_view section, Lines& job) override {
        journal_.push_back("begin " + std::string(section) + " on " + std::to_string(job.size()) +
                           " lines");
        if (template_missing) {
            return Status::Failed(StatusCode::kNotFound, "Systém nemůže nalézt uvedený soubor."_cz);
        }
        job.push_back("[ExtProgram]Zerkon");
        return Status::Ok();
    }
    Status PrintBankJob(const Lines& job) override {
        printed.push_back(job);
        if (print_fails) return Status::Failed(StatusCode::kCannotOpen, "Přístup byl odepřen."_cz);
        return Status::Ok();
    }
    // Files in the test's own folder, as Windows makes them: new and empty.
    fs::path NewTemporaryFile() override {
        if (temporary_folder.empty()) return {};
        const fs::path file = temporary_folder / ("zk" + std::to_string(++files_made) + ".tmp");
        std::ofstream{file};
        return file;
    }
    fs::path temporary_folder;  // empty: no temporary file can be made
    int files_made = 0;
    bool template_missing = false;
    bool print_fails = false;
    std::vector<Lines> printed;

  private:
    Journal& journal_;
};

class FakeView : public BankPreviewView {
  public:
    explicit FakeView(Journal& journal) : journal_(journal) {}
    void HidePreview() override {
        journal_.push_back("hide");
        shown = false;
    }
    void ShowPreview(std::string new_text, std::uint32_t colour) override {
        if (memo_full) throw std::bad_alloc();
        journal_.push_back("show " + std::to_string(colour));
        text = std::move(new_text);
        shown = true;
    }
    void EnablePrint() override {
        journal_.push_back("enable print");
        print_enabled = true;
    }
    void EnableCsv() override { ++csv_enabled; }
    void ShowError(std::string_view message) override {
        journal_.push_back("error " + std::string(message));
    }
    bool shown = false;
    bool print_enabled = false;
    int csv_enabled = 0;
    bool memo_full = false;  // the memo cannot take the text
    std::string text;

  private:
    Journal& journal_;
};

// A folder of the test's own for the temporary files, gone afterwards.
struct TemporaryFolder {
    TemporaryFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path = fs::temp_directory_path() / ("zerkon-flow-" + std::string(test->name()));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TemporaryFolder() { fs::remove_all(path); }
    // The files in it.
    size_t Count() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(path), {}));
    }
    fs::path path;
};

struct Window {
    explicit Window(BankFormat format, fs::path temporary_folder = {})
        : flow(format, dialog, decoders, hand_off, view, files,
               OutputLimits{.bytes = 1000, .lines = 100}) {
        hand_off.temporary_folder = std::move(temporary_folder);
    }
    // Runs "Soubor" with the dialog answering `file` (nothing = cancel).
    void Open(std::optional<fs::path> file) {
        dialog.answers.push_back(std::move(file));
        journal.clear();
        flow.OpenFile();
    }
    Journal journal;
    DiskFileSystem files;
    FakeDialog dialog{journal};
    FakeDecoders decoders{journal};
    FakeHandOff hand_off{journal};
    FakeView view{journal};
    BankPreviewFlow flow;
};

TEST(BankPreviewTexts, CaptionsAndFiltersPerMode) {
    EXPECT_EQ(BankWindowCaption(BankFormat::kKpc),
              "Náhled příkazu do banky v elektronickém tvaru ve formátu KPC"_cz);
    EXPECT_EQ(BankWindowCaption(BankFormat::kGeminy),
              "Náhled příkazu do banky v elektronickém tvaru ve formátu Geminy"_cz);
    EXPECT_EQ(BankOpenButtonCaption(BankFormat::kGpc), "Soubor GPC");
    EXPECT_EQ(BankDialogFilter(BankFormat::kKpc), "KPC soubory (*.kpc)|*.kpc");
    EXPECT_EQ(BankDialogFilter(BankFormat::kGpc), "GPC soubory (*.gpc)|*.gpc");
    EXPECT_EQ(BankDialogFilter(BankFormat::kGeminy), "Geminy soubory (*.gem)|*.gem");
}

TEST(BankPreviewOpen, KpcAndGeminyDecodeAndShowWithoutPrint) {
    for (BankFormat mode : {BankFormat::kKpc, BankFormat::kGeminy}) {
        Window window(mode);
        window.Open("x.f");
        const std::string kind = mode == BankFormat::kKpc ? "kpc" : "geminy";
        EXPECT_EQ(window.journal, (Journal{"hide", "dialog " + BankDialogFilter(mode),
                                           kind + " x.f", "show 15780518"}));
        EXPECT_EQ(window.view.text, "x.f\r\na\r\nb\r\nc\r\n\r\n\r\n");
        EXPECT_FALSE(window.view.print_enabled);
        EXPECT_EQ(window.view.csv_enabled, 1);
        EXPECT_EQ(window.flow.shown_file(), std::optional<fs::path>("x.f"));
        EXPECT_TRUE(window.flow.JobLines()->empty());
        window.flow.Print();  // a disabled button never prints
        EXPECT_TRUE(window.hand_off.printed.empty());
    }
}

// The print records wait in a temporary file, or in memory when there is
// none: the job is the same.
TEST(BankPreviewOpen, GpcStartsTheJobThenDecodesAndEnablesPrint) {
    const TemporaryFolder folder;
    for (const fs::path& temporary_folder : {folder.path, fs::path(), folder.path / "gone"}) {
        SCOPED_TRACE(temporary_folder);
        Window window(BankFormat::kGpc, temporary_folder);
        window.Open("a.gpc");
        EXPECT_EQ(window.journal,
                  (Journal{"hide", "dialog GPC soubory (*.gpc)|*.gpc", "begin Vypis on 0 lines",
                           "gpc a.gpc", "show 15780518", "enable print"}));
        EXPECT_EQ(window.flow.JobLines().value_or(Lines{}),
                  (Lines{"[ExtProgram]Zerkon", "record a.gpc\r\nhead a.gpc"}));

        // A second statement starts a fresh job, not one appended to the first.
        window.Open("b.gpc");
        EXPECT_EQ(window.journal[2], "begin Vypis on 0 lines");
        EXPECT_EQ(window.flow.JobLines().value_or(Lines{}),
                  (Lines{"[ExtProgram]Zerkon", "record b.gpc\r\nhead b.gpc"}));
        window.flow.Print();
        ASSERT_EQ(window.hand_off.printed.size(), 1u);
        EXPECT_EQ(window.hand_off.printed[0], window.flow.JobLines().value_or(Lines{}));
    }
}

// One temporary file, the shown statement's, while the window is open;
// none once it is closed. One that went missing is reported at "Tisk".
TEST(BankPreviewOpen, TemporaryFilesLastAsLongAsTheirStatement) {
    const TemporaryFolder folder;
    {
        Window window(BankFormat::kGpc, folder.path);
        for (const char* file : {"a.gpc", "b.gpc", "bad.gpc", "big.gpc", "huge.gpc"}) {
            window.Open(file);
            EXPECT_EQ(folder.Count(), 1u) << file;
        }
        EXPECT_EQ(window.flow.JobLines()->back(), "record b.gpc\r\nhead b.gpc");
        fs::remove_all(folder.path);
        fs::create_directories(folder.path);
        window.journal.clear();
        window.flow.Print();
        EXPECT_EQ(window.journal, Journal{"error " + BankJobLostMessage()});
        EXPECT_TRUE(window.hand_off.printed.empty());
        window.Open("c.gpc");
        EXPECT_EQ(folder.Count(), 1u);
    }
    EXPECT_EQ(folder.Count(), 0u);
}

TEST(BankPreviewOpen, CancelHidesTheEarlierPreviewAndKeepsItPrintable) {
    Window window(BankFormat::kGpc);
    window.Open("a.gpc");
    window.Open(std::nullopt);
    EXPECT_EQ(window.journal, (Journal{"hide", "dialog GPC soubory (*.gpc)|*.gpc"}));
    EXPECT_FALSE(window.view.shown);
    EXPECT_TRUE(window.flow.print_enabled());
    window.flow.Print();
    ASSERT_EQ(window.hand_off.printed.size(), 1u);
    EXPECT_EQ(window.hand_off.printed[0].back(), "record a.gpc\r\nhead a.gpc");
}

TEST(BankPreviewOpen, CancelFirstLeavesEverythingAsOpened) {
    Window window(BankFormat::kGpc);
    window.Open(std::nullopt);
    EXPECT_FALSE(window.view.shown);
    EXPECT_FALSE(window.flow.print_enabled());
    EXPECT_EQ(window.view.csv_enabled, 0);
    EXPECT_EQ(window.flow.shown_file(), std::nullopt);
    EXPECT_TRUE(window.flow.JobLines()->empty());
}

TEST(BankPreviewOpen, UnreadableFileShowsTheMessageAndStaysHidden) {
    for (BankFormat mode : {BankFormat::kKpc, BankFormat::kGpc, BankFormat::kGeminy}) {
        Window window(mode);
        window.Open("bad.f");
        EXPECT_EQ(window.journal.back(), "error Soubor nelze otevřít."_cz);
        EXPECT_FALSE(window.view.shown);
        EXPECT_FALSE(window.view.print_enabled) << static_cast<int>(mode);
        EXPECT_FALSE(window.flow.print_enabled());
    }
}

TEST(BankPreviewOpen, FailedGpcReadKeepsTheEarlierStatementPrintable) {
    Window window(BankFormat::kGpc);
    window.Open("a.gpc");
    const std::optional<Lines> earlier = window.flow.JobLines().value_or(Lines{});
    window.Open("bad.gpc");
    EXPECT_FALSE(window.view.shown);
    EXPECT_TRUE(window.flow.print_enabled());
    EXPECT_EQ(window.flow.shown_file(), std::optional<fs::path>("a.gpc"));  // saved as CSV
    EXPECT_EQ(window.view.csv_enabled, 1);
    EXPECT_EQ(window.flow.JobLines().value_or(Lines{}), earlier);  // not a half-built job
    window.flow.Print();
    EXPECT_EQ(window.hand_off.printed.at(0), *earlier);
}

TEST(BankPreviewOpen, MissingTemplateIsReportedBeforeDecoding) {
    Window window(BankFormat::kGpc);
    window.hand_off.template_missing = true;
    window.Open("a.gpc");
    EXPECT_EQ(window.journal,
              (Journal{"hide", "dialog GPC soubory (*.gpc)|*.gpc", "begin Vypis on 0 lines",
                       "error Systém nemůže nalézt uvedený soubor."_cz}));
    EXPECT_FALSE(window.view.shown);
    EXPECT_FALSE(window.flow.print_enabled());
}

// A file of millions of blank lines, or any preview that cannot be held: a
// Czech message, and the window goes on with the statement shown before.
TEST(BankPreviewOpen, PreviewThatCannotBeHeldIsReportedAndTheWindowGoesOn) {
    EXPECT_EQ(BankPreviewTooLargeMessage("big.gpc"),
              "Soubor \"big.gpc\" je příliš velký: jeho náhled se nevejde do paměti."_cz);
    Window window(BankFormat::kGpc);
    window.Open("a.gpc");
    const std::optional<Lines> earlier = window.flow.JobLines().value_or(Lines{});
    for (const char* file : {"big.gpc", "huge.gpc", "full.gpc"}) {
        window.view.memo_full = std::string(file) == "full.gpc";
        window.Open(file);
        EXPECT_EQ(window.journal.back(), "error " + BankPreviewTooLargeMessage(file)) << file;
        EXPECT_FALSE(window.view.shown) << file;
        EXPECT_EQ(window.flow.JobLines().value_or(Lines{}), earlier) << file;
        EXPECT_TRUE(window.flow.print_enabled());
    }
    window.view.memo_full = false;
    window.Open("b.gpc");
    EXPECT_TRUE(window.view.shown);
    EXPECT_EQ(window.flow.JobLines()->back(), "record b.gpc\r\nhead b.gpc");
}

TEST(BankPreviewPrint, FailureIsShownAndPrintStaysEnabled) {
    Window window(BankFormat::kGpc);
    window.Open("a.gpc");
    window.hand_off.print_fails = true;
    window.journal.clear();
    window.flow.Print();
    EXPECT_EQ(window.journal, Journal{"error Přístup byl odepřen."_cz});
    EXPECT_TRUE(window.flow.print_enabled());
}

}  // namespace
}  // namespace zerkon
