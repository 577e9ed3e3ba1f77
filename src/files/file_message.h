#pragma once
// Message boxes whose texts live in the message data file: a sectioned data
// file (see data_file_lookup.h) with one section per message name. Inside a
// section a line starting with the byte 0x87 ("‡") gives the caption (the
// last one wins), a line starting with "~" adds a line break, and every other
// line is appended to the text after a line break (LF) when the text is not
// empty. "%1", "%2", ... are replaced by the arguments, "$$" by "Kč".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box.h"

namespace zerkon {

// The program ships its message file beside the executable under this name.
inline constexpr std::string_view kMessageFileName = "zerkon.msg";

struct MessageFileSettings {
    std::string first_path;
    std::string second_path;
    // True: only first_path is read. False: second_path, then first_path when
    // the second gives no text.
    bool first_only = true;
};

// The settings for the message file shipped beside the program.
MessageFileSettings ShippedMessageFile(std::string_view program_folder);

// Looks the message up and shows it with the given buttons and icon. Returns
// the answer, or nothing when the message was not found (a missing file shows
// the missing-file box and gives nothing).
std::optional<MessageResult> ShowFileMessage(std::string_view message_name,
                                             const std::vector<std::string>& arguments,
                                             MessageButtons buttons, MessageIcon icon,
                                             const MessageFileSettings& settings,
                                             MessageBoxes& boxes);

}  // namespace zerkon
