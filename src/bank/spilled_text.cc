#include "bank/spilled_text.h"

#include <utility>

namespace zerkon {

SpilledText::SpilledText(FileSystem& files, std::filesystem::path file, OutputLimits held_limits)
    : files_(files), file_(std::move(file)), output_(held_limits) {
    if (file_.empty()) return;
    if (files_.Write(file_, {}).ok()) {
        output_ =
            OutputText([this](std::string_view block) { return files_.Append(file_, block); });
    } else {
        files_.Remove(file_);
        file_.clear();
    }
}

SpilledText::~SpilledText() {
    if (!file_.empty()) files_.Remove(file_);
}

Status SpilledText::Finish() {
    if (file_.empty()) {
        held_ = output_.Take();
        return output_.status();
    }
    output_.Finish();
    return output_.status();
}

Result<std::string> SpilledText::Read() const {
    if (file_.empty()) return held_;
    return files_.ReadWhole(file_);
}

}  // namespace zerkon
