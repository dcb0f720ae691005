// The score panel: the running clock, the alarm view and numbers drawn through the high-score
// view.
#include <gtest/gtest.h>

#include <string>

#include "core/handheld.h"
#include "scenario_helpers.h"

namespace gorvo::test {
namespace {

// Opens the case and goes to the clock (Time pressed and released); the first clock tick runs
// 1 ms after the release.
void to_clock(Game& g) {
    g.hh.im_background_closedClick();
    g.press(Control::Time);
    g.release(Control::Time);
    g.wait(1);
}

struct Reading {
    LocalTime time;
    const char* digits;
    bool pm;
};

class ClockReading : public ::testing::TestWithParam<Reading> {};

TEST_P(ClockReading, TwelveHourWithoutLeadingZero) {
    Game g;
    g.clock.time = GetParam().time;
    to_clock(g);
    EXPECT_EQ(g.s().game_mode, mode_clock);
    EXPECT_EQ(g.panel(), GetParam().digits);
    EXPECT_EQ(g.lit(im_panel_time_pm), GetParam().pm);
    EXPECT_EQ(g.lit(im_panel_time_am), !GetParam().pm);
    EXPECT_TRUE(g.lit(im_panel_time_colon));
}

INSTANTIATE_TEST_SUITE_P(
    Readings, ClockReading,
    ::testing::Values(Reading{{0, 0}, "1200", false}, Reading{{0, 5}, "1205", false},
                      Reading{{9, 3}, " 903", false}, Reading{{11, 59}, "1159", false},
                      Reading{{12, 0}, "1200", true}, Reading{{12, 30}, "1230", true},
                      Reading{{13, 7}, " 107", true}, Reading{{22, 10}, "1010", true},
                      Reading{{23, 59}, "1159", true}));

TEST(Clock, RereadsTheComputersTimeEverySecond) {
    Game g;
    g.clock.time = {11, 59};
    to_clock(g);  // first tick at 1 ms, then every 1000 ms
    g.clock.time = {12, 0};
    g.wait(999);
    EXPECT_EQ(g.panel(), "1159");
    EXPECT_TRUE(g.lit(im_panel_time_am));
    g.wait(1);
    EXPECT_EQ(g.panel(), "1200");
    EXPECT_TRUE(g.lit(im_panel_time_pm));
    EXPECT_FALSE(g.lit(im_panel_time_am));
    g.clock.time = {0, 1};  // the system clock set back
    g.wait(1000);
    EXPECT_EQ(g.panel(), "1201");
    EXPECT_TRUE(g.lit(im_panel_time_am));
    EXPECT_FALSE(g.lit(im_panel_time_pm));
}

TEST(Clock, AlarmViewShowsTwelvePmOnABlankScreenAndStopsTheClock) {
    Game g;
    g.clock.time = {8, 15};
    to_clock(g);
    EXPECT_EQ(g.panel(), " 815");
    g.press(Control::Time);
    EXPECT_EQ(g.s().game_mode, mode_alarm_view);
    EXPECT_EQ(g.panel(), "1200");
    EXPECT_TRUE(g.lit(im_panel_time_pm));
    EXPECT_FALSE(g.lit(im_panel_time_am));
    EXPECT_FALSE(g.on(T::Timer_Clock));
    g.wait(5000);
    EXPECT_EQ(g.panel(), "1200");
    g.release(Control::Time);
    g.wait(1);
    EXPECT_EQ(g.panel(), " 815");
}

struct Shown {
    const char* stored;
    const char* digits;
};

class HighScorePanel : public ::testing::TestWithParam<Shown> {};

TEST_P(HighScorePanel, ShowsTheLastThreeDigitsRightAligned) {
    Game g;
    g.settings.values["HiScore1"] = GetParam().stored;
    g.hh.load_settings();
    g.hh.im_background_closedClick();
    g.press(Control::GameA);
    EXPECT_EQ(g.panel(), GetParam().digits);
    EXPECT_FALSE(g.lit(im_panel_time_colon));
}

INSTANTIATE_TEST_SUITE_P(Numbers, HighScorePanel,
                         ::testing::Values(Shown{"0", "   0"}, Shown{"7", "   7"},
                                           Shown{"70", "  70"}, Shown{"700", " 700"},
                                           Shown{"1234", " 234"}, Shown{"1005", "   5"}));

}  // namespace
}  // namespace gorvo::test
