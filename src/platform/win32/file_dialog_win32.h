#pragma once
// The file-open and file-save dialogs of Windows (GetOpenFileNameW, GetSaveFileNameW).

#include <windows.h>

#include "platform/file_dialog.h"

namespace zerkon {

class Win32FileOpenDialog : public FileOpenDialog {
  public:
    explicit Win32FileOpenDialog(HWND owner) : owner_(owner) {}
    std::optional<std::filesystem::path> Choose(std::string_view filter) override;
    std::vector<std::filesystem::path> ChooseMany(std::string_view filter,
                                                  const std::filesystem::path& folder) override;

  private:
    HWND owner_;
};

class Win32FileSaveDialog : public FileSaveDialog {
  public:
    explicit Win32FileSaveDialog(HWND owner) : owner_(owner) {}
    std::optional<SaveChoice> Choose(std::string_view filter, const std::filesystem::path& folder,
                                     const std::filesystem::path& name) override;

  private:
    HWND owner_;
};

}  // namespace zerkon
