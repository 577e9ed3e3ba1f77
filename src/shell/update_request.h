#pragma once
// UpdateRequest: the 654-byte record handed to the update program Zuta with WM_COPYDATA.
//
// Packed, integers little-endian; a text field is one length byte followed by the characters
// (Windows-1250), cut to the field's maximum.
//   0   4  window handle of Zuta's main window (the receiver)
//   4   4  window handle of the caller's main window
//   8   4  X, signed          12  4  Y, signed
//  16   1  mode               17  1  mode again
//  18  31  host (30)          49 31  product (30)
//  80  21  version (20)      101 21  extra (20)
// 122  81  download folder (80)
// 203   4  reserved
// 207 447  not set (zero here, as every byte this program does not set)

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window_messenger.h"

namespace zerkon {

inline constexpr std::size_t kUpdateRequestSize = 654;

struct UpdateInputs {
    int x = 0;
    int y = 0;
    std::uint8_t mode = 0;
    std::string host;
    std::string product;
    std::string version;
    std::string extra;
    std::string download_folder;
    std::uint32_t reserved = 0;
    WindowHandle caller = 0;
};

std::vector<std::uint8_t> BuildUpdateRequest(WindowHandle receiver, const UpdateInputs& inputs);

}  // namespace zerkon
