#include "controls/memo_text_view.h"

#include <algorithm>
#include <limits>
#include <new>

namespace zerkon {

namespace {
constexpr int kVkPrior = 0x21;
constexpr int kVkNext = 0x22;
constexpr int kVkEnd = 0x23;
constexpr int kVkHome = 0x24;
constexpr int kVkUp = 0x26;
constexpr int kVkDown = 0x28;
}  // namespace

void MemoTextView::SetText(std::string text, const RowWidths* wrap) {
    text_ = std::move(text);  // the old text goes first
    caret_line_ = 0;
    top_line_ = 0;
    try {
        BuildRows(wrap);
    } catch (const std::bad_alloc&) {
        text_ = std::string();
        starts_.clear();
        starts_.push_back(0);  // within the capacity it always has
        throw;
    }
}

void MemoTextView::Rewrap(const RowWidths* wrap) {
    const std::size_t caret = LineStart(caret_line_);
    BuildRows(wrap);
    top_line_ = 0;
    SetCaretLine(LineFromChar(caret));
}

void MemoTextView::BuildRows(const RowWidths* wrap) {
    const std::size_t size = text_.size();
    if (size >= std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
    const char* const text = text_.data();
    auto ends_line = [&](std::size_t i) {
        return text[i] == '\n' || (text[i] == '\r' && (i + 1 == size || text[i + 1] != '\n'));
    };
    // Counted first, so that the starts take one allocation of their size.
    std::size_t lines = 1;
    for (std::size_t i = 0; i < size; ++i) lines += ends_line(i);
    starts_.clear();
    starts_.reserve(lines);
    starts_.push_back(0);

    int widest = 0;
    if (wrap) widest = *std::max_element(wrap->char_width.begin(), wrap->char_width.end());
    // A width that not even the widest character fits wraps nothing.
    if (wrap && (wrap->width < widest || widest <= 0)) wrap = nullptr;
    std::size_t line_start = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        if (wrap) AddRows(line_start, i, *wrap, widest);
        if (c == '\r' && i + 1 < size && text[i + 1] == '\n') ++i;
        line_start = i + 1;
        starts_.push_back(static_cast<std::uint32_t>(line_start));
    }
    if (wrap) AddRows(line_start, size, *wrap, widest);
    if (starts_.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw std::bad_alloc();
    }
}

void MemoTextView::AddRows(std::size_t line_start, std::size_t line_end, const RowWidths& wrap,
                           int widest) {
    const std::size_t width = static_cast<std::size_t>(wrap.width);
    // A line short enough to fit whatever its characters is not measured.
    if ((line_end - line_start) * static_cast<std::size_t>(widest) <= width) return;
    for (std::size_t pos = line_start; pos < line_end;) {
        std::size_t used = 0;
        std::size_t fit = 0;
        while (pos + fit < line_end) {
            const auto c = static_cast<unsigned char>(text_[pos + fit]);
            used += static_cast<std::size_t>(wrap.char_width[c]);
            if (used > width) break;
            ++fit;
        }
        std::size_t row = std::max<std::size_t>(1, fit);
        if (pos + row < line_end) {
            // After the last blank among the row and the first character
            // that did not fit.
            for (std::size_t blank = pos + row; blank > pos; --blank) {
                if (text_[blank] == ' ') {
                    row = blank - pos + 1;
                    break;
                }
            }
        }
        pos += std::min(row, line_end - pos);
        if (pos < line_end) starts_.push_back(static_cast<std::uint32_t>(pos));
    }
}

std::size_t MemoTextView::LineStart(int line) const {
    if (line < 0) return 0;
    if (line >= LineCount()) return text_.size();
    return starts_[static_cast<std::size_t>(line)];
}

std::string_view MemoTextView::Line(int line) const {
    if (line < 0 || line >= LineCount()) return {};
    const std::size_t start = starts_[static_cast<std::size_t>(line)];
    std::size_t end =
        line + 1 < LineCount() ? starts_[static_cast<std::size_t>(line) + 1] : text_.size();
    // A row that ends its line ends in the line break; a wrapped row does not
    // (lines hold no CR or LF).
    if (end > start && text_[end - 1] == '\n') {
        --end;
        if (end > start && text_[end - 1] == '\r') --end;
    } else if (end > start && text_[end - 1] == '\r') {
        --end;
    }
    return std::string_view(text_).substr(start, end - start);
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
