// The sequences that frame a game: the start, the miss blink with its restart, and the game over
// with the high score and the five-minute return to the alarm view.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/handheld.h"
#include "scenario_helpers.h"

namespace gorvo::test {
namespace {

using Strings = std::vector<std::string>;

// Tobo walks (from the waiting place, if he is there) into a nokker on row 8: a miss caused by
// his own move. Returns the moment of the miss sequence's first step.
Millis lose_life(Game& g) {
    if (g.tobo_at(1, 9)) g.step(Control::Up);
    EXPECT_EQ(g.s().tobo_row, 8);
    g.put_enemy(g.s().tobo_col + 1, 8);
    g.step(Control::Right);
    EXPECT_TRUE(g.on(T::Timer_Miss));
    return g.now() + 1;
}

// Lets the enemy ticks carry the row-8 nokkers off the screen (Tobo waits below it).
void let_row8_clear(Game& g) {
    for (int i = 0; i < 16; ++i) {
        bool any = false;
        for (int c = 1; c <= 7; ++c)
            any = any || g.enemy(c, 8);
        if (!any) return;
        g.next_tick();
    }
    ADD_FAILURE() << "row 8 did not clear";
}

TEST(GameStart, SequenceBuildsThePictureThenStartsPlay) {
    Game g;
    g.hh.im_background_closedClick();
    g.press(Control::GameA);
    g.wait(100);
    g.sound.events.clear();
    g.release(Control::GameA);
    const Millis r = g.now();
    g.at(r + 550);
    EXPECT_FALSE(g.lit(im_gorvo_1));
    EXPECT_TRUE(g.heard().empty());
    g.at(r + 551);
    EXPECT_TRUE(g.lit(im_gorvo_1));
    EXPECT_TRUE(g.lit(im_panel_alarm_1));
    EXPECT_FALSE(g.lit(im_panel_alarm_2));
    EXPECT_FALSE(g.lit(im_chain_02));
    EXPECT_EQ(g.heard(), Strings{"Key"});
    g.at(r + 1100);
    EXPECT_FALSE(g.lit(im_chain_03));
    g.at(r + 1101);
    for (int k = 2; k <= 5; ++k)
        EXPECT_TRUE(g.lit(g.hh.images().chain_image(k))) << k;
    EXPECT_EQ(g.heard(), (Strings{"Key", "Chain"}));
    EXPECT_TRUE(g.tobo_at(1, 9));
    EXPECT_TRUE(g.lives_shown(true, true));
    EXPECT_EQ(g.panel(), "   0");

    // Leftovers of an earlier game do not survive the last start step.
    g.put_enemy(3, 4);
    g.s().enemy_phase = 2;
    g.s().game_ticks = 77;
    g.s().score_step = 2;
    g.s().chance_score = 1300;
    g.s().key_pos = 4;
    g.press(Control::Up);  // too early: only the latch is set
    g.at(r + 1650);
    EXPECT_FALSE(g.s().play_enabled);
    EXPECT_FALSE(g.on(T::Timer_Game));
    g.at(r + 1651);
    EXPECT_TRUE(g.s().play_enabled);
    EXPECT_FALSE(g.s().dir_held);
    EXPECT_FALSE(g.on(T::Timer_Game_Start));
    EXPECT_EQ(g.enemies_present(), 0);
    EXPECT_EQ(g.s().enemy_phase, 1);
    EXPECT_EQ(g.s().game_ticks, 1);
    EXPECT_EQ(g.s().score_step, 1);
    EXPECT_EQ(g.s().chance_score, 300);
    EXPECT_EQ(g.s().key_pos, 0);
    EXPECT_EQ(g.interval(T::Timer_Game), 599);
    EXPECT_TRUE(g.on(T::Timer_Key_Blink));
    EXPECT_EQ(g.interval(T::Timer_Key_Blink), 500);
    EXPECT_TRUE(g.on(T::Timer_Spark_Blink));
    EXPECT_EQ(g.interval(T::Timer_Spark_Blink), 50);
    EXPECT_TRUE(g.tobo_at(1, 9));
    EXPECT_EQ(g.run_to(T::Timer_Game), r + 1651 + 599);

    // The held direction needs a new press event to move Tobo.
    g.press(Control::Up);
    g.wait(kFirstStep);
    EXPECT_TRUE(g.tobo_at(1, 8));
}

TEST(GameStart, KeyBlinksAtTheBottomEveryHalfSecond) {
    Game g;
    const Millis play = g.start();
    g.at(play + 499);
    EXPECT_FALSE(g.lit(im_key_00_a));
    g.at(play + 500);
    EXPECT_TRUE(g.lit(im_key_00_a));
    g.at(play + 1000);
    EXPECT_FALSE(g.lit(im_key_00_a));
    g.at(play + 1500);
    EXPECT_TRUE(g.lit(im_key_00_a));
}

TEST(Miss, EnemyContactBlinksToboThenTakesALifeAndRestarts) {
    Game g;
    const Millis play = g.start();
    g.step(Control::Up);
    ASSERT_TRUE(g.tobo_at(1, 8));
    g.put_enemy(2, 8);
    g.s().key_pos = 1;  // the key waits at the upper place
    g.sound.events.clear();
    EXPECT_EQ(g.next_tick(), play + 599);
    EXPECT_EQ(g.heard(), Strings{"silence"});
    const Millis m = play + 600;  // first step of the miss sequence
    g.at(m);
    EXPECT_EQ(g.heard(), (Strings{"silence", "Miss"}));
    struct Blink {
        Millis at;
        bool shown;
    };
    for (Blink b : {Blink{159, true},
                    {160, false},
                    {439, false},
                    {440, true},
                    {719, true},
                    {720, false},
                    {999, false},
                    {1000, true},
                    {1279, true},
                    {1280, false},
                    {1559, false}}) {
        g.at(m + b.at);
        EXPECT_EQ(g.tobo_lit(1, 8), b.shown) << "at +" << b.at;
        EXPECT_EQ(g.s().lives, 2) << "at +" << b.at;
        EXPECT_FALSE(g.on(T::Timer_Game));
        EXPECT_FALSE(g.on(T::Timer_Key_Blink));
    }
    g.press(Control::Left);  // held through the restart
    g.at(m + 1560);
    EXPECT_EQ(g.s().lives, 1);
    EXPECT_TRUE(g.lives_shown(true, false));
    EXPECT_TRUE(g.tobo_at(1, 9));
    EXPECT_EQ(g.tobo_segments_lit(), 1);
    EXPECT_FALSE(g.on(T::Timer_Miss));
    EXPECT_TRUE(g.s().play_enabled);
    EXPECT_EQ(g.s().game_ticks, 1);
    EXPECT_EQ(g.s().enemy_phase, 2);  // not reset
    EXPECT_TRUE(g.enemy(2, 8));       // the enemies stay where they were
    EXPECT_EQ(g.s().key_pos, 0);      // the key starts again from the bottom
    EXPECT_FALSE(g.s().dir_held);     // the held direction is let go
    g.release(Control::Left);
    EXPECT_TRUE(g.on(T::Timer_Key_Blink));
    EXPECT_TRUE(g.on(T::Timer_Spark_Blink));
    EXPECT_EQ(g.run_to(T::Timer_Game), m + 1560 + 599);
    EXPECT_EQ(g.heard_count("Miss"), 1);
}

TEST(Miss, OwnMoveIntoAnEnemyDoesNotSilenceAndRedrawsTheScore) {
    Game g;
    g.start();
    g.step(Control::Up);
    g.s().score = 123;  // a blinking score may have been blank
    g.hh.images().Vid_Show_Panel_Score(123, false);
    g.sound.events.clear();
    const Millis m = lose_life(g);
    EXPECT_EQ(g.panel(), " 123");
    EXPECT_TRUE(g.heard().empty());
    EXPECT_FALSE(g.s().play_enabled);
    EXPECT_FALSE(g.on(T::Timer_Game));
    g.at(m);
    EXPECT_EQ(g.heard(), Strings{"Miss"});
    g.at(m + 1560);
    // Restart speed: game_ticks 1 at the current score.
    EXPECT_EQ(g.interval(T::Timer_Game), 600 - 1 - 41);
}

TEST(Miss, RestartHidesTheTravellingKeyAndEndsDoubleScore) {
    Game g;
    const Millis play = g.start();
    g.step(Control::Up);
    g.step(Control::Jump);  // picks up the key at the bottom; the key rises beside the game
    ASSERT_TRUE(g.tobo_at(1, 7));
    g.s().score_step = 2;
    g.s().enemy_phase = 2;
    g.put_enemy(0, 6);  // reaches Tobo in the air with nothing beneath him
    EXPECT_EQ(g.next_tick(), play + 599);
    ASSERT_TRUE(g.on(T::Timer_Miss));
    EXPECT_TRUE(g.lit(im_key_00_b));
    EXPECT_FALSE(g.on(T::Timer_Key_Move));
    const Millis m = play + 600;
    g.at(m + 1559);
    EXPECT_TRUE(g.lit(im_key_00_b));
    g.at(m + 1560);
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(g.lit(g.hh.images().key_zero_image(i))) << i;
    EXPECT_EQ(g.s().key_pos, 0);
    EXPECT_EQ(g.s().score_step, 1);
    EXPECT_TRUE(g.tobo_at(1, 9));
    EXPECT_EQ(g.tobo_segments_lit(), 1);
    g.at(m + 1560 + 500);
    EXPECT_TRUE(g.lit(im_key_00_a));
}

TEST(Miss, AfterARestartToboEntersOnTheTwentySecondTick) {
    Game g;
    g.start();
    const Millis m = lose_life(g);
    g.at(m + 1560);
    let_row8_clear(g);
    while (g.s().game_ticks <= 22) {
        EXPECT_TRUE(g.tobo_at(1, 9));
        g.next_tick();
    }
    EXPECT_TRUE(g.tobo_at(1, 8));
}

struct Ending {
    Control game;
    const char* stored;  // high score in the settings store
    int score;           // score at the last miss
    int hiscore;         // high score afterwards
    Strings writes;
};

class GameOver : public ::testing::TestWithParam<Ending> {};

TEST_P(GameOver, ThirdMissSettlesTheScoreAndStoresOnlyABetterOne) {
    const Ending& p = GetParam();
    const bool b = p.game == Control::GameB;
    Game g;
    g.settings.values[b ? "HiScore2" : "HiScore1"] = p.stored;
    g.hh.load_settings();
    g.start(p.game);
    Millis m = lose_life(g);
    g.at(m + 1560);
    EXPECT_TRUE(g.lives_shown(true, false));
    m = lose_life(g);
    g.at(m + 1560);
    EXPECT_TRUE(g.lives_shown(false, false));
    EXPECT_EQ(g.s().lives, 0);
    EXPECT_TRUE(g.on(T::Timer_Game));
    g.s().score = p.score;
    m = lose_life(g);
    g.sound.events.clear();
    g.at(m + 1559);
    EXPECT_EQ(g.s().lives, 0);
    g.at(m + 1560);
    EXPECT_EQ(g.s().lives, -1);
    EXPECT_TRUE(g.lives_shown(false, false));
    EXPECT_EQ(g.tobo_segments_lit(), 0);
    EXPECT_FALSE(g.on(T::Timer_Game));
    g.at(m + 1760);
    EXPECT_EQ(g.heard(), Strings{"Miss"});
    g.at(m + 1761);
    EXPECT_EQ(g.heard(), (Strings{"Miss", "Gameover"}));
    g.at(m + 2260);
    EXPECT_EQ(g.s().game_mode, b ? mode_game_b : mode_game_a);
    EXPECT_EQ(g.s().score, p.score);
    EXPECT_TRUE(g.settings.writes.empty());
    g.at(m + 2261);
    EXPECT_EQ(g.s().game_mode, mode_game_over);
    EXPECT_EQ(g.s().score, p.score % 1000);
    EXPECT_EQ(b ? g.s().hiscore_b : g.s().hiscore_a, p.hiscore);
    EXPECT_EQ(g.settings.writes, p.writes);
    // The last picture stays: chains, Gorvo, the game label and the score.
    EXPECT_TRUE(g.lit(im_chain_02));
    EXPECT_TRUE(g.lit(im_gorvo_1));
    EXPECT_TRUE(g.lit(b ? im_panel_game_b : im_panel_game_a));
    EXPECT_EQ(g.panel()[1], p.score % 1000 > 99 ? '0' + (p.score % 1000) / 100 : ' ');
    EXPECT_EQ(g.panel()[3], '0' + p.score % 10);
}

INSTANTIATE_TEST_SUITE_P(Scores, GameOver,
                         ::testing::Values(Ending{Control::GameA, "40", 1050, 50, {"HiScore1=50"}},
                                           Ending{Control::GameA, "900", 1050, 900, {}},
                                           Ending{Control::GameA, "50", 1050, 50, {}},
                                           Ending{Control::GameA, "0", 0, 0, {}},
                                           Ending{
                                               Control::GameA, "99", 2100, 100, {"HiScore1=100"}},
                                           Ending{Control::GameB, "12", 345, 345, {"HiScore2=345"}},
                                           Ending{Control::GameB, "345", 345, 345, {}}));

// Plays Game A to its end with the given score; returns the moment mode 9 began.
Millis play_to_game_over(Game& g, int score) {
    g.start();
    for (int i = 0; i < 2; ++i)
        g.at(lose_life(g) + 1560);
    g.s().score = score;
    const Millis m = lose_life(g);
    g.at(m + 2261);
    EXPECT_EQ(g.s().game_mode, mode_game_over);
    return m + 2261;
}

TEST(GameOverRest, AfterFiveMinutesTheAlarmViewAndGameAIsIgnoredUntilTime) {
    Game g;
    const Millis over = play_to_game_over(g, 75);
    g.at(over + 299999);
    EXPECT_EQ(g.s().game_mode, mode_game_over);
    EXPECT_TRUE(g.lit(im_chain_02));
    g.at(over + 300000);
    EXPECT_EQ(g.s().game_mode, mode_alarm_view);
    EXPECT_EQ(g.panel(), "1200");
    EXPECT_TRUE(g.lit(im_panel_time_pm));
    EXPECT_TRUE(g.lit(im_panel_time_colon));
    EXPECT_FALSE(g.lit(im_chain_02));
    EXPECT_FALSE(g.lit(im_gorvo_1));
    EXPECT_FALSE(g.lit(im_panel_game_a));
    EXPECT_EQ(g.enemies_lit(), 0);
    for (int i = 0; i < kTimerCount; ++i)
        EXPECT_FALSE(g.on(static_cast<TimerId>(i))) << i;

    g.press(Control::GameA);
    g.release(Control::GameA);
    EXPECT_EQ(g.s().game_mode, mode_alarm_view);
    g.press(Control::Time);  // not idle: ignored
    g.release(Control::Time);
    EXPECT_EQ(g.s().game_mode, mode_clock);
    g.press(Control::GameA);
    EXPECT_EQ(g.s().game_mode, mode_hiscore_a);
    EXPECT_EQ(g.panel(), "  75");
}

TEST(GameOverRest, GameADuringTheRestShowsTheNewHighScoreAndStopsTheTimeout) {
    Game g;
    const Millis over = play_to_game_over(g, 64);
    g.at(over + 1000);
    g.press(Control::GameA);
    EXPECT_EQ(g.s().game_mode, mode_hiscore_a);
    EXPECT_EQ(g.panel(), "  64");
    EXPECT_FALSE(g.on(T::Timer_Game_Over));
    g.at(over + 400000);
    EXPECT_EQ(g.s().game_mode, mode_hiscore_a);
}

TEST(GameOverRest, TimeDuringTheRestShowsTwelvePmThenTheClock) {
    Game g;
    g.clock.time = {16, 20};
    const Millis over = play_to_game_over(g, 5);
    g.at(over + 10);
    g.press(Control::Time);
    EXPECT_EQ(g.panel(), "1200");
    EXPECT_TRUE(g.lit(im_panel_time_pm));
    g.release(Control::Time);
    g.wait(1);
    EXPECT_EQ(g.panel(), " 420");
}

TEST(GameOverRest, AclBeforeTheScoreIsSettledKeepsTheHighScore) {
    Game g;
    g.settings.values["HiScore1"] = "10";
    g.hh.load_settings();
    g.start();
    for (int i = 0; i < 2; ++i)
        g.at(lose_life(g) + 1560);
    g.s().score = 500;
    const Millis m = lose_life(g);
    g.at(m + 2000);  // the game over has begun, the score is not settled yet
    g.press(Control::Acl);
    g.release(Control::Acl);
    g.at(m + 400000);
    EXPECT_EQ(g.s().game_mode, mode_all_segments);
    EXPECT_EQ(g.s().hiscore_a, 10);
    EXPECT_TRUE(g.settings.writes.empty());
}

TEST(GameOverRest, ResetDuringAGameLetsItsScoreBecomeTheHighScore) {
    Game g;
    g.settings.values["HiScore1"] = "500";
    g.hh.load_settings();
    g.start();
    g.hh.reset_hiscores();
    for (int i = 0; i < 2; ++i)
        g.at(lose_life(g) + 1560);
    g.s().score = 7;
    g.at(lose_life(g) + 2261);
    EXPECT_EQ(g.settings.writes, (Strings{"HiScore1=0", "HiScore2=0", "HiScore1=7"}));
    EXPECT_EQ(g.s().hiscore_a, 7);
}

TEST(Miss, ALifeRestoredByTheBonusChanceMakesAFourthMissNecessary) {
    Game g;
    g.start();
    g.at(lose_life(g) + 1560);
    ASSERT_EQ(g.s().lives, 1);
    let_row8_clear(g);
    g.s().score = 299;
    g.step(Control::Up);
    g.step(Control::Right);
    const Millis point = jump_over_nokker(g);
    EXPECT_EQ(g.s().score, 300);
    g.at(point + 1621);  // the bonus chance has run
    EXPECT_EQ(g.s().lives, 2);
    EXPECT_TRUE(g.lives_shown(true, true));
    EXPECT_TRUE(g.s().play_enabled);
    for (int lives = 1; lives >= 0; --lives) {
        g.at(lose_life(g) + 1560);
        EXPECT_EQ(g.s().lives, lives);
        EXPECT_TRUE(g.on(T::Timer_Game));
        EXPECT_FALSE(g.on(T::Timer_Game_Over));
    }
    g.at(lose_life(g) + 1560);
    EXPECT_EQ(g.s().lives, -1);
    EXPECT_TRUE(g.on(T::Timer_Game_Over));
}

}  // namespace
}  // namespace gorvo::test
