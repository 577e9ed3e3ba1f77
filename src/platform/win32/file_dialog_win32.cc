#include "platform/win32/file_dialog_win32.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "common/cp1250.h"

namespace zerkon {

std::optional<std::filesystem::path> Win32FileOpenDialog::Choose(std::string_view filter) {
    // The dialog wants the pairs separated by NULs and the list ended by two.
    std::u16string pairs = Cp1250ToUtf16(filter);
    for (char16_t& c : pairs) {
        if (c == u'|') c = u'\0';
    }
    pairs.append(2, u'\0');

    std::vector<wchar_t> file(32768, L'\0');  // the longest path Windows knows
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = reinterpret_cast<const wchar_t*>(pairs.c_str());
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    // No "must exist" check: a typed name that cannot be opened is reported by
    // the reader with the system's own message.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return std::filesystem::path(file.data());
}

}  // namespace zerkon
