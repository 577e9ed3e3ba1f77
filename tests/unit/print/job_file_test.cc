#include "print/job_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/cp1250_literal.h"
#include "common/disk_file_system.h"
#include "common/file_helpers.h"
#include "scratch_folder.h"

namespace zerkon {
namespace {

DiskFileSystem disk;

using testing::ScratchFolder;
using Lines = std::vector<std::string>;

std::string DataFolder(std::string_view sub) {
    return std::string(ZERKON_TEST_DATA) + "/print/" + std::string(sub) + "\\";
}

std::string Golden(std::string_view name) {
    return ScratchFolder::Read(std::string(ZERKON_TEST_DATA) + "/print/" + std::string(name));
}

TEST(JobFileTest, BankJobMatchesTheGoldenFile) {
    Lines job;
    BeginBankJob(disk, DataFolder("bank"), "Vypis", job);
    job.push_back("[Table]<zerkon>\r\n<ID>1\r\n<Prachy>-100,00\r\n");
    job.push_back("[Table]<zerkonHead>\r\n<ID>0\r\n<Pocet>1\r\n");
    ScratchFolder scratch;
    SaveJobFile(disk, scratch.Text(), "GPC-2009-03-07(14-05-09)", job);
    EXPECT_EQ(ScratchFolder::Read(scratch.Text() + "GPC-2009-03-07(14-05-09).vrex"),
              Golden("bank_job.vrex"));
}

TEST(JobFileTest, EldpJobFindsItsTemplateThroughTheMenuFile) {
    Lines job;
    ASSERT_EQ(BeginEldpJob(disk, DataFolder("eldp"), "ELDP09tisk", job), true);
    for (const char* line : {"", "[Table]<eldp>", "<ID>0", "<rok>2009"}) job.push_back(line);
    EXPECT_EQ(JobFileText(job), Golden("eldp_job.vrex"));
}

TEST(JobFileTest, EldpJobWithoutMenuEntryAppendsNothing) {
    Lines job{"před"_cz};
    EXPECT_EQ(BeginEldpJob(disk, DataFolder("eldp"), "Neznamy", job), false);
    EXPECT_EQ(job, Lines{"před"_cz});

    ScratchFolder empty;
    const Status missing = BeginEldpJob(disk, empty.Text(), "ELDP09tisk", job).status();
    EXPECT_EQ(job, Lines{"před"_cz});
    EXPECT_NE(missing.message().find("menucall.src"), std::string::npos);
}

TEST(JobFileTest, ShippedBankTemplatesDescribeBothTables) {
    Lines job;
    BeginBankJob(disk, std::string(ZERKON_TEST_DATA) + "/../../resources/sourceZERKON\\", "Vypis",
                 job);
    const auto at = [&](std::string_view line) {
        return std::find(job.begin(), job.end(), line) - job.begin();
    };
    const std::ptrdiff_t items = at("[StructureTable]zerkon");
    const std::ptrdiff_t head = at("[StructureTable]zerkonHead");
    ASSERT_LT(items, head);
    ASSERT_LT(head, static_cast<std::ptrdiff_t>(job.size()));
    EXPECT_EQ(job[items + 1].rfind("ID=", 0), 0u);
    EXPECT_EQ(job[head + 1].rfind("ID=", 0), 0u);
    EXPECT_EQ(job.back(), "[DataArea]");
}

TEST(CopyTemplateSectionTest, MarkerInsideALongerLineStartsTheFirstSectionOnly) {
    ScratchFolder scratch;
    const std::string file = scratch.Write(
        "t.src", "úvod\r\nxx#vypis#yy\r\nA\r\n\r\nB\r\n#jiny#\r\nC\r\n#VYPIS#\r\nD\r\n"_cz);
    Lines job;
    EXPECT_EQ(CopyTemplateSection(disk, file, "Vypis", job), true);
    EXPECT_EQ(job, (Lines{"A", "B"}));
    EXPECT_EQ(CopyTemplateSection(disk, file, "Chybi", job), false);
    EXPECT_EQ(job, (Lines{"A", "B"}));
}

TEST(CopyTemplateSectionTest, SectionRunsToTheEndOfTheFile) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("t.src", "#Vypis#\r\nA\r\nB");
    Lines job;
    EXPECT_EQ(CopyTemplateSection(disk, file, "VYPIS", job), true);
    EXPECT_EQ(job, (Lines{"A", "B"}));
}

TEST(CopyTemplateSectionTest, AMissingTemplateFailsNamingItWithTheSystemsReason) {
    ScratchFolder scratch;
    Lines job;
    const Status missing =
        CopyTemplateSection(disk, scratch.Text() + "zdrojZerkonfr3.src", "Vypis", job).status();
    EXPECT_EQ(missing.message(),
              "Nelze otevřít soubor \""_cz + scratch.Text() + "zdrojZerkonfr3.src\".");
    EXPECT_FALSE(missing.reason().empty());
    EXPECT_FALSE(BeginBankJob(disk, scratch.Text(), "Vypis", job).ok());
}

TEST(CopyTemplateSectionTest, MenuEntryWithoutATemplateFileIsAFileError) {
    ScratchFolder scratch;
    scratch.Write("menucall.src", "[Olbrix]\r\n{ELDP09tisk}ELDP09tisk.src\r\n");
    Lines job;
    EXPECT_FALSE(BeginEldpJob(disk, scratch.Text(), "ELDP09tisk", job).ok());
    EXPECT_FALSE(CopyTemplateSection(disk, scratch.Text(), "Vypis", job).ok());
}

TEST(BeginBankJobTest, MissingSectionOrStructureFileStillGivesAJob) {
    ScratchFolder scratch;
    scratch.Write("zdrojZerkonfr3.src", "#Vypis#\r\n[TABLENAME]zerkon\r\nkonec\r\n");
    Lines job;
    BeginBankJob(disk, scratch.Text(), "Vypis", job);
    EXPECT_EQ(job, (Lines{"[ExtProgram]Zerkon", "[TABLENAME]zerkon", "konec", "",
                          "[StructureTable]zerkon", "", "[DataArea]"}));
    job.clear();
    BeginBankJob(disk, scratch.Text(), "Jiny", job);
    EXPECT_EQ(job, (Lines{"[ExtProgram]Zerkon", "", "[DataArea]"}));
}

TEST(WriteStructureTablesTest, TableListAsTheLastLineIsNotFound) {
    Lines job{"[ExtProgram]Zerkon", "[TABLENAME]zerkon,zerkonHead"};
    WriteStructureTables(disk, DataFolder("bank"), job);
    EXPECT_EQ(job.size(), 2u);
}

TEST(WriteStructureTablesTest, NamesAreUsedExactlyAsCutIncludingBlanks) {
    Lines job{"x", "[tablename]zerkon, zerkonHead", "y"};
    WriteStructureTables(disk, DataFolder("bank"), job);
    EXPECT_EQ(job, (Lines{"x", "[tablename]zerkon, zerkonHead", "y", "", "[StructureTable]zerkon",
                          "ID=Cislo", "Prachy=Castka", "", "[StructureTable] zerkonHead"}));
}

TEST(WriteStructureTablesTest, OnlyTheFirstTableListCountsAndTrailingCommaIsKept) {
    Lines job{"[TABLENAME]zerkonHead,", "[TABLENAME]zerkon", "z"};
    WriteStructureTables(disk, DataFolder("bank"), job);
    EXPECT_EQ(job, (Lines{"[TABLENAME]zerkonHead,", "[TABLENAME]zerkon", "z", "",
                          "[StructureTable]zerkonHead", "Soubor=Text", "Ucet=Text"}));
}

TEST(WriteStructureTablesTest, MarkerOutsideTheFirstBracketsDoesNotCount) {
    Lines job{"[A][TABLENAME]zerkon", "TABLENAME zerkon", "z"};
    WriteStructureTables(disk, DataFolder("bank"), job);
    EXPECT_EQ(job.size(), 3u);
}

TEST(SaveJobFileTest, ReplacesAReadOnlyJobAndLeavesNoTemporaryFile) {
    ScratchFolder scratch;
    const std::string job = scratch.Write("job.vrex", "old");
    std::filesystem::permissions(PathFromText(job), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    SaveJobFile(disk, scratch.Text(), "job", {"a", "b\r\nc"});
    EXPECT_EQ(ScratchFolder::Read(job), "a\r\nb\r\nc\r\n");
    EXPECT_FALSE(ScratchFolder::Exists(job + ".tmp"));
}

TEST(SaveJobFileTest, MissingFolderIsAFileErrorNamingTheFile) {
    ScratchFolder scratch;
    const Status failed = SaveJobFile(disk, scratch.Text() + "vrex\\", "job", {"a"});
    EXPECT_NE(failed.message().find("job.vrex"), std::string::npos);
}

}  // namespace
}  // namespace zerkon
