#pragma once
// Shared by the bank tests: sample files and the way their previews are
// compared (each preview line followed by CR LF, as the memo gets them).

#include <fstream>
#include <iterator>
#include <string>

#include "bank/bank_file.h"
#include "bank/preview_text.h"

namespace zerkon::testing {

inline std::string BankDataPath(const std::string& name) {
    return std::string(ZERKON_TEST_DATA) + "/bank/" + name;
}

inline std::string ReadBankData(const std::string& name) {
    std::ifstream stream(BankDataPath(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

inline std::string AsText(const PreviewLines& entries) {
    return PreviewEntriesToText(entries, "\r\n");
}

}  // namespace zerkon::testing
