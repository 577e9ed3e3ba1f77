#include "bank/spilled_text.h"

#include <system_error>
#include <utility>

#include "common/file_system.h"

namespace zerkon {

namespace {

OutputText WritingTo(std::ofstream& stream) {
    return OutputText([&stream](std::string_view block) {
        stream.write(block.data(), static_cast<std::streamsize>(block.size()));
    });
}

}  // namespace

SpilledText::SpilledText(std::filesystem::path file, OutputLimits held_limits)
    : file_(std::move(file)), output_(held_limits) {
    if (file_.empty()) return;
    stream_.open(file_, std::ios::binary | std::ios::trunc);
    if (stream_) {
        output_ = WritingTo(stream_);
    } else {
        std::error_code ignored;
        std::filesystem::remove(file_, ignored);
        file_.clear();
    }
}

SpilledText::~SpilledText() {
    if (file_.empty()) return;
    stream_.close();
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
}

bool SpilledText::Finish() {
    if (file_.empty()) {
        held_ = output_.Take();
        return true;
    }
    output_.Finish();
    stream_.close();
    return !stream_.fail();
}

std::optional<std::string> SpilledText::Read() const {
    if (file_.empty()) return held_;
    return RealFileSystem().ReadWhole(file_);
}

}  // namespace zerkon
