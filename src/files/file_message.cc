#include "files/file_message.h"

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/text_helpers.h"
#include "files/data_file_lookup.h"

namespace zerkon {
namespace {

constexpr char kCaptionMark = '\x87';  // "‡" in Windows-1250
constexpr std::string_view kCurrencyText = "Kč"_cz;

struct FileMessage {
    std::string text;
    std::string caption;
};

// Reads the message's section; false when the file is missing.
bool ReadMessage(std::string_view name, std::string_view path, FileMessage& message) {
    std::string contents;
    if (!ReadWholeFile(path, contents)) return false;
    bool inside = false;
    for (const std::string& line : SplitTextLines(contents)) {
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
    return true;
}

void ShowMissingMessageFile(std::string_view path, MessageBoxes& boxes) {
    boxes.Show("\"E_Message\" nemohu najít datový soubor: "_cz + std::string(path), "Chyba",
               MessageIcon::Warning, MessageButtons::Ok);
}

// Reads one message file; shows the missing-file box when it is missing.
FileMessage LookUp(std::string_view name, std::string_view path, MessageBoxes& boxes) {
    FileMessage message;
    if (!ReadMessage(name, path, message)) ShowMissingMessageFile(path, boxes);
    return message;
}

}  // namespace

MessageFileSettings ShippedMessageFile(std::string_view program_folder) {
    return {std::string(program_folder) + std::string(kMessageFileName), "", true};
}

std::optional<MessageResult> ShowFileMessage(std::string_view message_name,
                                             const std::vector<std::string>& arguments,
                                             MessageButtons buttons, MessageIcon icon,
                                             const MessageFileSettings& settings,
                                             MessageBoxes& boxes) {
    FileMessage message;
    if (settings.first_only) {
        message = LookUp(message_name, settings.first_path, boxes);
    } else {
        message = LookUp(message_name, settings.second_path, boxes);
        if (message.text.empty()) message = LookUp(message_name, settings.first_path, boxes);
    }
    if (message.text.empty()) return std::nullopt;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string placeholder = "%" + std::to_string(k + 1);
        ReplaceAll(message.text, placeholder, arguments[k]);
        ReplaceAll(message.caption, placeholder, arguments[k]);
    }
    ReplaceAll(message.text, "$$", kCurrencyText);
    ReplaceAll(message.caption, "$$", kCurrencyText);
    return boxes.Show(message.text, message.caption, icon, buttons);
}

}  // namespace zerkon
