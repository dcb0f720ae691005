// Reading the process's start time from the kernel's status line.
#include <gtest/gtest.h>

#include "app/process_start.h"

namespace gorvo::app {
namespace {

// Fields 3 to 21 before the start time, then a few more as the kernel writes them.
std::string stat_line(const std::string& name, const std::string& start) {
    return "4242 (" + name + ") S 1 4242 4242 0 -1 4194560 1 0 0 0 0 0 0 0 20 0 1 0 " + start +
           " 1000 200 18446744073709551615\n";
}

TEST(ProcessStart, TheStartTimeIsFieldTwentyTwoWhateverTheCommandName) {
    EXPECT_EQ(start_ticks_from_stat(stat_line("gorvo250", "123456")), 123456u);
    // A name with spaces and parentheses of its own: counting starts after the last ')'.
    EXPECT_EQ(start_ticks_from_stat(stat_line("a b) (c d", "77")), 77u);
    EXPECT_EQ(start_ticks_from_stat(stat_line("x", "18446744073709551615")),
              18446744073709551615ull);
}

TEST(ProcessStart, ALineThatIsNotAStatusLineGivesNothing) {
    EXPECT_FALSE(start_ticks_from_stat(""));
    EXPECT_FALSE(start_ticks_from_stat("4242 gorvo250 S 1 2 3"));
    EXPECT_FALSE(start_ticks_from_stat("4242 (gorvo250) S 1 2 3"));  // too short
    EXPECT_FALSE(start_ticks_from_stat(stat_line("x", "12ab")));
    EXPECT_FALSE(start_ticks_from_stat(stat_line("x", "-5")));
}

TEST(ProcessStart, TheTimeSinceStartIsSmallAndGrows) {
    mark_process_start();
    const long long first = ms_since_process_start();
    EXPECT_GE(first, 0);
    EXPECT_LT(first, 10LL * 60 * 1000);  // this test program has not run for ten minutes
    EXPECT_GE(ms_since_process_start(), first);
}

}  // namespace
}  // namespace gorvo::app
