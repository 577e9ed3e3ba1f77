#include "bank/preview_text.h"

#include <gtest/gtest.h>

#include "bank/decoder_text.h"
#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

TEST(PreviewText, EntriesBecomeLines) {
    const PreviewLines entries{"a", "", "b\r\nc", "d\r\n", "e\r\n\r\nf"};
    EXPECT_EQ(PreviewEntriesToLines(entries),
              (std::vector<std::string>{"a", "", "b", "c", "d", "", "e", "", "f"}));
    EXPECT_EQ(PreviewEntriesToText(entries, "\r\n"), "a\r\n\r\nb\r\nc\r\nd\r\n\r\ne\r\n\r\nf\r\n");
    EXPECT_EQ(PreviewEntriesToText(entries, "\n"), "a\n\nb\nc\nd\n\ne\n\nf\n");
    // A lone CR or LF is not a line break of an entry.
    EXPECT_EQ(PreviewEntriesToLines({"x\ry\nz"}), (std::vector<std::string>{"x\ry\nz"}));
    EXPECT_EQ(PreviewEntriesToText({}, "\r\n"), "");
}

TEST(PreviewText, LargePreviewIsLinear) {
    PreviewLines entries(200000, std::string("Částka:  1 234,56\r\nVS:  1\r\n"_cz));
    const std::string text = PreviewEntriesToText(entries, "\r\n");
    EXPECT_EQ(text.size(), entries.size() * (entries[0].size() + 2));
}

TEST(SplitLines, CrLfCrAndLfEndLines) {
    using bank_text::SplitLines;
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a"), Lines{"a"});
    EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(SplitLines("a\r\r\nb\n\r"), (Lines{"a", "", "b", ""}));
    EXPECT_EQ(SplitLines(std::string_view("a\0b\nc", 5)),
              (Lines{std::string_view("a\0b", 3), "c"}));
}

TEST(DottedDate, DotsAfterTheSecondAndFourthCharacter) {
    using bank_text::DottedDate;
    EXPECT_EQ(DottedDate("070309"), "07.03.09");
    EXPECT_EQ(DottedDate(""), "..");
    EXPECT_EQ(DottedDate("1"), "1..");
    EXPECT_EQ(DottedDate("0703"), "07.03.");
    EXPECT_EQ(DottedDate("07030"), "07.03.0");
}

}  // namespace
}  // namespace zerkon
