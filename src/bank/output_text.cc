#include "bank/output_text.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace zerkon {

OutputText::OutputText(OutputLimits limits) : limits_(limits) {}

OutputText::OutputText(Sink sink) : sink_(std::move(sink)) {}

OutputText OutputText::Unwanted() {
    OutputText output([](std::string_view) {});
    output.wanted_ = false;
    return output;
}

void OutputText::Expect(OutputSize size) {
    if (sink_) return;  // streamed: a block at a time, whatever the size
    if (size.bytes > limits_.bytes || size.lines > limits_.lines) throw OutputTooLarge();
    // Reserved, not touched: the pages are used only as the text reaches them.
    buffer_.reserve(size_ + size.bytes);
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
    const std::size_t step = sink_ ? kBlockSize : kStep;
    buffer_.resize(std::max(buffer_.size() + step, size_ + count));
    room_ = buffer_.size() - size_;
}

void OutputText::Flush() {
    sink_(View());
    room_ += size_;
    size_ = 0;
}

void OutputText::Finish() {
    if (sink_) {
        if (size_ > 0) Flush();
        return;
    }
    buffer_.resize(size_);
    room_ = 0;
}

std::string OutputText::Take() {
    Finish();
    std::string text = std::move(buffer_);
    buffer_.clear();
    size_ = 0;
    room_ = 0;
    return text;
}

}  // namespace zerkon
