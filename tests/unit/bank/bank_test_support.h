#pragma once
// Shared by the bank tests: sample files, and decoding into a held output.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "../common/fake_file_system.h"
#include "bank/bank_file.h"
#include "bank/output_text.h"
#include "platform/file_dialog.h"

namespace zerkon::testing {

inline std::string BankDataPath(const std::string& name) {
    return std::string(ZERKON_TEST_DATA) + "/bank/" + name;
}

inline std::string ReadBankData(const std::string& name) {
    std::ifstream stream(BankDataPath(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// Answers as told and keeps what it was asked: filter|folder|name.
struct FakeSaveDialog final : FileSaveDialog {
    std::optional<SaveChoice> Choose(std::string_view filter, const std::filesystem::path& folder,
                                     const std::filesystem::path& name) override {
        asked.push_back(std::string(filter) + "|" + folder.generic_string() + "|" +
                        name.generic_string());
        return answer;
    }
    std::optional<SaveChoice> answer;
    std::vector<std::string> asked;
};

// The text decode(output) writes to a held output.
template <typename Decode>
std::string Held(Decode&& decode) {
    OutputText out;
    decode(out);
    return out.Take();
}

// The lines of a text whose every line ends in CR LF.
inline std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The print records of a statement: each is followed by CR LF, so an empty
// line comes between them, and none holds an empty line.
inline std::vector<std::string> Records(std::string_view text) {
    std::vector<std::string> records;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n\r\n", start);
        if (end == std::string_view::npos) {
            ADD_FAILURE() << "a record without its line break: " << text.substr(start);
            break;
        }
        records.emplace_back(text.substr(start, end + 2 - start));
        start = end + 4;
    }
    return records;
}

}  // namespace zerkon::testing
