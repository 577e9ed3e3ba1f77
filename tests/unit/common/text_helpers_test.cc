#include "common/text_helpers.h"

#include <gtest/gtest.h>

#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

TEST(ReplaceChar, ReplacesByFirstCharacterOrRemoves) {
    std::string text = "a;b;c";
    ReplaceChar(text, ';', "-x");
    EXPECT_EQ(text, "a-b-c");
    ReplaceChar(text, '-', "");
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(ReplaceCharCopy("12:05:09", ':', "-"), "12-05-09");
}

TEST(ReplaceAll, ScansFromTheLeftAndStopsInsideItsOwnReplacement) {
    std::string text = "aa";
    ReplaceAll(text, "a", "ab");
    EXPECT_EQ(text, "aba");

    std::string path = "C:\\\\Program Files\\\\Zerkon\\\\";
    ReplaceAll(path, "\\\\", "\\");
    EXPECT_EQ(path, "C:\\Program Files\\Zerkon\\");

    std::string longer = "<b>x<b>y<b>";
    ReplaceAll(longer, "<b>", "[bold]");
    EXPECT_EQ(longer, "[bold]x[bold]y[bold]");

    // A match formed by the replacement and the text before it ends the loop.
    std::string formed = "aabb ab";
    ReplaceAll(formed, "ab", "a");
    EXPECT_EQ(formed, "aab ab");
}

TEST(ReplaceAll, SingleCharactersAndNoOps) {
    std::string text = "a.b.c";
    ReplaceAll(text, ".", ",");
    EXPECT_EQ(text, "a,b,c");
    ReplaceAll(text, ",", ",");
    EXPECT_EQ(text, "a,b,c");
    ReplaceAll(text, "", "x");
    EXPECT_EQ(text, "a,b,c");
}

TEST(ReplaceFirst, OnlyTheFirstOccurrence) {
    std::string text = "x1x1";
    ReplaceFirst(text, "x1", "yy");
    EXPECT_EQ(text, "yyx1");
    ReplaceFirst(text, "zz", "q");
    EXPECT_EQ(text, "yyx1");
}

TEST(PadLeft, PadsToWidthButNeverCuts) {
    EXPECT_EQ(PadLeft("123", 6, '0'), "000123");
    EXPECT_EQ(PadLeft("123", 2, '0'), "123");
    EXPECT_EQ(PadLeft("", 3, ' '), "   ");
    EXPECT_EQ(PadLeft("1", 1000, '0').size(), 255u);
    EXPECT_EQ(PadLeft("1", -4, '0'), "1");
}

TEST(ExtractDelimited, CutsTheSegmentOut) {
    std::string text = "a[SEKCE]b";
    EXPECT_EQ(ExtractDelimited(text, '[', ']', false), "SEKCE");
    EXPECT_EQ(text, "ab");

    text = "a[SEKCE]b[X]";
    EXPECT_EQ(ExtractDelimited(text, '[', ']', true), "[SEKCE]");
    EXPECT_EQ(text, "ab[X]");

    text = "x()y";
    EXPECT_EQ(ExtractDelimited(text, '(', ')', false), "");
    EXPECT_EQ(text, "xy");
}

TEST(ExtractDelimited, MissingOrReversedDelimitersLeaveTheText) {
    std::string text = ")a(";
    EXPECT_EQ(ExtractDelimited(text, '(', ')', false), "");
    EXPECT_EQ(text, ")a(");
    text = "a(b";
    EXPECT_EQ(ExtractDelimited(text, '(', ')', true), "");
    EXPECT_EQ(text, "a(b");
    text = "";
    EXPECT_EQ(ExtractDelimited(text, '<', '>', false), "");
}

TEST(ExtractDelimited, EqualDelimitersRunToTheNextOneOrTheEnd) {
    std::string text = "#abc";
    EXPECT_EQ(ExtractDelimited(text, '#', '#', false), "abc");
    EXPECT_EQ(text, "");
    text = "x#ab#y#z#";
    EXPECT_EQ(ExtractDelimited(text, '#', '#', true), "#ab#");
    EXPECT_EQ(text, "xy#z#");
    text = "x#ab";
    EXPECT_EQ(ExtractDelimited(text, '#', '#', true), "#ab");
    EXPECT_EQ(text, "x");
}

TEST(SplitAt, TakesTheHeadOff) {
    std::string text = "A;B;C";
    EXPECT_EQ(SplitAt(text, ";"), "A");
    EXPECT_EQ(text, "B;C");
    text = "ABC";
    EXPECT_EQ(SplitAt(text, ";"), "ABC");
    EXPECT_EQ(text, "");
    text = ", b,";
    EXPECT_EQ(SplitAt(text, ","), "");
    EXPECT_EQ(text, " b,");
}

TEST(SmallTextHelpers, ZerosRepeatTrimAndBlanks) {
    EXPECT_TRUE(IsAllZeros(""));
    EXPECT_TRUE(IsAllZeros("0000"));
    EXPECT_FALSE(IsAllZeros("0 00"));
    EXPECT_FALSE(IsAllZeros("0001"));

    EXPECT_EQ(RepeatString("ab", 3), "ababab");
    EXPECT_EQ(RepeatString("ab", 0), "");
    EXPECT_EQ(RepeatString("ab", -2), "");

    // Only code 32 is trimmed; a no-break space stays.
    EXPECT_EQ(TrimRightSpaces("  a b \xA0  "), "  a b \xA0");
    EXPECT_EQ(TrimLeftSpaces("  \xA0 a "), "\xA0 a ");
    EXPECT_EQ(TrimRightSpaces("    "), "");
    EXPECT_EQ(TrimLeftSpaces(""), "");

    EXPECT_EQ(NoBreakToSpace(std::string("1\xA0"
                                         "234\xA0") +
                             "Kč"_cz),
              "1 234 Kč"_cz);
    EXPECT_EQ(RemoveBlanks(" 1\xA0"
                           "234 ,5 "),
              "1234,5");
}

}  // namespace
}  // namespace zerkon
