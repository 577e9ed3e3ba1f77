#include "bank/decoder_text.h"

#include <cstring>
#include <limits>

namespace zerkon::bank_text {

std::string_view Stars(size_t count) {
    static constexpr std::string_view kStars =
        "**********************************************************************";
    return kStars.substr(0, count);
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    const char* pos = bytes.data();
    const char* const end = pos + bytes.size();
    while (pos < end) {
        // memchr for the common LF case; a CR before it ends the line earlier.
        const char* lf = static_cast<const char*>(std::memchr(pos, '\n', end - pos));
        const char* stop = lf != nullptr ? lf : end;
        const char* cr = static_cast<const char*>(std::memchr(pos, '\r', stop - pos));
        if (cr != nullptr) {
            lines.emplace_back(pos, cr - pos);
            pos = cr + 1;
            if (pos < end && *pos == '\n') ++pos;
        } else {
            lines.emplace_back(pos, stop - pos);
            pos = stop == end ? end : stop + 1;
        }
    }
    return lines;
}

std::string_view NextToken(std::string_view& rest) {
    const size_t space = rest.find(' ');
    std::string_view token = rest.substr(0, space);
    rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    return token;
}

std::string DottedDate(std::string_view date) {
    std::string out(date);
    out.insert(std::min<size_t>(2, out.size()), 1, '.');
    out.insert(std::min<size_t>(5, out.size()), 1, '.');
    return out;
}

namespace {

size_t SizeOf(std::initializer_list<std::string_view> parts) {
    size_t size = 0;
    for (std::string_view part : parts) size += part.size();
    return size;
}

void CopyParts(std::string& out, std::initializer_list<std::string_view> parts) {
    char* data = out.data();
    for (std::string_view part : parts) {
        if (!part.empty()) std::memcpy(data, part.data(), part.size());
        data += part.size();
    }
}

}  // namespace

std::string Concat(std::initializer_list<std::string_view> parts) {
    // Sized at construction: one allocation and no growth.
    std::string out(SizeOf(parts), '\0');
    CopyParts(out, parts);
    return out;
}

void AddConcat(std::vector<std::string>& entries, std::initializer_list<std::string_view> parts) {
    CopyParts(entries.emplace_back(SizeOf(parts), '\0'), parts);
}

void TextParts::Add(std::initializer_list<std::string_view> parts) {
    for (std::string_view part : parts) {
        if (count_ == kCapacity) {
            for (std::string_view earlier : parts_) overflow_.append(earlier);
            count_ = 0;
        }
        parts_[count_++] = part;
    }
}

std::string TextParts::Build() const {
    size_t size = overflow_.size();
    for (size_t i = 0; i < count_; ++i) size += parts_[i].size();
    std::string out(size, '\0');
    char* data = out.data();
    if (!overflow_.empty()) std::memcpy(data, overflow_.data(), overflow_.size());
    data += overflow_.size();
    for (size_t i = 0; i < count_; ++i) {
        if (!parts_[i].empty()) std::memcpy(data, parts_[i].data(), parts_[i].size());
        data += parts_[i].size();
    }
    return out;
}

Amount AddSaturating(Amount a, Amount b) {
    Amount sum;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? std::numeric_limits<Amount>::max() : std::numeric_limits<Amount>::min();
}

}  // namespace zerkon::bank_text
