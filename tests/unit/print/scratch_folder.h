#pragma once
// A fresh folder below the system's temporary folder, removed again at the end
// of the test; paths are handed out as program text with a trailing backslash.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "common/file_helpers.h"

namespace zerkon::testing {

class ScratchFolder {
  public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("zerkon-test-" + std::to_string(Now()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ec)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ec);
        }
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder as program text with a trailing backslash.
    std::string Text() const { return TextFromPath(path_) + "\\"; }
    const std::filesystem::path& path() const { return path_; }

    // Writes bytes to a file below the folder (relative program-text name).
    std::string Write(std::string_view name, std::string_view bytes) const {
        const std::string text = Text() + std::string(name);
        const std::filesystem::path file = PathFromText(text);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return text;
    }

    static std::string Read(std::string_view text_path) {
        std::ifstream in(PathFromText(text_path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    static bool Exists(std::string_view text_path) {
        std::error_code ec;
        return std::filesystem::exists(PathFromText(text_path), ec);
    }

  private:
    static long long Now() {
        return static_cast<long long>(std::chrono::steady_clock::now().time_since_epoch().count() %
                                      1000000007);
    }
    std::filesystem::path path_;
};

}  // namespace zerkon::testing
