#include "controls/memo_text_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zerkon {
namespace {

constexpr int kUp = 0x26, kDown = 0x28, kPrior = 0x21, kNext = 0x22, kHome = 0x24, kEnd = 0x23;

TEST(MemoTextViewLines, BreaksAtCrLfCrAndLfLikeAnEdit) {
    MemoTextView view;
    EXPECT_EQ(view.LineCount(), 1);  // empty: one empty line
    view.SetText(u"a\r\nbc\rd\n\r\n");
    ASSERT_EQ(view.LineCount(), 5);
    EXPECT_EQ(view.Line(0), u"a");
    EXPECT_EQ(view.Line(1), u"bc");
    EXPECT_EQ(view.Line(2), u"d");
    EXPECT_EQ(view.Line(3), u"");
    EXPECT_EQ(view.Line(4), u"");  // after the final break
    EXPECT_EQ(view.Line(5), u"");
    EXPECT_EQ(view.LineStart(1), 3u);
    EXPECT_EQ(view.LineStart(4), 10u);
    EXPECT_EQ(view.LineStart(9), 10u);
}

TEST(MemoTextViewLines, LineOfACharacter) {
    MemoTextView view;
    view.SetText(u"ab\r\ncd\r\n");
    EXPECT_EQ(view.LineFromChar(0), 0);
    EXPECT_EQ(view.LineFromChar(3), 0);  // the LF of the first break
    EXPECT_EQ(view.LineFromChar(4), 1);
    EXPECT_EQ(view.LineFromChar(8), 2);
    EXPECT_EQ(view.LineFromChar(1000), 2);
}

TEST(MemoTextViewLines, AMillionLinesAreIndexedWhole) {
    std::u16string text;
    for (int i = 0; i < 1'100'000; ++i) text += u"Částka 12 345,67\r\n";
    MemoTextView view;
    view.SetText(std::move(text));
    EXPECT_EQ(view.LineCount(), 1'100'001);
    EXPECT_EQ(view.Line(1'099'999), u"Částka 12 345,67");
}

// Wraps every line into rows of at most `width` characters.
RowBreaker FixedWidth(std::size_t width) {
    return [width](std::u16string_view line) {
        std::vector<std::size_t> rows;
        if (line.size() <= width) return rows;
        for (std::size_t left = line.size(); left > 0; left -= std::min(left, width)) {
            rows.push_back(std::min(left, width));
        }
        return rows;
    };
}

TEST(MemoTextViewWrap, LongLinesTakeSeveralRowsWithoutLosingCharacters) {
    MemoTextView view;
    view.SetText(u"abcdefghijk\r\nxy\r\n", FixedWidth(4));
    ASSERT_EQ(view.LineCount(), 5);
    EXPECT_EQ(view.Line(0), u"abcd");
    EXPECT_EQ(view.Line(1), u"efgh");
    EXPECT_EQ(view.Line(2), u"ijk");
    EXPECT_EQ(view.Line(3), u"xy");
    EXPECT_EQ(view.Line(4), u"");
    EXPECT_EQ(view.LineFromChar(5), 1);
    EXPECT_EQ(view.LineFromChar(13), 3);
    EXPECT_EQ(view.text(), u"abcdefghijk\r\nxy\r\n");  // the text itself is untouched
}

TEST(MemoTextViewWrap, RewrapKeepsTheCaretOnItsCharacter) {
    MemoTextView view;
    view.SetText(u"abcdefgh\nij", FixedWidth(2));
    view.SetCaretLine(3);  // "gh"
    view.Rewrap(FixedWidth(4));
    EXPECT_EQ(view.LineCount(), 3);
    EXPECT_EQ(view.caret_line(), 1);  // "efgh" holds the g
    view.Rewrap({});
    EXPECT_EQ(view.LineCount(), 2);
    EXPECT_EQ(view.caret_line(), 0);
}

TEST(MemoTextViewWrap, BreakerAnswersOutsideTheLineAreIgnored) {
    MemoTextView view;
    view.SetText(u"abc\ndef", [](std::u16string_view) {
        return std::vector<std::size_t>{0, 10, 1};
    });
    EXPECT_EQ(view.LineCount(), 2);
    EXPECT_EQ(view.Line(1), u"def");
}

TEST(MemoTextViewCaret, KeysMoveTheCaretAndKeepItInView) {
    MemoTextView view;
    view.SetText(u"0\n1\n2\n3\n4\n5\n6\n7\n8\n9");
    view.SetPage(4);
    EXPECT_TRUE(view.Navigate(kNext, false));
    EXPECT_EQ(view.caret_line(), 4);
    EXPECT_EQ(view.top_line(), 1);
    EXPECT_TRUE(view.Navigate(kEnd, true));
    EXPECT_EQ(view.caret_line(), 9);
    EXPECT_EQ(view.top_line(), 6);
    EXPECT_TRUE(view.Navigate(kDown, false));  // at the end: stays
    EXPECT_EQ(view.caret_line(), 9);
    EXPECT_TRUE(view.Navigate(kPrior, false));
    EXPECT_EQ(view.caret_line(), 5);
    EXPECT_EQ(view.top_line(), 5);
    EXPECT_TRUE(view.Navigate(kHome, false));  // Home without Ctrl: same line
    EXPECT_EQ(view.caret_line(), 5);
    EXPECT_TRUE(view.Navigate(kHome, true));
    EXPECT_EQ(view.caret_line(), 0);
    EXPECT_EQ(view.top_line(), 0);
    EXPECT_TRUE(view.Navigate(kUp, false));
    EXPECT_EQ(view.caret_line(), 0);
    EXPECT_FALSE(view.Navigate('A', false));
}

TEST(MemoTextViewCaret, ScrollingStopsAtTheLastPageAndNewTextStartsAtTheTop) {
    MemoTextView view;
    view.SetText(u"0\n1\n2\n3\n4");
    view.SetPage(3);
    view.ScrollTo(100);
    EXPECT_EQ(view.top_line(), 2);
    view.ScrollTo(-5);
    EXPECT_EQ(view.top_line(), 0);
    view.SetCaretLine(4);
    view.SetPage(10);  // a taller window shows everything from the top
    EXPECT_EQ(view.top_line(), 0);
    view.SetText(u"x");
    EXPECT_EQ(view.caret_line(), 0);
    EXPECT_EQ(view.top_line(), 0);
}

}  // namespace
}  // namespace zerkon
