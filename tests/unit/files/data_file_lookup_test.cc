#include "files/data_file_lookup.h"

#include <gtest/gtest.h>

#include "../print/fake_message_boxes.h"
#include "../print/scratch_folder.h"
#include "common/cp1250_literal.h"
#include "files/file_message.h"

namespace zerkon {
namespace {

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
    EXPECT_TRUE(ReadIniSection("x", file, lines, remainder));
    EXPECT_EQ(lines, (std::vector<std::string>{"před"_cz, "text{07}ABC", "{Tisk}první"_cz,
                                               "{TISK}druhý"_cz}));
    EXPECT_EQ(remainder, " hlavička"_cz);
}

TEST(ReadIniSectionTest, MissingFileSectionOrEmptySectionGiveFalseAndNoLines) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("data.src", "[PRAZDNA]\r\n\r\n[Dalsi]\r\na\r\n");
    std::vector<std::string> lines;
    std::string remainder = "beze změny"_cz;
    EXPECT_FALSE(ReadIniSection("prazdna", file, lines, remainder));
    EXPECT_FALSE(ReadIniSection("chybi", file, lines, remainder));
    EXPECT_FALSE(ReadIniSection("dalsi", scratch.Text() + "none.src", lines, remainder));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(remainder, "beze změny"_cz);
}

TEST(FindKeyedLineTest, FindsTheFirstMatchingKeyOfTheSectionOnly) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("data.src", kMenu);
    FakeMessageBoxes boxes;
    EXPECT_EQ(FindKeyedLine("X", "tisk", file, boxes), "první"_cz);
    EXPECT_EQ(FindKeyedLine("X", "07", file, boxes), "textABC");
    EXPECT_EQ(FindKeyedLine("X", "8", file, boxes), "");  // lies after the section
    EXPECT_EQ(FindKeyedLine("X", "9", file, boxes), "");  // only the first [X] counts
    EXPECT_EQ(FindKeyedLine("X", "1", file, boxes), "");  // lies before any section
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(FindKeyedLineTest, MissingFileShowsTheMissingFileBox) {
    FakeMessageBoxes boxes;
    EXPECT_EQ(FindKeyedLine("X", "1", "C:\\nikde\\menucall.src", boxes), "");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              "\"Form_Menu\" nemohu najít datový soubor: C:\\nikde\\menucall.src"_cz);
    EXPECT_EQ(boxes.shown[0].caption, "Chyba");
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Warning);
}

TEST(FindNumberedLineTest, ReadsKeysAsIntegers) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("data.src", "[X]\r\n{7}ABC\r\n{08}DEF\r\n");
    FakeMessageBoxes boxes;
    EXPECT_EQ(FindNumberedLine("x", 7, true, file, boxes), "ABC");
    EXPECT_EQ(FindNumberedLine("X", 8, true, file, boxes), "DEF");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(FindNumberedLineTest, NotFoundShowsTheNotFoundBoxOnlyWhenAsked) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("menu.src", "[callTiskDoc]\r\n{7}ABC\r\n");
    FakeMessageBoxes boxes;
    EXPECT_EQ(FindNumberedLine("callTiskDoc", 28150, false, file, boxes), "");
    EXPECT_EQ(FindNumberedLine("callTiskDoc", 1, false, scratch.Text() + "x.src", boxes), "");
    EXPECT_TRUE(boxes.shown.empty());

    EXPECT_EQ(FindNumberedLine("callTiskDoc", 28150, true, file, boxes), "");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "\"Form_Menu\" v souboru:  " + file +
                                       "\r\rv sekci:  [CALLTISKDOC]\r"
                                       "nelze najít návratovou hodnotu:  28150"_cz);
    EXPECT_EQ(FindNumberedLine("callTiskDoc", 1, true, scratch.Text() + "x.src", boxes), "");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_NE(boxes.shown[1].text.find("nemohu najít datový soubor"_cz), std::string::npos);
}

TEST(FindNumberedLineTest, ANonIntegerKeyIsAConversionError) {
    ScratchFolder scratch;
    const std::string file = scratch.Write("data.src", "[X]\r\n{abc}nic\r\n{7}ABC\r\n");
    FakeMessageBoxes boxes;
    EXPECT_THROW(FindNumberedLine("X", 7, false, file, boxes), KeyConversionError);
}

TEST(ShowFileMessageTest, ComposesCaptionAndTextFromTheSection) {
    ScratchFolder scratch;
    const std::string file =
        scratch.Write("zerkon.msg",
                      "[Jina]\r\n\x87Jiný\r\n[chybi]\r\n\x87Pozor\r\nSoubor "_cz
                      "%1\r\n~\r\nchybí\r\n[Dalsi]\r\nx\r\n"_cz);
    FakeMessageBoxes boxes;
    boxes.answer = MessageResult::Cancel;
    const auto result = ShowFileMessage("CHYBI", {"a.txt"}, MessageButtons::OkCancel,
                                        MessageIcon::Warning, {file, "", true}, boxes);
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
    EXPECT_TRUE(ShowFileMessage("m", {"A", "B"}, MessageButtons::Ok, MessageIcon::Warning,
                                {file, "", true}, boxes));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Poslední A"_cz);
    EXPECT_EQ(boxes.shown[0].text, "A a B stojí 5 Kč"_cz);
}

TEST(ShowFileMessageTest, MissingFileOrMessageShowsNoMessage) {
    ScratchFolder scratch;
    FakeMessageBoxes boxes;
    EXPECT_FALSE(ShowFileMessage("NoCreateDir", {"C:\\x"}, MessageButtons::Ok, MessageIcon::Warning,
                                 {"", "", true}, boxes));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "\"E_Message\" nemohu najít datový soubor: "_cz);
    EXPECT_EQ(boxes.shown[0].caption, "Chyba");

    const std::string file = scratch.Write("m.msg", "[Jina]\r\nText\r\n");
    EXPECT_FALSE(ShowFileMessage("NoCreateDir", {}, MessageButtons::Ok, MessageIcon::Warning,
                                 {file, "", true}, boxes));
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST(ShowFileMessageTest, SecondPathFirstThenTheFirstOne) {
    ScratchFolder scratch;
    const std::string first = scratch.Write("1.msg", "[M]\r\nz prvního\r\n"_cz);
    const std::string second = scratch.Write("2.msg", "[M]\r\n\x87jen titulek\r\n");
    FakeMessageBoxes boxes;
    EXPECT_TRUE(ShowFileMessage("M", {}, MessageButtons::Ok, MessageIcon::Warning,
                                {first, second, false}, boxes));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "z prvního"_cz);
}

TEST(ShippedMessageFileTest, HoldsTheTextsTheHandOffAsksFor) {
    const std::string file = std::string(ZERKON_TEST_DATA) + "/../../resources/zerkon.msg";
    FakeMessageBoxes boxes;
    const MessageFileSettings settings{file, "", true};
    EXPECT_TRUE(ShowFileMessage("NoCreateDir", {"C:\\Olbrix\\vrex\\"}, MessageButtons::Ok,
                                MessageIcon::Warning, settings, boxes));
    EXPECT_TRUE(ShowFileMessage("NeniOlbrix_V", {"Olbrix", "C:\\Olbrix\\Olbrix.exe"},
                                MessageButtons::OkCancel, MessageIcon::Warning, settings, boxes));
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
