#pragma once
// Fetching a file from the web.

#include <string_view>

namespace zerkon {

class Downloader {
  public:
    virtual ~Downloader() = default;
    // Downloads `url` into `file` (Windows-1250 path), overwriting it. True on success.
    virtual bool DownloadToFile(std::string_view url, std::string_view file) = 0;
};

// URLDownloadToFile of the system (Windows only; win32/downloader.cc).
Downloader& SystemDownloader();

}  // namespace zerkon
