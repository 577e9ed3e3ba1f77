#pragma once
// Message boxes whose texts live in the message data file: a sectioned data
// file (see data_file_lookup.h) with one section per message name. Inside a
// section a line starting with the byte 0x87 ("‡") gives the caption (the
// last one wins), a line starting with "~" adds a line break, and every other
// line is appended to the text after a line break (LF) when the text is not
// empty. "%1", "%2", ... are replaced by the arguments, "$$" by "Kč".

#include <string>
#include <string_view>
#include <vector>

#include "common/file_system.h"
#include "common/status.h"

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

// A message of the message file, its arguments put in.
struct FileMessage {
    std::string text;  // empty when the message was not found
    std::string caption;
};

struct FileMessageLookup {
    FileMessage message;
    // For each message file that could not be read, in the order they were tried, the
    // missing-file failure ("\"E_Message\" nemohu najít datový soubor: ...", caption "Chyba"),
    // which the caller shows before the message (ShowFileMessage does).
    std::vector<Status> missing_files;
};

// Looks the message up in the files the settings name.
FileMessageLookup LookUpFileMessage(FileSystem& files, std::string_view message_name,
                                    const std::vector<std::string>& arguments,
                                    const MessageFileSettings& settings);

}  // namespace zerkon
