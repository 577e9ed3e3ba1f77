#pragma once
// The text a bank decoder writes: lines, each followed by CR LF, appended piece
// by piece. The window holds it whole (the memo shows it, the print job keeps
// it); the command line hands it on in blocks, so that an output of any length
// is never held. A decoder first says how much it will write at most: a held
// text takes room for that once, and refuses it beyond its limits before
// anything is made. A NUL byte leaves as a space. A streamed text whose sink
// fails (a full disk) keeps the failure and drops the rest; its writer stops
// when status() tells it.

#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include "common/status.h"

namespace zerkon {

// The most a held text may be. The defaults keep a preview that the window
// can index and scroll at once; a statement of about 300 MB still fits.
struct OutputLimits {
    std::size_t bytes = std::size_t{512} << 20;
    std::size_t lines = std::size_t{32} << 20;
};

// What a decoder will write at most.
struct OutputSize {
    std::size_t bytes = 0;
    std::size_t lines = 0;
};

// Copies n bytes. Most pieces of a text are a few bytes: copies of fixed
// size (two that may overlap) instead of a call.
inline void CopyBytes(char* to, const char* from, std::size_t n) {
    if (n >= 8 && n <= 16) {
        std::memcpy(to, from, 8);
        std::memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4 && n < 8) {
        std::memcpy(to, from, 4);
        std::memcpy(to + n - 4, from + n - 4, 4);
    } else if (n > 0 && n < 4) {
        to[0] = from[0];
        to[n / 2] = from[n / 2];
        to[n - 1] = from[n - 1];
    } else if (n > 16) {
        std::memcpy(to, from, n);
    }
}

class OutputText {
  public:
    using Sink = std::function<Status(std::string_view block)>;

    // Holds the whole text.
    explicit OutputText(OutputLimits limits = {});
    // Hands the text to `sink` in blocks of whole records.
    explicit OutputText(Sink sink);
    // Nobody wants it: decoders skip it, and anything appended is dropped.
    static OutputText Unwanted();

    bool wanted() const { return wanted_; }
    // Held whole, rather than handed on or dropped.
    bool held() const { return !sink_; }
    // Before writing: the most that will be written. kTooLarge (without a
    // message: the caller knows the file) when a held text would pass its
    // limits; nothing is written then.
    Status Expect(OutputSize size);
    // Success, or why the text could not be kept: its limits, or the sink's
    // failure.
    const Status& status() const { return status_; }

    void Append(std::string_view text) {
        const std::size_t n = text.size();
        if (n == 0) return;  // its data() may be null, which memcpy must not get
        if (n > room_) MakeRoom(n);
        CopyBytes(buffer_.data() + size_, text.data(), n);
        Advance(n);
    }
    void Append(char c) {
        if (room_ == 0) MakeRoom(1);
        buffer_[size_] = c;
        Advance(1);
    }
    // Decimal, as std::to_string writes it.
    void AppendNumber(long long value);
    // Room for up to `count` bytes written in place; Wrote() then says how
    // many were.
    char* Room(std::size_t count) {
        if (count > room_) MakeRoom(count);
        return buffer_.data() + size_;
    }
    void Wrote(std::size_t count) { Advance(count); }

    // After a record (whole lines): a streamed text hands on a full block.
    void EndRecord() {
        if (sink_ && size_ >= kBlockSize) Flush();
    }
    // After the last record: a streamed text hands on the rest.
    void Finish();

    // The held text so far.
    std::string_view View() const { return {buffer_.data(), size_}; }
    // Takes the held text out.
    std::string Take();

  private:
    static constexpr std::size_t kBlockSize = 256 * 1024;
    // Room is cleared a step at a time just ahead of the writing, never all
    // of a reservation at once.
    static constexpr std::size_t kStep = 1024 * 1024;

    void Advance(std::size_t count) {
        size_ += count;
        room_ -= count;
    }
    void MakeRoom(std::size_t count);
    void Flush();
    void ShowNulAsSpace(std::size_t from);

    bool wanted_ = true;
    OutputLimits limits_;
    Sink sink_;
    std::string buffer_;  // the text is its first size_ bytes
    std::size_t size_ = 0;
    std::size_t room_ = 0;     // buffer_.size() - size_
    std::size_t checked_ = 0;  // held text before this has no NUL
    Status status_;
};

}  // namespace zerkon
