#include "files/data_file_lookup.h"

#include <gtest/gtest.h>

#include "../print/fake_message_boxes.h"
#include "../print/scratch_folder.h"
#include "common/cp1250_literal.h"
#include "common/disk_file_system.h"
#include "files/file_message.h"
#include "print/print_engine_flow.h"

namespace zerkon {
namespace {

DiskFileSystem disk;

using testing::FakeMessageBoxes;
using testing::ScratchFolder;

constexpr std::string_view kMenu =
    "{1}mimo sekci\r\n"
    "[jiná]\r\n"_cz
    "{7}jiná sekce\r\n"_cz
    "[X] hlavička\r\n"_cz
    "\r\n"
    "text{07}ABC\r\n"
    "{Tisk}první\r\n"_cz
    "{TISK}druhý\r\n"_cz
    "[Y]\r\n"
    "{8}za sekcí\r\n"_cz
    "[x]\r\n"
    "{9}druhá sekce stejného jména\r\n"_cz;

TEST(ReadIniSectionTest, CopiesTheFirstSectionOfThatNameInAnyLetterCase) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("data.src", kMenu);
    std::vector<std::string> lines{"před"_cz};
    std::string remainder;
    EXPECT_TRUE(ReadIniSection(disk, "x", file, lines, remainder));
    EXPECT_EQ(lines, (std::vector<std::string>{"před"_cz, "text{07}ABC", "{Tisk}první"_cz,
                                               "{TISK}druhý"_cz}));
    EXPECT_EQ(remainder, " hlavička"_cz);
}

TEST(ReadIniSectionTest, MissingFileSectionOrEmptySectionGiveFalseAndNoLines) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("data.src", "[PRAZDNA]\r\n\r\n[Dalsi]\r\na\r\n");
    std::vector<std::string> lines;
    std::string remainder = "beze změny"_cz;
    EXPECT_FALSE(ReadIniSection(disk, "prazdna", file, lines, remainder));
    EXPECT_FALSE(ReadIniSection(disk, "chybi", file, lines, remainder));
    EXPECT_FALSE(ReadIniSection(disk, "dalsi", scratch.Text() + "none.src", lines, remainder));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(remainder, "beze změny"_cz);
}

TEST(FindKeyedLineTest, FindsTheFirstMatchingKeyOfTheSectionOnly) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("data.src", kMenu);
    EXPECT_EQ(FindKeyedLine(disk, "X", "tisk", file), std::string("první"_cz));
    EXPECT_EQ(FindKeyedLine(disk, "X", "07", file), std::string("textABC"));
    EXPECT_EQ(FindKeyedLine(disk, "X", "8", file), std::string());  // lies after the section
    EXPECT_EQ(FindKeyedLine(disk, "X", "9", file), std::string());  // only the first [X] counts
    EXPECT_EQ(FindKeyedLine(disk, "X", "1", file), std::string());  // lies before any section
}

TEST(FindKeyedLineTest, AMissingFileFailsWithTheMissingFileMessage) {
    const Status missing = FindKeyedLine(disk, "X", "1", "C:\\nikde\\menucall.src").status();
    EXPECT_EQ(missing.code(), StatusCode::kNotFound);
    EXPECT_EQ(missing.message(),
              "\"Form_Menu\" nemohu najít datový soubor: C:\\nikde\\menucall.src"_cz);
}

TEST(FindNumberedLineTest, ReadsKeysAsIntegers) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("data.src", "[X]\r\n{7}ABC\r\n{08}DEF\r\n");
    EXPECT_EQ(FindNumberedLine(disk, "x", 7, file), std::string("ABC"));
    EXPECT_EQ(FindNumberedLine(disk, "X", 8, file), std::string("DEF"));
}

TEST(FindNumberedLineTest, NothingFoundFailsWithTheNotFoundOrMissingFileMessage) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("menu.src", "[callTiskDoc]\r\n{7}ABC\r\n");
    const Status not_found = FindNumberedLine(disk, "callTiskDoc", 28150, file).status();
    EXPECT_EQ(not_found.code(), StatusCode::kNotFound);
    EXPECT_EQ(not_found.message(), "\"Form_Menu\" v souboru:  " + file +
                                       "\r\rv sekci:  [CALLTISKDOC]\r"
                                       "nelze najít návratovou hodnotu:  28150"_cz);
    const Status missing =
        FindNumberedLine(disk, "callTiskDoc", 1, scratch.Text() + "x.src").status();
    EXPECT_NE(missing.message().find("nemohu najít datový soubor"_cz), std::string::npos);
}

TEST(FindNumberedLineTest, ANonIntegerKeyIsAConversionError) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("data.src", "[X]\r\n{abc}nic\r\n{7}ABC\r\n");
    const Status failed = FindNumberedLine(disk, "X", 7, file).status();
    EXPECT_EQ(failed.code(), StatusCode::kNotValid);
    EXPECT_EQ(failed.message(), "'abc' is not a valid integer value");
}

TEST(ShowFileMessageTest, ComposesCaptionAndTextFromTheSection) {
    ScratchFolder scratch;
    const std::string file =
        scratch.Write("zerkon.msg",
                      "[Jina]\r\n\x87Jiný\r\n[chybi]\r\n\x87Pozor\r\nSoubor "_cz
                      "%1\r\n~\r\nchybí\r\n[Dalsi]\r\nx\r\n"_cz);
    FakeMessageBoxes boxes;
    boxes.answer = MessageResult::Cancel;
    const auto result = ShowFileMessage(disk, boxes, "CHYBI", {"a.txt"}, MessageButtons::OkCancel,
                                        MessageIcon::Warning, {file, "", true});
    EXPECT_EQ(result, MessageResult::Cancel);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Pozor");
    EXPECT_EQ(boxes.shown[0].text, "Soubor a.txt\n\nchybí"_cz);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::OkCancel);
}

TEST(ShowFileMessageTest, ReplacesArgumentsAndCurrencyInTextAndCaption) {
    ScratchFolder scratch;
    const std::string file = scratch.Write(
        "m.msg", "[M]\r\n\x87%2 za $$\r\n\x87Poslední %1\r\n%1 a %2 stojí 5 $$\r\n"_cz);
    FakeMessageBoxes boxes;
    EXPECT_TRUE(ShowFileMessage(disk, boxes, "m", {"A", "B"}, MessageButtons::Ok,
                                MessageIcon::Warning, {file, "", true}));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Poslední A"_cz);
    EXPECT_EQ(boxes.shown[0].text, "A a B stojí 5 Kč"_cz);
}

TEST(ShowFileMessageTest, MissingFileOrMessageShowsNoMessage) {
    ScratchFolder scratch;
    FakeMessageBoxes boxes;
    EXPECT_FALSE(ShowFileMessage(disk, boxes, "NoCreateDir", {"C:\\x"}, MessageButtons::Ok,
                                 MessageIcon::Warning, {"", "", true}));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "\"E_Message\" nemohu najít datový soubor: "_cz);
    EXPECT_EQ(boxes.shown[0].caption, "Chyba");

    const std::string file = scratch.Write("m.msg", "[Jina]\r\nText\r\n");
    EXPECT_FALSE(ShowFileMessage(disk, boxes, "NoCreateDir", {}, MessageButtons::Ok,
                                 MessageIcon::Warning, {file, "", true}));
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST(ShowFileMessageTest, SecondPathFirstThenTheFirstOne) {
    ScratchFolder scratch;
    const std::string first = scratch.Write("1.msg", "[M]\r\nz prvního\r\n"_cz);
    const std::string second = scratch.Write("2.msg", "[M]\r\n\x87jen titulek\r\n");
    FakeMessageBoxes boxes;
    EXPECT_TRUE(ShowFileMessage(disk, boxes, "M", {}, MessageButtons::Ok, MessageIcon::Warning,
                                {first, second, false}));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "z prvního"_cz);
}

TEST(ShippedMessageFileTest, HoldsTheTextsTheHandOffAsksFor) {
    const std::string file = std::string(ZERKON_TEST_DATA) + "/../../resources/zerkon.msg";
    FakeMessageBoxes boxes;
    const MessageFileSettings settings{file, "", true};
    EXPECT_TRUE(ShowFileMessage(disk, boxes, "NoCreateDir", {"C:\\Olbrix\\vrex\\"},
                                MessageButtons::Ok, MessageIcon::Warning, settings));
    EXPECT_TRUE(ShowFileMessage(disk, boxes, "NeniOlbrix_V", {"Olbrix", "C:\\Olbrix\\Olbrix.exe"},
                                MessageButtons::OkCancel, MessageIcon::Warning, settings));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_NE(boxes.shown[0].text.find("C:\\Olbrix\\vrex\\"), std::string::npos);
    EXPECT_NE(boxes.shown[1].text.find("C:\\Olbrix\\Olbrix.exe"), std::string::npos);
    for (const auto& box : boxes.shown) {
        EXPECT_FALSE(box.caption.empty());
        EXPECT_EQ(box.text.find('%'), std::string::npos);
    }
}

}  // namespace
}  // namespace zerkon
