#pragma once
// Windows-1250 program text and its conversion to and from Unicode.
// Program text is held as Windows-1250 bytes in std::string; a character
// position is a byte position. The five bytes that Windows-1250 leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 control of the same
// number, as Windows does, so every byte string round-trips.

#include <string>
#include <string_view>

namespace zerkon {

char16_t Cp1250ToUnicode(unsigned char byte);
// '?' for characters Windows-1250 cannot hold.
char UnicodeToCp1250(char32_t code_point);

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
