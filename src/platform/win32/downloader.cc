#include "platform/downloader.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace zerkon {
namespace {

class Win32Downloader final : public Downloader {
  public:
    bool DownloadToFile(std::string_view url, std::string_view file) override {
        // urlmon is loaded only when a download happens.
        using UrlDownloadToFileFunction =
            HRESULT(WINAPI*)(void*, const wchar_t*, const wchar_t*, DWORD, void*);
        HMODULE urlmon = LoadLibraryW(L"urlmon.dll");
        if (urlmon == nullptr) return false;
        auto download = reinterpret_cast<UrlDownloadToFileFunction>(
            reinterpret_cast<void*>(GetProcAddress(urlmon, "URLDownloadToFileW")));
        bool ok = download != nullptr &&
                  SUCCEEDED(download(nullptr, Wide(url).c_str(), Wide(file).c_str(), 0, nullptr));
        FreeLibrary(urlmon);
        return ok;
    }
};

}  // namespace

Downloader& SystemDownloader() {
    static Win32Downloader downloader;
    return downloader;
}

}  // namespace zerkon
