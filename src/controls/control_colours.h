#pragma once
// The colours of the data-entry controls, as their settings hold them: an RGB value
// (0x00BBGGRR), or a system colour index with the top byte set (the window layer resolves it).

#include <cstdint>

namespace zerkon {

using ControlColour = std::uint32_t;
inline constexpr ControlColour kSystemColourFlag = 0xFF000000;
inline constexpr ControlColour kClWindow = kSystemColourFlag | 5;      // COLOR_WINDOW
inline constexpr ControlColour kClWindowText = kSystemColourFlag | 8;  // COLOR_WINDOWTEXT
inline constexpr ControlColour kClBtnFace = kSystemColourFlag | 15;    // COLOR_BTNFACE
inline constexpr ControlColour kClInfoBk = kSystemColourFlag | 24;     // COLOR_INFOBK
// Light yellow, the background of every focused data-entry control.
inline constexpr ControlColour kColourLightYellow = 10092543;  // RGB(255, 255, 153)

constexpr bool IsSystemColour(ControlColour colour) {
    return (colour & kSystemColourFlag) == kSystemColourFlag;
}

}  // namespace zerkon
