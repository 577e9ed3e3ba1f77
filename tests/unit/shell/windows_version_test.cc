#include "shell/windows_version.h"

#include <gtest/gtest.h>

namespace zerkon {
namespace {

struct VersionCase {
    WindowsVersion version;
    bool old_for_https;
    bool windows95;
    bool major6;
};

TEST(WindowsVersionTests, PredicatesCompareMajorAndMinorNumbers) {
    const VersionCase cases[] = {
        {{3, 10}, true, false, false}, {{4, 0}, true, true, false},  {{4, 10}, true, false, false},
        {{4, 90}, true, false, false}, {{5, 0}, true, false, false}, {{5, 1}, true, false, false},
        {{5, 2}, true, false, false},  {{6, 0}, true, false, true},  {{6, 1}, false, false, true},
        {{6, 2}, false, false, true},  {{6, 3}, false, false, true}, {{10, 0}, false, false, false},
        {{2, 0}, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.version.major) + "." + std::to_string(c.version.minor));
        EXPECT_EQ(IsOldWindowsForHttps(c.version), c.old_for_https);
        EXPECT_EQ(IsWindows95(c.version), c.windows95);
        EXPECT_EQ(IsWindowsMajor6(c.version), c.major6);
    }
}

}  // namespace
}  // namespace zerkon
