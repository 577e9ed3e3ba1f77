#pragma once
// Windows-1250 program text and its conversion to and from Unicode.
// Program text is held as Windows-1250 bytes in std::string; a character
// position is a byte position. The five bytes that Windows-1250 leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 control of the same
// number, as Windows does, so every byte string round-trips.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zerkon {

namespace cp1250_detail {

// Unicode code points of the bytes 0x80..0xFF.
inline constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Decodes one UTF-8 sequence at text[i], advancing i; returns U+FFFD when malformed.
constexpr char32_t NextUtf8(std::string_view text, size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size()) return 0xFFFD;
        const auto cont = static_cast<unsigned char>(text[i]);
        if ((cont & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (cont & 0x3F);
        ++i;
    }
    return cp;
}

}  // namespace cp1250_detail

constexpr char16_t Cp1250ToUnicode(unsigned char byte) {
    return byte < 0x80 ? static_cast<char16_t>(byte) : cp1250_detail::kHighHalf[byte - 0x80];
}

// '?' for characters Windows-1250 cannot hold.
constexpr char UnicodeToCp1250(char32_t code_point) {
    if (code_point < 0x80) return static_cast<char>(code_point);
    for (std::size_t i = 0; i < cp1250_detail::kHighHalf.size(); ++i) {
        if (cp1250_detail::kHighHalf[i] == code_point) return static_cast<char>(0x80 + i);
    }
    return '?';
}

// One code point as UTF-8.
void AppendUtf8(std::string& out, char32_t code_point);
// The UTF-8 bytes (one to three) of the character of one Windows-1250 byte.
std::string_view Cp1250ByteAsUtf8(unsigned char byte);
std::string Cp1250ToUtf8(std::string_view text);
// Invalid UTF-8 sequences become '?'.
std::string Utf8ToCp1250(std::string_view utf8);
std::u16string Cp1250ToUtf16(std::string_view text);
std::string Utf16ToCp1250(std::u16string_view utf16);

// ANSI case mapping of Windows-1250 (letters with diacritics included).
char UpperCase1250(char c);
char LowerCase1250(char c);
std::string UpperCase1250(std::string_view text);
std::string LowerCase1250(std::string_view text);

}  // namespace zerkon
