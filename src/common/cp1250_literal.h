#pragma once
// Czech text literals: "Zpět"_cz is the Windows-1250 program text of the UTF-8 source literal,
// converted while compiling. Every compiler sees the same UTF-8 sources and produces the same
// bytes, with no compiler option for the execution character set. A character that
// Windows-1250 cannot hold stops the build; bytes written as escapes that are no UTF-8 pass
// unchanged. "č"_cz[0] is a single character.

#include <array>
#include <cstddef>
#include <string_view>

#include "common/cp1250.h"

namespace zerkon {
namespace cp1250_detail {

template <std::size_t N>
struct Utf8Literal {
    char bytes[N]{};
    consteval Utf8Literal(const char (&text)[N]) {
        for (std::size_t i = 0; i < N; ++i) bytes[i] = text[i];
    }
};

// Length of the UTF-8 sequence at text[i], or 0 when the bytes there are no UTF-8.
constexpr std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80             ? 1
                               : (lead & 0xE0) == 0xC0 ? 2
                               : (lead & 0xF0) == 0xE0 ? 3
                                                       : 0;
    if (length == 0 || i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

template <Utf8Literal Source>
inline constexpr auto kCp1250Literal = [] {
    std::array<char, sizeof(Source.bytes)> out{};
    const std::string_view utf8(Source.bytes, sizeof(Source.bytes) - 1);
    std::size_t length = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        if (Utf8SequenceLength(utf8, i) == 0) {
            // A byte written as an escape ("\x87") is Windows-1250 already.
            out[length++] = utf8[i++];
            continue;
        }
        const char32_t code_point = NextUtf8(utf8, i);
        const char byte = UnicodeToCp1250(code_point);
        if (byte == '?' && code_point != U'?') throw "not a Windows-1250 character";
        out[length++] = byte;
    }
    return out;  // the unused tail stays zero: the text is zero-terminated
}();

}  // namespace cp1250_detail

template <cp1250_detail::Utf8Literal Source>
consteval const char* operator""_cz() {
    return cp1250_detail::kCp1250Literal<Source>.data();
}

}  // namespace zerkon
