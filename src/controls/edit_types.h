#pragma once
// Types shared by the edit control's behaviour and its window class: the
// enumerations of its settings.

#include <bitset>
#include <cstdint>
#include <string_view>

#include "common/number_helpers.h"
#include "controls/control_colours.h"
#include "controls/virtual_keys.h"

namespace zerkon::edit {

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

}  // namespace zerkon::edit
