// Modes of the unit: the case opening, the mode buttons, ACL, the controller overlay setting and
// the high-score reset.
#include <gtest/gtest.h>

#include "core/handheld.h"
#include "scenario_helpers.h"

namespace gorvo::test {
namespace {

bool any_timer_on(const Game& g) {
    for (int i = 0; i < kTimerCount; ++i)
        if (g.on(static_cast<TimerId>(i))) return true;
    return false;
}

TEST(CaseOpening, ClosedUnitIgnoresEverythingButOpening) {
    Game g;
    g.press(Control::GameA);
    g.release(Control::GameA);
    g.press(Control::Time);
    g.release(Control::Time);
    g.press(Control::Up);
    EXPECT_EQ(g.s().game_mode, mode_closed);
    EXPECT_FALSE(g.lit(btn_game_a_down));
    EXPECT_FALSE(g.lit(btn_time_down));
    EXPECT_FALSE(g.lit(btn_cross_down));
    EXPECT_FALSE(any_timer_on(g));
    EXPECT_TRUE(g.lit(im_background_closed));
}

TEST(CaseOpening, AclOpensTheCaseAndItsReleaseChangesNothing) {
    Game g;
    g.press(Control::Acl);
    EXPECT_EQ(g.s().game_mode, mode_all_segments);
    EXPECT_FALSE(g.lit(im_background_closed));
    EXPECT_TRUE(g.lit(im_background_open));
    EXPECT_TRUE(g.lit(im_background_screen_1_top));
    EXPECT_TRUE(g.lit(im_background_screen_2_top));
    for (ImageId b :
         {btn_game_a_top, btn_game_b_top, btn_time_top, btn_acl_top, btn_alarm_top, btn_jump_top})
        EXPECT_TRUE(g.lit(b)) << b;
    // All segments lit, reading 12:00 AM.
    EXPECT_TRUE(g.lit(im_crow_01_01));
    EXPECT_TRUE(g.lit(im_tobo_01_03_b));
    EXPECT_TRUE(g.lit(im_panel_time_am));
    EXPECT_FALSE(g.lit(im_panel_time_pm));
    EXPECT_EQ(g.panel(), "1200");
    g.release(Control::Acl);
    EXPECT_EQ(g.s().game_mode, mode_all_segments);
    EXPECT_FALSE(g.lit(btn_acl_down));
}

TEST(CaseOpening, OverlayButtonsOrCrossPadByTheStoredSetting) {
    Game on;
    on.hh.load_settings();  // nothing stored: overlays on
    on.hh.im_background_closedClick();
    for (ImageId b : {btn_ctrlr_overlay_up, btn_ctrlr_overlay_left, btn_ctrlr_overlay_right,
                      btn_ctrlr_overlay_down})
        EXPECT_TRUE(on.lit(b));
    EXPECT_FALSE(on.lit(btn_cross_top));

    Game off;
    off.settings.values["CtrlrOverlay"] = "0";
    off.hh.load_settings();
    off.hh.im_background_closedClick();
    EXPECT_FALSE(off.lit(btn_ctrlr_overlay_up));
    EXPECT_FALSE(off.lit(btn_ctrlr_overlay_down));
    EXPECT_TRUE(off.lit(btn_cross_top));
}

TEST(CaseOpening, OverlaySwitchIsStoredAndShownOnlyOnTheOpenCase) {
    Game g;
    g.hh.set_ctrlr_overlay(false);
    EXPECT_EQ(g.settings.values["CtrlrOverlay"], "0");
    EXPECT_FALSE(g.lit(btn_cross_top));
    EXPECT_FALSE(g.lit(btn_ctrlr_overlay_left));
    g.hh.im_background_closedClick();
    EXPECT_TRUE(g.lit(btn_cross_top));
    EXPECT_FALSE(g.lit(btn_ctrlr_overlay_left));
    g.hh.set_ctrlr_overlay(true);
    EXPECT_EQ(g.settings.values["CtrlrOverlay"], "1");
    EXPECT_FALSE(g.lit(btn_cross_top));
    EXPECT_TRUE(g.lit(btn_ctrlr_overlay_left));
}

TEST(ModeButtons, HoldingGameAShowsOnlyItsHighScoreLabelLivesAndWaitingTobo) {
    Game g;
    g.settings.values["HiScore1"] = "42";
    g.settings.values["HiScore2"] = "17";
    g.hh.load_settings();
    g.hh.im_background_closedClick();
    g.press(Control::GameA);
    EXPECT_EQ(g.s().game_mode, mode_hiscore_a);
    EXPECT_TRUE(g.lit(btn_game_a_down));
    EXPECT_EQ(g.panel(), "  42");
    EXPECT_TRUE(g.lit(im_panel_game_a));
    EXPECT_FALSE(g.lit(im_panel_game_b));
    EXPECT_TRUE(g.lives_shown(true, true));
    EXPECT_TRUE(g.tobo_at(1, 9));
    EXPECT_EQ(g.tobo_segments_lit(), 1);
    EXPECT_EQ(g.enemies_lit(), 0);
    for (ImageId off : {im_crow_03_02, im_chain_02, im_gorvo_1, im_key_00_a, im_panel_alarm_1,
                        im_panel_time_am, im_panel_time_colon, im_tobo_01_03_b})
        EXPECT_FALSE(g.lit(off)) << off;
    EXPECT_EQ(g.s().lives, 2);

    g.release(Control::GameA);
    EXPECT_FALSE(g.lit(btn_game_a_down));
    EXPECT_EQ(g.s().game_mode, mode_game_a);
    EXPECT_EQ(g.panel(), "   0");

    Game b;
    b.settings.values["HiScore2"] = "17";
    b.hh.load_settings();
    b.hh.im_background_closedClick();
    b.press(Control::GameB);
    EXPECT_EQ(b.s().game_mode, mode_hiscore_b);
    EXPECT_EQ(b.panel(), "  17");
    EXPECT_TRUE(b.lit(im_panel_game_b));
    EXPECT_FALSE(b.lit(im_panel_game_a));
}

TEST(ModeButtons, OtherGameButtonWhileOneIsHeldChangesNothing) {
    Game g;
    g.hh.im_background_closedClick();
    g.press(Control::GameA);
    g.press(Control::GameB);
    EXPECT_EQ(g.s().game_mode, mode_hiscore_a);
    EXPECT_TRUE(g.lit(btn_game_b_down));  // the button still looks pressed
    g.release(Control::GameB);
    EXPECT_EQ(g.s().game_mode, mode_hiscore_a);
    g.press(Control::Time);
    EXPECT_EQ(g.s().game_mode, mode_hiscore_a);
    g.release(Control::GameA);
    EXPECT_EQ(g.s().game_mode, mode_game_a);
    // During a game the mode buttons do nothing.
    g.press(Control::GameB);
    g.release(Control::GameB);
    EXPECT_EQ(g.s().game_mode, mode_game_a);
}

TEST(ModeButtons, TimeHeldShowsTheAlarmTimeAndItsReleaseRunsTheClock) {
    Game g;
    g.clock.time = {9, 41};
    g.hh.im_background_closedClick();
    g.press(Control::Time);
    EXPECT_EQ(g.s().game_mode, mode_alarm_view);
    EXPECT_EQ(g.panel(), "1200");
    EXPECT_TRUE(g.lit(im_panel_time_pm));
    EXPECT_TRUE(g.lit(im_panel_time_colon));
    EXPECT_FALSE(g.lit(im_panel_time_am));
    EXPECT_FALSE(g.lit(im_tobo_03_04));
    EXPECT_FALSE(g.lit(im_panel_life_1));
    // Not idle: game buttons and a second Time press are ignored.
    g.press(Control::GameA);
    g.release(Control::GameA);
    EXPECT_EQ(g.s().game_mode, mode_alarm_view);
    g.release(Control::Time);
    EXPECT_EQ(g.s().game_mode, mode_clock);
    g.wait(1);
    EXPECT_EQ(g.panel(), " 941");
    EXPECT_TRUE(g.lit(im_panel_time_am));
    EXPECT_TRUE(g.lit(im_panel_time_colon));
    // The clock mode is idle: Game A leaves it and stops the clock.
    g.press(Control::GameA);
    EXPECT_EQ(g.s().game_mode, mode_hiscore_a);
    EXPECT_FALSE(g.on(T::Timer_Clock));
    EXPECT_FALSE(g.lit(im_panel_time_colon));
}

TEST(Acl, DuringAGameFreezesEverythingAndItsReleaseShowsAllSegments) {
    Game g;
    g.settings.values["HiScore1"] = "5";
    g.hh.load_settings();
    g.start();
    g.s().score = 60;
    g.wait(3000);
    g.put_enemy(5, 8);
    g.sound.events.clear();
    g.press(Control::Acl);
    EXPECT_EQ(g.s().game_mode, mode_acl_held);
    EXPECT_FALSE(any_timer_on(g));
    EXPECT_FALSE(g.s().play_enabled);
    EXPECT_EQ(g.heard(), std::vector<std::string>{"silence"});
    EXPECT_TRUE(g.lit(btn_acl_down));
    EXPECT_TRUE(g.tobo_lit(1, 9));  // the picture stays as it was
    g.wait(5000);
    EXPECT_TRUE(g.enemy(5, 8));
    EXPECT_FALSE(g.enemy(4, 8));
    g.press(Control::Up);
    g.wait(500);
    EXPECT_TRUE(g.tobo_at(1, 9));

    g.release(Control::Up);
    g.release(Control::Acl);
    EXPECT_EQ(g.s().game_mode, mode_all_segments);
    EXPECT_EQ(g.panel(), "1200");
    EXPECT_TRUE(g.lit(im_nokker_07_08));
    EXPECT_FALSE(any_timer_on(g));
    EXPECT_EQ(g.s().hiscore_a, 5);
    EXPECT_TRUE(g.settings.writes.empty());
    // Idle again: Game A is accepted.
    g.press(Control::GameA);
    EXPECT_EQ(g.s().game_mode, mode_hiscore_a);
    EXPECT_EQ(g.panel(), "   5");
}

TEST(Acl, HeldDuringTheStartSequenceStopsIt) {
    Game g;
    g.hh.im_background_closedClick();
    g.press(Control::GameA);
    g.release(Control::GameA);
    g.wait(600);  // Gorvo is shown; the chains not yet
    g.press(Control::Acl);
    g.wait(3000);
    EXPECT_FALSE(g.lit(im_chain_02));
    EXPECT_FALSE(g.s().play_enabled);
    EXPECT_FALSE(g.on(T::Timer_Game));
}

TEST(HiscoreReset, WritesBothZerosAndTheNextViewShowsZero) {
    Game g;
    g.settings.values["HiScore1"] = "321";
    g.settings.values["HiScore2"] = "654";
    g.hh.load_settings();
    g.hh.im_background_closedClick();
    g.press(Control::GameB);
    EXPECT_EQ(g.panel(), " 654");
    g.release(Control::GameB);
    g.press(Control::Acl);
    g.release(Control::Acl);
    g.hh.reset_hiscores();
    EXPECT_EQ(g.settings.writes, (std::vector<std::string>{"HiScore1=0", "HiScore2=0"}));
    EXPECT_EQ(g.panel(), "1200");  // nothing on the LCD changes at the reset
    g.press(Control::GameA);
    EXPECT_EQ(g.panel(), "   0");
    EXPECT_EQ(g.s().hiscore_a, 0);
    EXPECT_EQ(g.s().hiscore_b, 0);
}

TEST(Settings, HighScoresKeepTheirValueWhenNothingIsStored) {
    Game g;
    g.s().hiscore_a = 12;
    g.settings.values["HiScore2"] = "34";
    g.hh.load_settings();
    EXPECT_EQ(g.s().hiscore_a, 12);
    EXPECT_EQ(g.s().hiscore_b, 34);
    EXPECT_FALSE(g.s().play_enabled);
    EXPECT_FALSE(g.s().dir_held);
    EXPECT_FALSE(g.s().jump_held);
}

}  // namespace
}  // namespace gorvo::test
