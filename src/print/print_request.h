#pragma once
// PrintRequest: the 565-byte WM_COPYDATA record that tells the print engine
// which job file to take. Little-endian, packed; a text field is one length
// byte followed by the Windows-1250 characters, cut to the field's capacity,
// the rest of the field zero.
//   offset   size  content
//        0      4  the engine's main window (the receiver); 0 when none was found
//        4      4  this program's main window
//        8    101  job file name with ".vrex", no folder (up to 100 characters)
//      109     61  zero
//      170    129  job folder (up to 128 characters)
//      299     21  calling program: "Zerkon" or "ZERKON pro RALwin" (up to 20)
//      320      3  1, 1, 1
//      323    242  zero

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zerkon {

inline constexpr std::size_t kPrintRequestSize = 565;
inline constexpr std::string_view kBankProgramName = "Zerkon";
inline constexpr std::string_view kEldpProgramName = "ZERKON pro RALwin";

struct PrintRequestFields {
    std::uint32_t engine_window = 0;
    std::uint32_t caller_window = 0;
    std::string job_file_name;
    std::string job_folder;
    std::string program_name;
};

using PrintRequest = std::array<std::uint8_t, kPrintRequestSize>;

PrintRequest BuildPrintRequest(const PrintRequestFields& fields);

// Reads the fields back (used by the print-engine stand-in). Texts are cut to
// the bytes actually present when a length byte exceeds its field.
PrintRequestFields ReadPrintRequest(std::span<const std::uint8_t, kPrintRequestSize> request);

}  // namespace zerkon
