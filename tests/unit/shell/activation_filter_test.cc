#include "shell/activation_filter.h"

#include <gtest/gtest.h>

#include <vector>

namespace zerkon {
namespace {

constexpr ActivationChange kActivatedFromOwnWindow{.active = true, .other_window_in_program = true};
constexpr ActivationChange kActivatedFromOtherProgram{.active = true};
constexpr ActivationChange kLeftForOwnWindow{.active = false, .other_window_in_program = true};
constexpr ActivationChange kLeftForOtherProgram{.active = false};
constexpr ActivationChange kMinimised{.active = false, .minimised = true};

// Feeds the changes in turn and records which ones ran the handler.
std::vector<bool> HandlerRuns(const std::vector<ActivationChange>& changes) {
    ActivationFilter filter;
    std::vector<bool> ran;
    for (const ActivationChange& change : changes) {
        ran.push_back(filter.WindowActivated(change));
        if (ran.back()) filter.HandlerDone();
    }
    return ran;
}

TEST(ActivationFilter, DecidesFromEachActivationMessage) {
    struct Case {
        const char* story;
        std::vector<ActivationChange> changes;
        std::vector<bool> ran;
    };
    const Case cases[] = {
        {"first show, then a modal window opens and closes",
         {kActivatedFromOtherProgram, kLeftForOwnWindow, kActivatedFromOwnWindow},
         {true, false, true}},
        {"switching away from the main window and back runs nothing",
         {kActivatedFromOtherProgram, kLeftForOtherProgram, kActivatedFromOtherProgram},
         {true, false, false}},
        // The modal window is what the user left from; closing it later activates the main
        // window from nothing of this program, and the handler must run.
        {"switching away while a modal window is open, then closing it",
         {kActivatedFromOtherProgram, kLeftForOwnWindow, kActivatedFromOtherProgram},
         {true, false, true}},
        {"restoring the minimised main window",
         {kActivatedFromOtherProgram, kMinimised, kActivatedFromOtherProgram},
         {true, false, true}},
        {"a switch back is spent by one activation",
         {kActivatedFromOtherProgram, kLeftForOtherProgram, kActivatedFromOtherProgram,
          kLeftForOwnWindow, kActivatedFromOwnWindow},
         {true, false, false, false, true}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HandlerRuns(c.changes), c.ran) << c.story;
    }
}

TEST(ActivationFilter, ActivationDuringTheHandlerIsIgnored) {
    ActivationFilter filter;
    ASSERT_TRUE(filter.WindowActivated(kActivatedFromOwnWindow));
    EXPECT_FALSE(filter.WindowActivated(kActivatedFromOwnWindow));
    filter.HandlerDone();
    EXPECT_TRUE(filter.WindowActivated(kActivatedFromOwnWindow));
}

}  // namespace
}  // namespace zerkon
