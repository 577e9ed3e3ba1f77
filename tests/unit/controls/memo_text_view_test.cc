#include "controls/memo_text_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp1250_literal.h"

namespace zerkon {
namespace {

constexpr int kUp = 0x26, kDown = 0x28, kPrior = 0x21, kNext = 0x22, kHome = 0x24, kEnd = 0x23;

TEST(MemoTextViewLines, BreaksAtCrLfCrAndLfLikeAnEdit) {
    MemoTextView view;
    EXPECT_EQ(view.LineCount(), 1);  // empty: one empty line
    view.SetText("a\r\nbc\rd\n\r\n");
    ASSERT_EQ(view.LineCount(), 5);
    EXPECT_EQ(view.Line(0), "a");
    EXPECT_EQ(view.Line(1), "bc");
    EXPECT_EQ(view.Line(2), "d");
    EXPECT_EQ(view.Line(3), "");
    EXPECT_EQ(view.Line(4), "");  // after the final break
    EXPECT_EQ(view.Line(5), "");
    EXPECT_EQ(view.LineStart(1), 3u);
    EXPECT_EQ(view.LineStart(4), 10u);
    EXPECT_EQ(view.LineStart(9), 10u);
}

TEST(MemoTextViewLines, LineOfACharacter) {
    MemoTextView view;
    view.SetText("ab\r\ncd\r\n");
    EXPECT_EQ(view.LineFromChar(0), 0);
    EXPECT_EQ(view.LineFromChar(3), 0);  // the LF of the first break
    EXPECT_EQ(view.LineFromChar(4), 1);
    EXPECT_EQ(view.LineFromChar(8), 2);
    EXPECT_EQ(view.LineFromChar(1000), 2);
}

TEST(MemoTextViewLines, AMillionLinesAreIndexedWhole) {
    std::string text;
    for (int i = 0; i < 1'100'000; ++i) text += "Částka 12 345,67\r\n"_cz;
    MemoTextView view;
    view.SetText(std::move(text));
    EXPECT_EQ(view.LineCount(), 1'100'001);
    EXPECT_EQ(view.Line(1'099'999), "Částka 12 345,67"_cz);
}

// Every character `width` pixels wide (byte 'W' three times as wide), rows of
// `row_width` pixels.
RowWidths Widths(int row_width, int width = 1) {
    RowWidths widths{.width = row_width};
    widths.char_width.fill(width);
    widths.char_width['W'] = 3 * width;
    return widths;
}

TEST(MemoTextViewWrap, LongLinesTakeSeveralRowsWithoutLosingCharacters) {
    MemoTextView view;
    const RowWidths four = Widths(4);
    view.SetText("abcdefghijk\r\nxy\r\n", &four);
    ASSERT_EQ(view.LineCount(), 5);
    EXPECT_EQ(view.Line(0), "abcd");
    EXPECT_EQ(view.Line(1), "efgh");
    EXPECT_EQ(view.Line(2), "ijk");
    EXPECT_EQ(view.Line(3), "xy");
    EXPECT_EQ(view.Line(4), "");
    EXPECT_EQ(view.LineFromChar(5), 1);
    EXPECT_EQ(view.LineFromChar(13), 3);
    EXPECT_EQ(view.text(), "abcdefghijk\r\nxy\r\n");  // the text itself is untouched
}

TEST(MemoTextViewWrap, RowsEndAfterTheLastBlankThatFitsAndByWidth) {
    MemoTextView view;
    const RowWidths five = Widths(5);
    view.SetText("abc def ghi\r\nWWx", &five);
    std::vector<std::string_view> rows;
    for (int i = 0; i < view.LineCount(); ++i) rows.push_back(view.Line(i));
    // "WW" is six pixels wide: one W a row.
    EXPECT_EQ(rows, (std::vector<std::string_view>{"abc ", "def ", "ghi", "W", "Wx"}));
    // A width narrower than a character wraps nothing.
    const RowWidths narrow = Widths(2);
    view.Rewrap(&narrow);
    EXPECT_EQ(view.LineCount(), 2);
}

TEST(MemoTextViewWrap, RewrapKeepsTheCaretOnItsCharacter) {
    MemoTextView view;
    const RowWidths two = Widths(3, 1);
    view.SetText("abcdefgh\nij", &two);
    EXPECT_EQ(view.LineCount(), 4);  // abc, def, gh, ij
    view.SetCaretLine(2);            // "gh"
    const RowWidths four = Widths(4);
    view.Rewrap(&four);
    EXPECT_EQ(view.LineCount(), 3);
    EXPECT_EQ(view.caret_line(), 1);  // "efgh" holds the g
    view.Rewrap(nullptr);
    EXPECT_EQ(view.LineCount(), 2);
    EXPECT_EQ(view.caret_line(), 0);
}

TEST(MemoTextViewCaret, KeysMoveTheCaretAndKeepItInView) {
    MemoTextView view;
    view.SetText("0\n1\n2\n3\n4\n5\n6\n7\n8\n9");
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
    view.SetText("0\n1\n2\n3\n4");
    view.SetPage(3);
    view.ScrollTo(100);
    EXPECT_EQ(view.top_line(), 2);
    view.ScrollTo(-5);
    EXPECT_EQ(view.top_line(), 0);
    view.SetCaretLine(4);
    view.SetPage(10);  // a taller window shows everything from the top
    EXPECT_EQ(view.top_line(), 0);
    view.SetText("x");
    EXPECT_EQ(view.caret_line(), 0);
    EXPECT_EQ(view.top_line(), 0);
}

}  // namespace
}  // namespace zerkon
