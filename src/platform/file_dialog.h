#pragma once
// The file-open dialog.

#include <filesystem>
#include <optional>
#include <string_view>

namespace zerkon {

class FileOpenDialog {
  public:
    virtual ~FileOpenDialog() = default;
    // `filter` is Windows-1250 program text of description|mask pairs joined
    // by '|', e.g. "KPC soubory (*.kpc)|*.kpc". The dialog opens in the current
    // folder. Returns the chosen file (a typed name need not exist), or nothing
    // when cancelled.
    virtual std::optional<std::filesystem::path> Choose(std::string_view filter) = 0;
};

}  // namespace zerkon
