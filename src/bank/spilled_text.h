#pragma once
// Text that waits in a file of its own: the print data of a statement is
// written to a temporary file as it is made, so that only the preview stays
// in memory beside it. Without a file, or when the file cannot be written
// from the start, the text is held in memory instead.

#include <filesystem>
#include <string>

#include "bank/output_text.h"
#include "common/file_system.h"

namespace zerkon {

class SpilledText {
  public:
    // `file`: an empty file that this text owns and removes; empty: held.
    SpilledText(FileSystem& files, std::filesystem::path file, OutputLimits held_limits);
    ~SpilledText();
    SpilledText(const SpilledText&) = delete;
    SpilledText& operator=(const SpilledText&) = delete;

    bool in_file() const { return !file_.empty(); }
    OutputText& output() { return output_; }
    // After writing: whether the whole text was kept.
    Status Finish();
    // The text; a failure when its file can no longer be read.
    Result<std::string> Read() const;

  private:
    FileSystem& files_;
    std::filesystem::path file_;
    OutputText output_;
    std::string held_;
};

}  // namespace zerkon
