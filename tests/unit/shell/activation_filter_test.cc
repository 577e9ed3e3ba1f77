#include "shell/activation_filter.h"

#include <gtest/gtest.h>

namespace zerkon {
namespace {

TEST(ActivationFilter, RunsOnFirstShowAndOnReturnFromModalWindows) {
    ActivationFilter filter;
    // First show: the program is switched in, and still the handler runs.
    filter.ApplicationActivated();
    EXPECT_TRUE(filter.WindowActivated(true));
    filter.HandlerDone();
    // A modal window opens and closes again: the main window is re-activated within the program.
    EXPECT_FALSE(filter.WindowActivated(false));
    EXPECT_TRUE(filter.WindowActivated(true));
    filter.HandlerDone();
}

TEST(ActivationFilter, SwitchingBackFromAnotherProgramDoesNotRunIt) {
    ActivationFilter filter;
    EXPECT_TRUE(filter.WindowActivated(true));
    filter.HandlerDone();
    EXPECT_FALSE(filter.WindowActivated(false));
    filter.ApplicationActivated();
    EXPECT_FALSE(filter.WindowActivated(true));
    // The switch flag is spent: a later activation within the program runs it again.
    EXPECT_TRUE(filter.WindowActivated(true));
}

TEST(ActivationFilter, ActivationDuringTheHandlerIsIgnored) {
    ActivationFilter filter;
    ASSERT_TRUE(filter.WindowActivated(true));
    EXPECT_FALSE(filter.WindowActivated(true));
    filter.HandlerDone();
    EXPECT_TRUE(filter.WindowActivated(true));
}

}  // namespace
}  // namespace zerkon
