#pragma once
// The file-open and file-save dialogs.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace zerkon {

class FileOpenDialog {
  public:
    virtual ~FileOpenDialog() = default;
    // `filter` is Windows-1250 program text of description|mask pairs joined
    // by '|', e.g. "KPC soubory (*.kpc)|*.kpc". The dialog opens in the current
    // folder. Returns the chosen file (a typed name need not exist), or nothing
    // when cancelled.
    virtual std::optional<std::filesystem::path> Choose(std::string_view filter) = 0;
    // Several existing files at once, in a dialog that opens in `folder`; none when cancelled.
    virtual std::vector<std::filesystem::path> ChooseMany(std::string_view filter,
                                                          const std::filesystem::path& folder) = 0;
};

struct SaveChoice {
    std::filesystem::path file;
    int type = 1;  // the description|mask pair of the filter chosen, from 1
};

class FileSaveDialog {
  public:
    virtual ~FileSaveDialog() = default;
    // `filter` as above. The dialog opens in `folder` with `name` proposed, adds the first
    // mask's extension to a name typed without one, and asks before an existing file is
    // replaced. Returns the file and type chosen, or nothing when cancelled.
    virtual std::optional<SaveChoice> Choose(std::string_view filter,
                                             const std::filesystem::path& folder,
                                             const std::filesystem::path& name) = 0;
};

}  // namespace zerkon
