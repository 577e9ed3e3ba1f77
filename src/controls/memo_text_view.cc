#include "controls/memo_text_view.h"

#include <algorithm>

namespace zerkon {

namespace {
constexpr int kVkPrior = 0x21;
constexpr int kVkNext = 0x22;
constexpr int kVkEnd = 0x23;
constexpr int kVkHome = 0x24;
constexpr int kVkUp = 0x26;
constexpr int kVkDown = 0x28;
}  // namespace

void MemoTextView::SetText(std::u16string text, const RowBreaker& wrap) {
    text_ = std::move(text);
    BuildRows(wrap);
    caret_line_ = 0;
    top_line_ = 0;
}

void MemoTextView::Rewrap(const RowBreaker& wrap) {
    const std::size_t caret = LineStart(caret_line_);
    BuildRows(wrap);
    top_line_ = 0;
    SetCaretLine(LineFromChar(caret));
}

void MemoTextView::BuildRows(const RowBreaker& wrap) {
    starts_.assign(1, 0);
    const std::size_t size = text_.size();
    std::size_t line_start = 0;
    auto end_line = [&](std::size_t line_end) {
        if (!wrap || line_end == line_start) return;
        std::size_t row_start = line_start;
        const std::vector<std::size_t> rows =
            wrap(std::u16string_view(text_).substr(line_start, line_end - line_start));
        for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
            row_start += rows[i];
            if (row_start <= line_start || row_start >= line_end) break;  // a broken breaker
            starts_.push_back(row_start);
        }
    };
    for (std::size_t i = 0; i < size; ++i) {
        const char16_t c = text_[i];
        if (c != u'\r' && c != u'\n') continue;
        end_line(i);
        if (c == u'\r' && i + 1 < size && text_[i + 1] == u'\n') ++i;
        starts_.push_back(i + 1);
        line_start = i + 1;
    }
    end_line(size);
}

std::size_t MemoTextView::LineStart(int line) const {
    if (line < 0) return 0;
    if (line >= LineCount()) return text_.size();
    return starts_[static_cast<std::size_t>(line)];
}

std::u16string_view MemoTextView::Line(int line) const {
    if (line < 0 || line >= LineCount()) return {};
    const std::size_t start = starts_[static_cast<std::size_t>(line)];
    std::size_t end =
        line + 1 < LineCount() ? starts_[static_cast<std::size_t>(line) + 1] : text_.size();
    // A row that ends its line ends in the line break; a wrapped row does not
    // (lines hold no CR or LF).
    if (end > start && text_[end - 1] == u'\n') {
        --end;
        if (end > start && text_[end - 1] == u'\r') --end;
    } else if (end > start && text_[end - 1] == u'\r') {
        --end;
    }
    return std::u16string_view(text_).substr(start, end - start);
}

int MemoTextView::LineFromChar(std::size_t position) const {
    position = std::min(position, text_.size());
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
    return static_cast<int>(after - starts_.begin()) - 1;
}

void MemoTextView::SetPage(int lines) {
    page_ = std::max(1, lines);
    top_line_ = std::min(top_line_, MaxTopLine());
}

int MemoTextView::MaxTopLine() const {
    return std::max(0, LineCount() - page_);
}

void MemoTextView::ScrollTo(int top_line) {
    top_line_ = std::clamp(top_line, 0, MaxTopLine());
}

void MemoTextView::SetCaretLine(int line) {
    caret_line_ = std::clamp(line, 0, LineCount() - 1);
    if (caret_line_ < top_line_) {
        ScrollTo(caret_line_);
    } else if (caret_line_ >= top_line_ + page_) {
        ScrollTo(caret_line_ - page_ + 1);
    }
}

bool MemoTextView::Navigate(int key, bool ctrl) {
    switch (key) {
        case kVkUp:
            SetCaretLine(caret_line_ - 1);
            return true;
        case kVkDown:
            SetCaretLine(caret_line_ + 1);
            return true;
        case kVkPrior:
            SetCaretLine(caret_line_ - page_);
            return true;
        case kVkNext:
            SetCaretLine(caret_line_ + page_);
            return true;
        case kVkHome:
            if (ctrl) SetCaretLine(0);
            return true;
        case kVkEnd:
            if (ctrl) SetCaretLine(LineCount() - 1);
            return true;
        default:
            return false;
    }
}

}  // namespace zerkon
