// Messages from the message data file ("name NUL argument NUL argument NUL
// file"): a message that is found is shown once, with its arguments in place
// and every "$$" turned into the currency text; one that is not is not shown.

#include "files/file_message.h"
#include "fuzz_support.h"
#include "print/print_engine_flow.h"

using namespace zerkon;
using zerkon::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const bool first_only = in.Bool();
    const std::string name(in.Field());
    const std::vector<std::string> arguments{std::string(in.Field()), std::string(in.Field())};
    const std::string_view file = in.Rest();
    MessageFileSettings settings;
    settings.first_path = fuzz::WriteScratch("zerkon.msg", file);
    settings.first_only = first_only;
    settings.second_path = settings.first_path + ".missing";

    fuzz::RecordingBoxes boxes;
    const auto answer = ShowFileMessage(fuzz::Disk(), boxes, name, arguments,
                                        MessageButtons::OkCancel, MessageIcon::Warning, settings);
    std::size_t missing = first_only ? 0 : 1;
    Check(boxes.shown.size() == missing + (answer ? 1 : 0),
          "a message found is shown once, after the box of a missing second file");
    if (missing) {
        Check(fuzz::StartsWith(boxes.shown.front().text, "\"E_Message\" nemohu najít"_cz),
              "a missing file is told as such", boxes.shown.front().text);
    }
    if (!answer) return 0;
    const auto& shown = boxes.shown.back();
    Check(
        shown.text.find("$$") == std::string::npos && shown.caption.find("$$") == std::string::npos,
        "every $$ becomes the currency text", shown.text);
    std::size_t limit = file.size() + 16;
    for (const std::string& argument : arguments) limit += file.size() * (argument.size() + 2);
    Check(shown.text.size() + shown.caption.size() <= limit,
          "the arguments take the places of their placeholders only");
    return 0;
}
