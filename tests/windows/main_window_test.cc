#include <fstream>

#include <gtest/gtest.h>

#include "harness.h"

namespace {

TEST(Harness, ScreenshotIsAPngOfTheScreenSize) {
    auto file = e2e::SaveScreenshot(L"harness-desktop");
    ASSERT_FALSE(file.empty());
    std::ifstream in(file, std::ios::binary);
    char signature[8] = {};
    in.read(signature, 8);
    EXPECT_EQ(std::string(signature, 8), std::string("\x89PNG\r\n\x1A\n", 8));
}

}  // namespace
