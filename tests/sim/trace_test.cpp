// The trace recorder and the simulator's ports, on the segment layer alone.
#include <gtest/gtest.h>

#include <sstream>

#include "replay/script_clock.h"
#include "sim/sim_ports.h"
#include "sim/trace.h"

namespace gorvo::sim {
namespace {

struct TraceFixture : ::testing::Test {
    Images images;
    TraceRecorder trace;
    std::ostringstream out;
    void SetUp() override { trace.start(images); }
    std::string flush(Millis t) {
        out.str("");
        trace.flush(t, images, out);
        return out.str();
    }
};

TEST_F(TraceFixture, NothingChangedPrintsNothing) {
    EXPECT_EQ(flush(0), "");
    // A change undone within the instant prints nothing either.
    images.set_visible(im_tobo_02_01, true);
    images.set_visible(im_tobo_02_01, false);
    images.set_picture_from(im_panel_digit_pos_2, im_panel_number_5);
    images.set_picture_from(im_panel_digit_pos_2, kNoImage);
    EXPECT_EQ(flush(10), "");
}

TEST_F(TraceFixture, StartUpStateIsTheBaseline) {
    // The closed case is visible at start-up; only hiding it is news.
    images.set_visible(im_background_closed, false);
    EXPECT_EQ(flush(3), "3 hide im_background_closed\n");
    images.set_visible(im_background_closed, true);
    EXPECT_EQ(flush(4), "4 show im_background_closed\n");
}

TEST_F(TraceFixture, OrderIsEventsThenPicturesThenSkinNumbering) {
    // Made in an order different from the printed one on purpose.
    images.set_visible(im_tobo_01_09, true);
    images.set_picture_from(btn_cross_down, btn_cross_down_left);
    images.set_visible(im_background_open, true);
    images.set_picture_from(im_panel_digit_pos_4, im_panel_number_0);
    images.set_visible(im_background_closed, false);
    trace.note("sound Key");
    trace.note("set HiScore1 50");
    trace.note("silence");
    EXPECT_EQ(flush(851),
              "851 sound Key\n"
              "851 set HiScore1 50\n"
              "851 silence\n"
              "851 picture im_panel_digit_pos_4 im_panel_number_0\n"
              "851 picture btn_cross_down btn_cross_down_left\n"
              "851 hide im_background_closed\n"  // [Image1]
              "851 show im_background_open\n"    // [Image2]
              "851 show im_tobo_01_09\n");
    EXPECT_EQ(flush(900), "") << "events are printed once";
}

TEST_F(TraceFixture, PicturesComparedWithTheLastPrinted) {
    images.set_picture_from(im_panel_digit_pos_1, im_panel_number_1);
    EXPECT_EQ(flush(1), "1 picture im_panel_digit_pos_1 im_panel_number_1\n");
    images.set_picture_from(im_panel_digit_pos_1, kNoImage);
    EXPECT_EQ(flush(2), "2 picture im_panel_digit_pos_1 none\n");
    // Hiding an image does not change its picture.
    images.set_picture_from(btn_cross_down, btn_cross_down_up);
    images.set_visible(btn_cross_down, true);
    flush(3);
    images.set_visible(btn_cross_down, false);
    EXPECT_EQ(flush(4), "4 hide btn_cross_down\n");
}

TEST_F(TraceFixture, DiscardForgetsTheInstantInProgress) {
    trace.note("sound Enemy_1");
    trace.discard();
    EXPECT_EQ(flush(5), "");
}

TEST(TraceScope, ImagesOutsideTheSkinListAreNotTraced) {
    Images images;
    TraceRecorder trace;
    trace.start(images);
    images.set_visible(im_backdrop, false);
    images.set_visible(btn_game_menu_top, false);
    images.set_visible(im_panel_number_3, true);  // a picture source, never shown on its own
    std::ostringstream out;
    trace.flush(0, images, out);
    EXPECT_EQ(out.str(), "0 show im_panel_number_3\n")
        << "the digit pictures are among the 147 skin images, the backdrop and menu are not";
}

TEST(SimPorts, SoundsAndSettingsWritesGoIntoTheTrace) {
    Images images;
    TraceRecorder trace;
    trace.start(images);
    TraceSound sound(trace);
    TraceSettings settings(trace);
    settings.store("HiScore1", 1050);
    EXPECT_EQ(settings.read_int("HiScore1", 0), 1050);
    EXPECT_EQ(settings.read_int("HiScore2", 17), 17) << "a missing value gives the default";
    EXPECT_TRUE(settings.read_bool("CtrlrOverlay", true));
    settings.store("CtrlrOverlay", 0);
    EXPECT_FALSE(settings.read_bool("CtrlrOverlay", true));

    sound.play(Sound::Gameover);
    settings.write_int("HiScore2", 40);
    sound.silence();
    settings.write_bool("CtrlrOverlay", true);
    EXPECT_EQ(settings.read_int("HiScore2", 0), 40) << "a write is read back";
    std::ostringstream out;
    trace.flush(2, images, out);
    EXPECT_EQ(out.str(),
              "2 sound Gameover\n"
              "2 set HiScore2 40\n"
              "2 silence\n"
              "2 set CtrlrOverlay 1\n");
}

TEST(SimPorts, ClockRunsWithVirtualTimeAndWrapsAtMidnight) {
    Scheduler timers;
    replay::ScriptClock clock(23 * 60 + 58);
    EXPECT_EQ(clock.now().hour, 23);
    clock.attach(timers);
    auto at = [&](Millis t) {
        timers.advance_to(t);
        const LocalTime lt = clock.now();
        return lt.hour * 100 + lt.minute;
    };
    EXPECT_EQ(at(0), 2358);
    EXPECT_EQ(at(59'999), 2358) << "seconds start at 0";
    EXPECT_EQ(at(60'000), 2359);
    EXPECT_EQ(at(120'000), 0);
    EXPECT_EQ(at(120'000 + 13 * 3'600'000), 1300);
    EXPECT_EQ(at(120'000 + 3LL * 86'400'000 + 61'000), 1) << "wraps every day";
}

}  // namespace
}  // namespace gorvo::sim
