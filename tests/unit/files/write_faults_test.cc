// Every writer that replaces a file, under every fault of the file system (reading its sources
// too): the old file stays whole or the new one is complete, no temporary file is left behind,
// the user is told in the writer's own words, and no success is reported after a failure.

#include <gtest/gtest.h>

#include <functional>

#include "../bank/bank_test_support.h"
#include "../common/fake_file_system.h"
#include "../print/fake_message_boxes.h"
#include "bank/bank_csv_flow.h"
#include "common/cp1250_literal.h"
#include "common/file_helpers.h"
#include "eldp/eldp_xml.h"
#include "files/file_copy.h"
#include "print/job_file.h"

namespace zerkon {
namespace {

using testing::FakeFileSystem;
using testing::FakeMessageBoxes;
using testing::Fault;

class FixedClock final : public Clock {
  public:
    LocalDateTime Now() const override { return {2009, 3, 7, 14, 5, 9}; }
};

struct WriterRun {
    bool success = false;  // what the writer reported
    std::string told;      // everything the user was shown or handed as an error
};

std::string AllBoxTexts(const FakeMessageBoxes& boxes) {
    std::string texts;
    for (const auto& box : boxes.shown) texts += box.text + "|";
    return texts;
}

struct Writer {
    const char* name;
    const char* target;  // program text
    std::function<void(FakeFileSystem&)> prepare;
    std::function<WriterRun(FakeFileSystem&)> run;
};

WriterRun Ran(const Status& status) {
    return {status.ok(), status.Text()};
}

const Writer kJobFile{
    "job file", "C:\\out\\job.vrex", [](FakeFileSystem&) {},
    [](FakeFileSystem& files) {
        return Ran(SaveJobFile(files, "C:\\out\\", "job", {"[ExtProgram]Zerkon", "[DataArea]"}));
    }};

const Writer kEldpXml{
    "eldp09.xml", "C:\\out\\eldp09.xml",
    [](FakeFileSystem& files) {
        files.Put(PathFromText("C:\\src\\ELDP09.src"), "#xml#<?xml\r\n#reldp_end#</reldp\r\n");
        files.Put(PathFromText("C:\\src\\ELDP09xml.src"),
                  "<?xml version=\"1.0\"?>\r\n<reldp>\r\n</reldp>\r\n");
    },
    [](FakeFileSystem& files) {
        const Result<std::string> written =
            WriteEldpXml(files, EldpExportList(1), "C:\\src\\", "C:\\out\\");
        // What the form tells of it.
        if (written.ok()) return WriterRun{true, "Program ZERKON uložil data do "_cz + *written};
        return Ran(written.status());
    }};

const Writer kCopy{
    "copy", "C:\\out\\Zuta.exe",
    [](FakeFileSystem& files) { files.Put(PathFromText("C:\\src\\Zuta.exe"), "new program"); },
    [](FakeFileSystem& files) {
        const FixedClock clock;
        const Status copied = CopyFileVia(files, "C:\\src", "C:\\out", "Zuta.exe", clock);
        return WriterRun{copied.ok(), copied.message()};  // a message is what the box shows
    }};

const Writer kBankCsv{
    "bank CSV", "C:\\out\\vypis.csv",
    [](FakeFileSystem& files) {
        files.Put(PathFromText("C:\\Banka\\vypis.gpc"), testing::ReadBankData("gpc_statement.gpc"));
    },
    [](FakeFileSystem& files) {
        FakeMessageBoxes boxes;
        testing::FakeSaveDialog dialog;  // "Uložit CSV" of a statement shown in the window
        dialog.answer = SaveChoice{PathFromText("C:\\out\\vypis.csv")};
        BankCsvFlow(dialog, files, RegionalSettings::Czech(), boxes)
            .Save(BankFormat::kGpc, PathFromText("C:\\Banka\\vypis.gpc"));
        const std::string told = AllBoxTexts(boxes);
        return WriterRun{told.find("bylo uloženo položek: 4."_cz) != std::string::npos, told};
    }};

struct FaultCase {
    Fault fault;
    bool replaced;  // the new file is in place; otherwise the old one stays (or none, without
                    // folder)
    // What each writer tells the user (a part of it); empty: nothing.
    const char* job_told;
    const char* xml_told;
    const char* copy_told;
    const char* csv_told;
};

constexpr const char* kJobError = "Nelze vytvořit soubor \"C:\\out\\job.vrex\"."_cz;
constexpr const char* kXmlError = "Cannot create file ";
constexpr const char* kXmlSaved = "uložil data do "_cz;
constexpr const char* kCopyHeldOpen = "\"Zuta.exe\" je otevřen jiným programem"_cz;
constexpr const char* kCopyLowSpace = "na disku C:\\ je málo volného prostoru"_cz;
constexpr const char* kCsvSaved = "\" bylo uloženo položek: 4."_cz;
constexpr const char* kCsvError = "vypis.csv\" nelze uložit. porucha"_cz;
constexpr const char* kXmlUnread = "Cannot open file ";
constexpr const char* kCsvUnopened = "vypis.gpc\". porucha";  // "Nelze otevřít soubor ..."
constexpr const char* kCsvUnread = "vypis.gpc\" nelze načíst. porucha"_cz;

std::string FaultName(const ::testing::TestParamInfo<FaultCase>& info) {
    static const char* const kNames[] = {"None",           "Open",      "ShortWrite",    "Rename",
                                         "ReadOnlyTarget", "HeldOpen",  "FolderMissing", "DiskFull",
                                         "ReadDenied",     "ReadBroken"};
    return kNames[static_cast<int>(info.param.fault)];
}

class WriteFaults : public ::testing::TestWithParam<FaultCase> {
  protected:
    void Check(const Writer& writer, const char* expected_told) {
        const FaultCase& c = GetParam();
        const std::filesystem::path target = PathFromText(writer.target);
        FakeFileSystem files;
        writer.prepare(files);
        const bool reads = !files.files.empty();  // files of its own, before it writes
        if (c.fault != Fault::kFolderMissing) files.Put(target, "old");
        if (c.fault == Fault::kReadOnlyTarget)
            files.files[FakeFileSystem::Key(target)].read_only = true;
        if (c.fault == Fault::kHeldOpen) files.files[FakeFileSystem::Key(target)].held_open = true;
        files.fault = c.fault;

        const WriterRun run = writer.run(files);

        SCOPED_TRACE(writer.name);
        // A writer that reads nothing writes whatever the reading faults.
        const bool read_fault = c.fault == Fault::kReadDenied || c.fault == Fault::kReadBroken;
        const bool replaced = c.replaced || (read_fault && !reads);
        EXPECT_EQ(run.success, replaced);
        const std::optional<std::string> now = files.Bytes(target);
        if (replaced) {
            // Complete: as the same writer leaves it on a faultless system.
            FakeFileSystem clean;
            writer.prepare(clean);
            clean.Put(target, "old");
            writer.run(clean);
            EXPECT_EQ(now, clean.Bytes(target));
            EXPECT_NE(now, std::optional<std::string>("old"));
        } else if (c.fault == Fault::kFolderMissing) {
            EXPECT_EQ(now, std::nullopt);
        } else {
            EXPECT_EQ(now, std::optional<std::string>("old"));
        }
        for (const auto& [path, entry] : files.files) {
            EXPECT_EQ(path.find(".tmp"), std::string::npos) << "left behind: " << path;
        }
        if (*expected_told == '\0') {
            EXPECT_EQ(run.told, "");
        } else {
            EXPECT_NE(run.told.find(expected_told), std::string::npos) << run.told;
        }
    }
};

TEST_P(WriteFaults, JobFile) {
    Check(kJobFile, GetParam().job_told);
}
TEST_P(WriteFaults, EldpXml) {
    Check(kEldpXml, GetParam().xml_told);
}
TEST_P(WriteFaults, CopyOfTheUpdateProgram) {
    Check(kCopy, GetParam().copy_told);
}
TEST_P(WriteFaults, BankCsv) {
    Check(kBankCsv, GetParam().csv_told);
}

// A missing folder: the job file reports it; the XML export stops without writing and names the
// folder; the copy fails silently (the update flow reports the folder or the program that cannot
// start). A source that cannot be read: the XML's templates, the copy's program (silently) and
// the CSV's bank file.
INSTANTIATE_TEST_SUITE_P(
    EveryFault, WriteFaults,
    ::testing::Values(
        FaultCase{Fault::kNone, true, "", kXmlSaved, "", kCsvSaved},
        FaultCase{Fault::kOpen, false, kJobError, kXmlError,
                  "\"tmpFile140509.tmp\" je otevřen jiným programem"_cz, kCsvError},
        FaultCase{Fault::kShortWrite, false, kJobError, kXmlError, kCopyLowSpace, kCsvError},
        FaultCase{Fault::kRename, false, kJobError, kXmlError, kCopyHeldOpen, kCsvError},
        FaultCase{Fault::kReadOnlyTarget, true, "", kXmlSaved, "", kCsvSaved},
        FaultCase{Fault::kHeldOpen, false, kJobError, kXmlError, kCopyHeldOpen, kCsvError},
        FaultCase{Fault::kFolderMissing, false, kJobError, "eldp09.xml nebyl uložen"_cz, "",
                  kCsvError},
        FaultCase{Fault::kDiskFull, false, kJobError, kXmlError, kCopyLowSpace, kCsvError},
        FaultCase{Fault::kReadDenied, false, "", kXmlUnread, "", kCsvUnopened},
        FaultCase{Fault::kReadBroken, false, "", kXmlUnread, "", kCsvUnread}),
    FaultName);

}  // namespace
}  // namespace zerkon
