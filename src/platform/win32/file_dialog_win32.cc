#include "platform/win32/file_dialog_win32.h"

#include <commdlg.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/cp1250.h"
#include "platform/win32/wide_text.h"

namespace zerkon {

namespace {

// The dialog wants the pairs separated by NULs and the list ended by two.
std::u16string FilterPairs(std::string_view filter) {
    std::u16string pairs = Cp1250ToUtf16(filter);
    for (char16_t& c : pairs) {
        if (c == u'|') c = u'\0';
    }
    pairs.append(2, u'\0');
    return pairs;
}

constexpr std::size_t kLongestPath = 32768;  // the longest path Windows knows

// What every dialog of the program shares: its owner, the filter's pairs (kept alive by the
// caller), the first type chosen, the buffer for the names, and the folder it opens in.
OPENFILENAMEW DialogFields(HWND owner, const std::u16string& pairs, std::vector<wchar_t>& names,
                           const std::wstring& folder, DWORD flags) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = reinterpret_cast<const wchar_t*>(pairs.c_str());
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = names.data();
    dialog.nMaxFile = static_cast<DWORD>(names.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | flags;
    return dialog;
}

}  // namespace

std::optional<std::filesystem::path> Win32FileOpenDialog::Choose(std::string_view filter) {
    const std::u16string pairs = FilterPairs(filter);
    std::vector<wchar_t> file(kLongestPath, L'\0');
    // No "must exist" check: a typed name that cannot be opened is reported by
    // the reader with the system's own message.
    OPENFILENAMEW dialog = DialogFields(owner_, pairs, file, {}, 0);
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return std::filesystem::path(file.data());
}

std::optional<SaveChoice> Win32FileSaveDialog::Choose(std::string_view filter,
                                                      const std::filesystem::path& folder,
                                                      const std::filesystem::path& name) {
    const std::u16string pairs = FilterPairs(filter);
    std::vector<wchar_t> file(kLongestPath, L'\0');
    const std::wstring proposed = name.wstring();
    std::copy_n(proposed.begin(), std::min(proposed.size(), file.size() - 1), file.begin());
    const std::wstring initial_folder = folder.wstring();
    // The first mask's extension ("*.csv" gives "csv"), for a name typed without one.
    std::string_view mask = filter.substr(filter.find('|') + 1);
    mask = mask.substr(0, mask.find('|'));
    const std::wstring extension = Wide(mask.substr(mask.rfind('.') + 1));
    OPENFILENAMEW dialog =
        DialogFields(owner_, pairs, file, initial_folder,
                     OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN);
    dialog.lpstrDefExt = extension.c_str();
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    return SaveChoice{std::filesystem::path(file.data()), static_cast<int>(dialog.nFilterIndex)};
}

std::vector<std::filesystem::path> Win32FileOpenDialog::ChooseMany(
    std::string_view filter, const std::filesystem::path& folder) {
    const std::u16string pairs = FilterPairs(filter);
    // Room for the names of a whole submission (1500 sheets) and many more.
    std::vector<wchar_t> names(1 << 21, L'\0');
    const std::wstring initial = folder.wstring();
    OPENFILENAMEW dialog =
        DialogFields(owner_, pairs, names, initial,
                     OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    if (!GetOpenFileNameW(&dialog)) return {};
    // One file: its full path. Several: the folder, then each name, every one ended by a NUL.
    std::vector<std::filesystem::path> chosen;
    const wchar_t* at = names.data();
    const std::filesystem::path first(at);
    at += wcslen(at) + 1;
    if (*at == L'\0') return {first};
    for (; *at != L'\0'; at += wcslen(at) + 1) chosen.push_back(first / at);
    return chosen;
}

}  // namespace zerkon
