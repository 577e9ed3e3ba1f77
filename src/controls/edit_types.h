#pragma once
// Types shared by the edit control's behaviour and its window class: the
// enumerations of its settings, colours, money values and key codes.

#include <bitset>
#include <cstdint>
#include <string_view>

namespace zerkon::edit {

// A colour as window layouts store it: an RGB value (0x00BBGGRR), or a system
// colour index with the top byte set (the window layer resolves it).
using Colour = std::uint32_t;
inline constexpr Colour kSystemColour = 0xFF000000;
inline constexpr Colour kClWindow = kSystemColour | 5;      // COLOR_WINDOW
inline constexpr Colour kClWindowText = kSystemColour | 8;  // COLOR_WINDOWTEXT
inline constexpr Colour kClBtnFace = kSystemColour | 15;    // COLOR_BTNFACE
inline constexpr Colour kClInfoBk = kSystemColour | 24;     // COLOR_INFOBK
inline constexpr Colour kLightYellow = 10092543;            // RGB(255, 255, 153)
constexpr bool IsSystemColour(Colour c) {
    return (c & kSystemColour) == kSystemColour;
}

// A money value: a signed 64-bit count of ten-thousandths.
using Currency = std::int64_t;
inline constexpr Currency kCurrencyUnit = 10000;

// A set of 8-bit (Windows-1250) characters.
using CharSet = std::bitset<256>;
inline bool Contains(const CharSet& set, char c) {
    return set[static_cast<unsigned char>(c)];
}
CharSet MakeCharSet(std::string_view chars);

enum class TypeEdit { teCurrency, teFloat, teInteger, teString, teMask, teComboBox };
enum class CaseMode { cmNormal, cmProperCase, cmLowerCase, cmUpperCase };
enum class EditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum class CursorEndField {
    cfNormal,
    cfPosition,
    cfBegin,
    cfEnd,
    cfZeroElsePosition,
    cfZeroElseBegin,
    cfZeroElseEnd
};
enum class CurrencyPos { ncCurr_Right, ncCurr_Left, ncCurrRight, ncCurrLeft };
enum class NumberArea { naUnspecified, naOnlyPositive, naOnlyNegative, naPositive, naNegative };
enum class ExitString { esNormal, esLeft, esRight, esLeftRight };
enum class PaintAlignment { Left, Right, Centre };

constexpr bool IsNumberType(TypeEdit t) {
    return t == TypeEdit::teCurrency || t == TypeEdit::teFloat || t == TypeEdit::teInteger;
}

// Shift state of a key stroke and the short-cut code built from it
// (virtual key in the low byte, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt).
struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};
using ShortCut = std::uint16_t;
constexpr ShortCut MakeShortCut(int key, ShiftState s) {
    return static_cast<ShortCut>((key & 0xFF) | (s.shift ? 0x2000 : 0) | (s.ctrl ? 0x4000 : 0) |
                                 (s.alt ? 0x8000 : 0));
}

// Virtual key codes (the Windows values).
namespace vk {
inline constexpr int kBack = 0x08;
inline constexpr int kReturn = 0x0D;
inline constexpr int kPrior = 0x21;  // Page Up
inline constexpr int kNext = 0x22;   // Page Down
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kInsert = 0x2D;
inline constexpr int kDelete = 0x2E;
inline constexpr int k0 = 0x30;
inline constexpr int k9 = 0x39;
inline constexpr int kNumpad0 = 0x60;
}  // namespace vk

}  // namespace zerkon::edit
