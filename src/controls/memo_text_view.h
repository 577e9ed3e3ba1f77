#pragma once
// The text model of the read-only memo view: the whole text (Windows-1250
// program text, held once), where its lines start, the caret line and the
// first line shown. It answers what a multi-line edit answers (line count,
// line of a character, line start) and moves the caret and the view for the
// navigation keys, so that a statement of millions of lines is taken in one go
// and shown at once.
//
// Long lines wrap, as in a word-wrapping edit: a "line" here is a row on the
// screen, and a line of the text may take several rows. A row ends after the
// last blank that fits, or after as many characters as fit when there is none.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zerkon {

// What rows are wrapped to: the width of the text area and the width of every
// character (a Windows-1250 byte) in the memo's font, in pixels.
struct RowWidths {
    int width = 0;
    std::array<int, 256> char_width{};
};

class MemoTextView {
  public:
    // Takes the whole text; the caret goes to the top. Lines end at CR LF, CR
    // or LF; a text ending in a line break has an empty last line, as in an
    // edit control. Without widths no line wraps. Throws std::bad_alloc, with
    // the view left empty, when the text cannot be indexed.
    void SetText(std::string text, const RowWidths* wrap = nullptr);
    // Wraps the same text anew (another width or font); the caret stays on
    // the same character.
    void Rewrap(const RowWidths* wrap);
    const std::string& text() const { return text_; }

    // Always at least 1 (an empty text is one empty line).
    int LineCount() const { return static_cast<int>(starts_.size()); }
    std::size_t LineStart(int line) const;
    // The line's characters without its line break.
    std::string_view Line(int line) const;
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
    void BuildRows(const RowWidths* wrap);
    void AddRows(std::size_t line_start, std::size_t line_end, const RowWidths& wrap, int widest);

    std::string text_;
    // Where the rows start: four bytes a row, whatever the length of the text.
    std::vector<std::uint32_t> starts_{0};
    int caret_line_ = 0;
    int top_line_ = 0;
    int page_ = 1;
};

}  // namespace zerkon
