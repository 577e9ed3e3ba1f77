#pragma once
// Czech text literals: "Zpět"_cz is the Windows-1250 program text of the UTF-8 source literal,
// converted while compiling. Every compiler sees the same UTF-8 sources and produces the same
// bytes, with no compiler option for the execution character set. A character that
// Windows-1250 cannot hold stops the build; bytes written as escapes that are no UTF-8 pass
// unchanged. "č"_cz[0] is a single character.

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "common/cp1250.h"

namespace zerkon {
namespace cp1250_detail {

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

template <std::size_t N>
struct Cp1250Bytes {
    std::array<char, N> bytes{};
    std::size_t length = 0;
};

template <char... Utf8>
constexpr auto ConvertUtf8() {
    constexpr char source[] = {Utf8..., '\0'};
    const std::string_view utf8(source, sizeof...(Utf8));
    Cp1250Bytes<sizeof...(Utf8) + 1> out;
    for (std::size_t i = 0; i < utf8.size();) {
        if (Utf8SequenceLength(utf8, i) == 0) {
            // A byte written as an escape ("\x87") is Windows-1250 already.
            out.bytes[out.length++] = utf8[i++];
            continue;
        }
        const char32_t code_point = NextUtf8(utf8, i);
        const char byte = UnicodeToCp1250(code_point);
        if (byte == '?' && code_point != U'?') throw "not a Windows-1250 character";
        out.bytes[out.length++] = byte;
    }
    return out;
}

template <char... Bytes>
struct Cp1250Text {
    static constexpr char value[] = {Bytes..., '\0'};
};

template <char... Utf8, std::size_t... I>
consteval const char* Cp1250TextOf(std::index_sequence<I...>) {
    constexpr auto converted = ConvertUtf8<Utf8...>();
    return Cp1250Text<converted.bytes[I]...>::value;
}

}  // namespace cp1250_detail

// The literal's characters come as a pack (a GNU extension that g++ and clang share): clang 14
// crashes while describing a literal operator whose parameter is a class holding the text.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wgnu-string-literal-operator-template"
#endif
template <typename Char, Char... Utf8>
consteval const char* operator""_cz() {
    static_assert(sizeof(Char) == 1, "\"...\"_cz takes a narrow literal");
    constexpr std::size_t length = cp1250_detail::ConvertUtf8<Utf8...>().length;
    return cp1250_detail::Cp1250TextOf<Utf8...>(std::make_index_sequence<length>());
}
#if defined(__clang__)
#pragma clang diagnostic pop
#endif

}  // namespace zerkon
