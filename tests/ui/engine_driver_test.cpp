// The engine in real time: one precise wait for the next due step, none while nothing is
// scheduled, immediate first steps, and a long stall taken as a pause.
#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/qt/test_app.h"
#include "ui/engine_driver.h"

namespace gorvo::ui {
namespace {

class RealTime : public ::testing::Test {
  protected:
    void SetUp() override { test::ensure_qt_app(); }
    void set_mode(int mode) {
        driver.catch_up();
        rig.s().game_mode = mode;
        rig.hh.Gam_Set_Mode();
        driver.reschedule();
    }
    // Lets the armed wait pass exactly, then runs what the timer runs.
    void fire() {
        ASSERT_TRUE(driver.armed_delay().has_value());
        real += *driver.armed_delay();
        driver.expire_now();
    }
    Millis engine_now() const { return rig.hh.timers().now(); }

    test::Rig rig;
    Millis real = 1000;
    EngineDriver driver{rig.hh, [this] { return real; }};
};

TEST_F(RealTime, NothingIsArmedWhileNoTimerRuns) {
    for (int mode : {mode_closed, mode_all_segments, mode_alarm_view}) {
        set_mode(mode);
        EXPECT_EQ(driver.armed_delay(), std::nullopt) << "mode " << mode;
    }
}

TEST_F(RealTime, AFirstStepRunsAtOnceAndTheClockThenTicksEverySecond) {
    set_mode(mode_clock);
    EXPECT_EQ(driver.armed_delay(), 0);
    fire();
    EXPECT_EQ(engine_now(), 1001);
    EXPECT_EQ(driver.armed_delay(), 1001);  // the first step ran one engine millisecond early
    fire();
    EXPECT_EQ(engine_now(), 2001);
    EXPECT_EQ(driver.armed_delay(), 1000);
    fire();
    EXPECT_EQ(engine_now(), 3001);
}

TEST_F(RealTime, TimersStartedByAnInputCountFromTheInput) {
    set_mode(mode_all_segments);
    real += 60000;  // a minute later the player asks for the clock
    set_mode(mode_clock);
    fire();
    EXPECT_EQ(engine_now(), 61001);
    EXPECT_EQ(driver.armed_delay(), 1001);
}

TEST_F(RealTime, ALateWakeUpKeepsTheRhythm) {
    set_mode(mode_clock);
    fire();
    real += 1031;  // the event loop woke 30 ms late
    driver.expire_now();
    EXPECT_EQ(engine_now(), 2031);
    // The next tick is one interval after the tick that was due, not after the late run.
    EXPECT_EQ(driver.armed_delay(), 3001 - 2031);
}

TEST_F(RealTime, ALongStallPausesTheGameInsteadOfReplayingIt) {
    set_mode(mode_clock);
    fire();
    real += 3600 * 1000;  // a suspended machine
    driver.expire_now();
    // One tick ran, where the hour missed would have been 3600 of them.
    EXPECT_EQ(engine_now(), 2001);
    EXPECT_EQ(driver.armed_delay(), 1000);
}

TEST_F(RealTime, TheTimerStopsWhenTheLastEngineTimerIsDisabled) {
    set_mode(mode_clock);
    fire();
    set_mode(mode_acl_held);
    EXPECT_EQ(driver.armed_delay(), std::nullopt);
}

}  // namespace
}  // namespace gorvo::ui
