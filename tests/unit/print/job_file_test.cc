#include "print/job_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/cp1250_literal.h"
#include "common/file_helpers.h"
#include "fake_message_boxes.h"
#include "scratch_folder.h"

namespace zerkon {
namespace {

using testing::FakeMessageBoxes;
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
    BeginBankJob(DataFolder("bank"), "Vypis", job);
    job.push_back("[Table]<zerkon>\r\n<ID>1\r\n<Prachy>-100,00\r\n");
    job.push_back("[Table]<zerkonHead>\r\n<ID>0\r\n<Pocet>1\r\n");
    ScratchFolder scratch;
    SaveJobFile(scratch.Text(), "GPC-2009-03-07(14-05-09)", job);
    EXPECT_EQ(ScratchFolder::Read(scratch.Text() + "GPC-2009-03-07(14-05-09).vrex"),
              Golden("bank_job.vrex"));
}

TEST(JobFileTest, EldpJobFindsItsTemplateThroughTheMenuFile) {
    Lines job;
    FakeMessageBoxes boxes;
    ASSERT_TRUE(BeginEldpJob(DataFolder("eldp"), "ELDP09tisk", job, boxes));
    for (const char* line : {"", "[Table]<eldp>", "<ID>0", "<rok>2009"}) job.push_back(line);
    EXPECT_EQ(JobFileText(job), Golden("eldp_job.vrex"));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(JobFileTest, EldpJobWithoutMenuEntryAppendsNothing) {
    Lines job{"před"_cz};
    FakeMessageBoxes boxes;
    EXPECT_FALSE(BeginEldpJob(DataFolder("eldp"), "Neznamy", job, boxes));
    EXPECT_EQ(job, Lines{"před"_cz});
    EXPECT_TRUE(boxes.shown.empty());

    ScratchFolder empty;
    EXPECT_FALSE(BeginEldpJob(empty.Text(), "ELDP09tisk", job, boxes));
    EXPECT_EQ(job, Lines{"před"_cz});
    ASSERT_EQ(boxes.shown.size(), 1u);  // the missing menu file, reported once
    EXPECT_NE(boxes.shown[0].text.find("menucall.src"), std::string::npos);
}

TEST(JobFileTest, ShippedBankTemplatesDescribeBothTables) {
    Lines job;
    BeginBankJob(std::string(ZERKON_TEST_DATA) + "/../../resources/sourceZERKON\\", "Vypis", job);
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
    EXPECT_TRUE(CopyTemplateSection(file, "Vypis", job));
    EXPECT_EQ(job, (Lines{"A", "B"}));
    EXPECT_FALSE(CopyTemplateSection(file, "Chybi", job));
    EXPECT_EQ(job, (Lines{"A", "B"}));
}

TEST(CopyTemplateSectionTest, SectionRunsToTheEndOfTheFile) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("t.src", "#Vypis#\r\nA\r\nB");
    Lines job;
    EXPECT_TRUE(CopyTemplateSection(file, "VYPIS", job));
    EXPECT_EQ(job, (Lines{"A", "B"}));
}

TEST(CopyTemplateSectionTest, MissingTemplateIsAFileError) {
    ScratchFolder scratch;
    Lines job;
    EXPECT_THROW(CopyTemplateSection(scratch.Text() + "zdrojZerkonfr3.src", "Vypis", job),
                 FileError);
    EXPECT_THROW(BeginBankJob(scratch.Text(), "Vypis", job), FileError);
}

TEST(CopyTemplateSectionTest, MenuEntryWithoutATemplateFileIsAFileError) {
    ScratchFolder scratch;
    scratch.Write("menucall.src", "[Olbrix]\r\n{ELDP09tisk}ELDP09tisk.src\r\n");
    Lines job;
    FakeMessageBoxes boxes;
    EXPECT_THROW(BeginEldpJob(scratch.Text(), "ELDP09tisk", job, boxes), FileError);
    EXPECT_THROW(CopyTemplateSection(scratch.Text(), "Vypis", job), FileError);
}

TEST(BeginBankJobTest, MissingSectionOrStructureFileStillGivesAJob) {
    ScratchFolder scratch;
    scratch.Write("zdrojZerkonfr3.src", "#Vypis#\r\n[TABLENAME]zerkon\r\nkonec\r\n");
    Lines job;
    BeginBankJob(scratch.Text(), "Vypis", job);
    EXPECT_EQ(job, (Lines{"[ExtProgram]Zerkon", "[TABLENAME]zerkon", "konec", "",
                          "[StructureTable]zerkon", "", "[DataArea]"}));
    job.clear();
    BeginBankJob(scratch.Text(), "Jiny", job);
    EXPECT_EQ(job, (Lines{"[ExtProgram]Zerkon", "", "[DataArea]"}));
}

TEST(WriteStructureTablesTest, TableListAsTheLastLineIsNotFound) {
    Lines job{"[ExtProgram]Zerkon", "[TABLENAME]zerkon,zerkonHead"};
    WriteStructureTables(DataFolder("bank"), job);
    EXPECT_EQ(job.size(), 2u);
}

TEST(WriteStructureTablesTest, NamesAreUsedExactlyAsCutIncludingBlanks) {
    Lines job{"x", "[tablename]zerkon, zerkonHead", "y"};
    WriteStructureTables(DataFolder("bank"), job);
    EXPECT_EQ(job, (Lines{"x", "[tablename]zerkon, zerkonHead", "y", "", "[StructureTable]zerkon",
                          "ID=Cislo", "Prachy=Castka", "", "[StructureTable] zerkonHead"}));
}

TEST(WriteStructureTablesTest, OnlyTheFirstTableListCountsAndTrailingCommaIsKept) {
    Lines job{"[TABLENAME]zerkonHead,", "[TABLENAME]zerkon", "z"};
    WriteStructureTables(DataFolder("bank"), job);
    EXPECT_EQ(job, (Lines{"[TABLENAME]zerkonHead,", "[TABLENAME]zerkon", "z", "",
                          "[StructureTable]zerkonHead", "Soubor=Text", "Ucet=Text"}));
}

TEST(WriteStructureTablesTest, MarkerOutsideTheFirstBracketsDoesNotCount) {
    Lines job{"[A][TABLENAME]zerkon", "TABLENAME zerkon", "z"};
    WriteStructureTables(DataFolder("bank"), job);
    EXPECT_EQ(job.size(), 3u);
}

TEST(SaveJobFileTest, ReplacesAReadOnlyJobAndLeavesNoTemporaryFile) {
    ScratchFolder scratch;
    const std::string job = scratch.Write("job.vrex", "old");
    std::filesystem::permissions(PathFromText(job), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    SaveJobFile(scratch.Text(), "job", {"a", "b\r\nc"});
    EXPECT_EQ(ScratchFolder::Read(job), "a\r\nb\r\nc\r\n");
    EXPECT_FALSE(ScratchFolder::Exists(job + ".tmp"));
}

TEST(SaveJobFileTest, MissingFolderIsAFileErrorNamingTheFile) {
    ScratchFolder scratch;
    try {
        SaveJobFile(scratch.Text() + "vrex\\", "job", {"a"});
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("job.vrex"), std::string::npos);
    }
}

}  // namespace
}  // namespace zerkon
