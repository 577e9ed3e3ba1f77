#include "files/file_message.h"

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/file_helpers.h"
#include "common/text_helpers.h"
#include "files/data_file_lookup.h"

namespace zerkon {
namespace {

constexpr char kCaptionMark = '\x87';  // "‡" in Windows-1250
constexpr std::string_view kCurrencyText = "Kč"_cz;

// Reads the message's section; the missing-file failure when the file cannot be read.
Status ReadMessage(FileSystem& files, std::string_view name, std::string_view path,
                   FileMessage& message) {
    const Result<std::string> contents = files.ReadWhole(PathFromText(path));
    if (!contents.ok()) {
        return contents.status().Reworded("\"E_Message\" nemohu najít datový soubor: "_cz +
                                          std::string(path));
    }
    bool inside = false;
    for (const std::string& line : SplitTextLines(*contents)) {
        if (line.empty()) continue;
        const bool header = line.front() == '[';
        if (!inside) {
            if (header) {
                std::string copy = line;
                inside =
                    UpperCase1250(ExtractDelimited(copy, '[', ']', false)) == UpperCase1250(name);
            }
            continue;
        }
        if (header) break;
        if (line.front() == kCaptionMark) {
            message.caption = line.substr(1);
        } else if (line.front() == '~') {
            message.text += '\n';
        } else {
            if (!message.text.empty()) message.text += '\n';
            message.text += line;
        }
    }
    return Status::Ok();
}

FileMessage LookUp(FileSystem& files, std::string_view name, std::string_view path,
                   std::vector<Status>& missing_files) {
    FileMessage message;
    if (Status read = ReadMessage(files, name, path, message); !read.ok()) {
        missing_files.push_back(std::move(read));
    }
    return message;
}

}  // namespace

MessageFileSettings ShippedMessageFile(std::string_view program_folder) {
    return {std::string(program_folder) + std::string(kMessageFileName), "", true};
}

FileMessageLookup LookUpFileMessage(FileSystem& files, std::string_view message_name,
                                    const std::vector<std::string>& arguments,
                                    const MessageFileSettings& settings) {
    FileMessageLookup lookup;
    FileMessage& message = lookup.message;
    if (settings.first_only) {
        message = LookUp(files, message_name, settings.first_path, lookup.missing_files);
    } else {
        message = LookUp(files, message_name, settings.second_path, lookup.missing_files);
        if (message.text.empty()) {
            message = LookUp(files, message_name, settings.first_path, lookup.missing_files);
        }
    }
    if (message.text.empty()) return lookup;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string placeholder = "%" + std::to_string(k + 1);
        ReplaceAll(message.text, placeholder, arguments[k]);
        ReplaceAll(message.caption, placeholder, arguments[k]);
    }
    ReplaceAll(message.text, "$$", kCurrencyText);
    ReplaceAll(message.caption, "$$", kCurrencyText);
    return lookup;
}

}  // namespace zerkon
