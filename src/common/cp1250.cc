#include "common/cp1250.h"

namespace zerkon {

namespace {

struct Utf8Bytes {
    char bytes[3] = {};
    unsigned char size = 0;
};

// Every byte's character as UTF-8, made once at compile time: text is
// converted a byte at a time without branching on the code point.
constexpr std::array<Utf8Bytes, 256> MakeUtf8Table() {
    std::array<Utf8Bytes, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t cp = Cp1250ToUnicode(static_cast<unsigned char>(byte));
        Utf8Bytes& c = table[static_cast<std::size_t>(byte)];
        if (cp < 0x80) {
            c = {{static_cast<char>(cp)}, 1};
        } else if (cp < 0x800) {
            c = {{static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))}, 2};
        } else {
            c = {
                {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                 static_cast<char>(0x80 | (cp & 0x3F))},
                3};
        }
    }
    return table;
}

constexpr std::array<Utf8Bytes, 256> kUtf8Of = MakeUtf8Table();

}  // namespace

std::string_view Cp1250ByteAsUtf8(unsigned char byte) {
    const Utf8Bytes& c = kUtf8Of[byte];
    return {c.bytes, c.size};
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Cp1250ToUtf8(std::string_view text) {
    std::string out;
    out.resize(text.size() * 3);
    char* end = out.data();
    for (const char c : text) {
        const Utf8Bytes& bytes = kUtf8Of[static_cast<unsigned char>(c)];
        // Three bytes are always copied; only `size` of them count.
        end[0] = bytes.bytes[0];
        end[1] = bytes.bytes[1];
        end[2] = bytes.bytes[2];
        end += bytes.size;
    }
    out.resize(static_cast<std::size_t>(end - out.data()));
    return out;
}

std::string Utf8ToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) out += UnicodeToCp1250(cp1250_detail::NextUtf8(utf8, i));
    return out;
}

std::u16string Cp1250ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text) out += Cp1250ToUnicode(static_cast<unsigned char>(c));
    return out;
}

std::string Utf16ToCp1250(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        char16_t u = utf16[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < utf16.size()) {
            ++i;  // a surrogate pair is never a Windows-1250 character
            out += '?';
        } else {
            out += UnicodeToCp1250(u);
        }
    }
    return out;
}

char UpperCase1250(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
    switch (b) {
        case 0x9A:
        case 0x9C:
        case 0x9D:
        case 0x9E:
        case 0x9F:
            return static_cast<char>(b - 0x10);
        case 0xB3:
            return static_cast<char>(0xA3);
        case 0xB9:
            return static_cast<char>(0xA5);
        case 0xBA:
            return static_cast<char>(0xAA);
        case 0xBE:
            return static_cast<char>(0xBC);
        case 0xBF:
            return static_cast<char>(0xAF);
        default:
            return c;
    }
}

char LowerCase1250(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 0x20);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 0x20);
    switch (b) {
        case 0x8A:
        case 0x8C:
        case 0x8D:
        case 0x8E:
        case 0x8F:
            return static_cast<char>(b + 0x10);
        case 0xA3:
            return static_cast<char>(0xB3);
        case 0xA5:
            return static_cast<char>(0xB9);
        case 0xAA:
            return static_cast<char>(0xBA);
        case 0xBC:
            return static_cast<char>(0xBE);
        case 0xAF:
            return static_cast<char>(0xBF);
        default:
            return c;
    }
}

std::string UpperCase1250(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = UpperCase1250(c);
    return out;
}

std::string LowerCase1250(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = LowerCase1250(c);
    return out;
}

}  // namespace zerkon
