#pragma once
// The text model of the read-only memo view: the whole text, where its lines
// start, the caret line and the first line shown. It answers what a
// multi-line edit answers (line count, line of a character, line start) and
// moves the caret and the view for the navigation keys, so that a statement
// of a million lines is set in one go and shown at once.
//
// Long lines wrap, as in a word-wrapping edit: a "line" here is a row on the
// screen, and a line of the text may take several rows.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zerkon {

// Splits one line of the text (without its break) into rows: the lengths of
// the rows, which add up to the line's length; empty when the line fits.
using RowBreaker = std::function<std::vector<std::size_t>(std::u16string_view line)>;

class MemoTextView {
  public:
    // Replaces the whole text; the caret goes to the top. Lines end at CR LF,
    // CR or LF; a text ending in a line break has an empty last line, as in an
    // edit control. Without a breaker no line wraps.
    void SetText(std::u16string text, const RowBreaker& wrap = {});
    // Wraps the same text anew (another width or font); the caret stays on
    // the same character.
    void Rewrap(const RowBreaker& wrap);
    const std::u16string& text() const { return text_; }

    // Always at least 1 (an empty text is one empty line).
    int LineCount() const { return static_cast<int>(starts_.size()); }
    std::size_t LineStart(int line) const;
    // The line's characters without its line break.
    std::u16string_view Line(int line) const;
    // The line holding character position `position` (clamped to the text).
    int LineFromChar(std::size_t position) const;

    // Caret and scrolling. `page` is the number of whole lines the window
    // shows (at least 1).
    int caret_line() const { return caret_line_; }
    int top_line() const { return top_line_; }
    void SetPage(int lines);
    int page() const { return page_; }
    void SetCaretLine(int line);  // also scrolls so that the caret shows
    void ScrollTo(int top_line);  // the caret stays where it is
    int MaxTopLine() const;

    // The standard processing of a key-down (virtual key, Ctrl held): moves
    // the caret for Up, Down, Prior, Next, Home, End. False for other keys.
    bool Navigate(int key, bool ctrl);

  private:
    std::u16string text_;
    void BuildRows(const RowBreaker& wrap);

    std::vector<std::size_t> starts_{0};
    int caret_line_ = 0;
    int top_line_ = 0;
    int page_ = 1;
};

}  // namespace zerkon
