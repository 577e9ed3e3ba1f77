#include "bank/output_text.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace zerkon {

OutputText::OutputText(OutputLimits limits) : limits_(limits) {}

OutputText::OutputText(Sink sink) : sink_(std::move(sink)) {}

OutputText OutputText::Unwanted() {
    OutputText output([](std::string_view) { return Status::Ok(); });
    output.wanted_ = false;
    return output;
}

Status OutputText::Expect(OutputSize size) {
    if (sink_) return Status::Ok();  // streamed: a block at a time, whatever the size
    if (size.bytes > limits_.bytes || size.lines > limits_.lines) {
        status_ = Status::Failed(StatusCode::kTooLarge, "");
        return status_;
    }
    // Reserved, not touched: the pages are used only as the text reaches them.
    buffer_.reserve(size_ + size.bytes);
    return Status::Ok();
}

void OutputText::AppendNumber(long long value) {
    constexpr std::size_t kWidest = 20;  // a sign and 19 digits
    if (room_ < kWidest) MakeRoom(kWidest);
    char* start = buffer_.data() + size_;
    Advance(static_cast<std::size_t>(std::to_chars(start, start + kWidest, value).ptr - start));
}

// A streamed text grows too rather than hand on part of a record: blocks end
// at whole lines.
void OutputText::MakeRoom(std::size_t count) {
    // A short text takes little; a long one grows a step at a time.
    const std::size_t step =
        sink_ ? kBlockSize : std::clamp<std::size_t>(buffer_.size(), 4096, kStep);
    buffer_.resize(std::max(buffer_.size() + step, size_ + count));
    room_ = buffer_.size() - size_;
}

// A NUL byte of a file becomes a space: whoever reads the text (the memo, the
// print engine, a terminal) would end it there and lose every later line.
void OutputText::ShowNulAsSpace(std::size_t from) {
    char* at = buffer_.data() + from;
    char* const end = buffer_.data() + size_;
    while ((at = static_cast<char*>(std::memchr(at, '\0', static_cast<std::size_t>(end - at))))) {
        *at++ = ' ';
    }
}

void OutputText::Flush() {
    if (status_.ok()) {
        ShowNulAsSpace(0);
        status_ = sink_(View());
    }
    room_ += size_;
    size_ = 0;
}

void OutputText::Finish() {
    if (sink_) {
        if (size_ > 0) Flush();
        return;
    }
    ShowNulAsSpace(checked_);
    checked_ = size_;
    buffer_.resize(size_);
    room_ = 0;
}

std::string OutputText::Take() {
    Finish();
    std::string text = std::move(buffer_);
    buffer_.clear();
    size_ = 0;
    checked_ = 0;
    room_ = 0;
    return text;
}

}  // namespace zerkon
