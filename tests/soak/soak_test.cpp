// Thousands of complete games with random inputs on virtual time; every rule of the handheld is
// checked after every event. GORVO_SOAK_GAMES asks for another number of games.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iostream>

#include "invariants.h"
#include "soak_game.h"
#include "support/fakes.h"

namespace gorvo::soak {
namespace {

int games_asked_for() {
    const char* env = std::getenv("GORVO_SOAK_GAMES");
    if (env == nullptr || *env == '\0') return 10000;
    char* end = nullptr;
    const long n = std::strtol(env, &end, 10);
    return (*end == '\0' && n > 0 && n < 100'000'000) ? static_cast<int>(n) : 10000;
}

constexpr int kGamesPerSession = 10;

TEST(Soak, CompleteGamesKeepEveryRule) {
    const int games = games_asked_for();
    int played = 0;
    int failures = 0;
    Millis virtual_time = 0;
    std::array<long, kTimerCount> ticks{};
    for (std::uint64_t seed = 1; played < games && failures < 3; ++seed) {
        const int session = std::min(kGamesPerSession, games - played);
        const SoakResult r = play_soak_session(seed, session);
        virtual_time += r.duration;
        played += r.games;
        for (int t = 0; t < kTimerCount; ++t)
            ticks[t] += r.ticks[t];
        if (!r.failure.empty()) {
            ++failures;
            ADD_FAILURE() << reproduction(seed, r);
        } else {
            EXPECT_EQ(r.games, session);
        }
    }
    std::cout << "[ soak     ] " << played << " complete games, " << virtual_time / 1000
              << " virtual seconds\n";
    if (games < 10000 || failures > 0) return;
    // The rules were checked through every sequence of the game, not only the easy ones.
    for (TimerId t :
         {TimerId::Timer_Key_Move, TimerId::Timer_Bonus_Lock, TimerId::Timer_Bonus_Complete,
          TimerId::Timer_Bonus_Chance, TimerId::Timer_Score_Blink, TimerId::Timer_Miss,
          TimerId::Timer_Game_Over, TimerId::Timer_Tobo_Jump}) {
        EXPECT_GT(ticks[static_cast<int>(t)], 0) << timer_name(t) << " never ticked";
    }
}

TEST(Soak, SameSeedSameSession) {
    const SoakResult a = play_soak_session(4242, 2);
    const SoakResult b = play_soak_session(4242, 2);
    EXPECT_EQ(a.script, b.script);
    EXPECT_EQ(a.draws, b.draws);
    EXPECT_NE(a.script, play_soak_session(4243, 2).script);
}

// The checks themselves must catch what they are meant to catch.
struct PlantedFault : ::testing::Test {
    test::Rig rig;
    Moment playing{std::nullopt, true};

    void SetUp() override {
        rig.random.values = {1};  // no enemy ever enters
        rig.hh.load_settings();
        rig.hh.im_background_closedClick();
        rig.hh.Inp_game_a_down();
        rig.hh.Inp_game_a_up();
        rig.wait(3000);  // past the start sequence and the first enemy tick
        ASSERT_TRUE(rig.s().play_enabled);
        ASSERT_EQ(check_invariants(rig.hh, playing), "");
    }
};

TEST_F(PlantedFault, Ranges) {
    rig.s().lives = 3;
    EXPECT_NE(check_ranges(rig.s()), "");
    rig.s().lives = 2;
    rig.s().score_step = 0;
    EXPECT_NE(check_ranges(rig.s()), "");
    rig.s().score_step = 2;
    rig.s().hiscore_b = 1000;
    EXPECT_NE(check_ranges(rig.s()), "");
    rig.s().hiscore_b = 0;
    rig.s().score = rig.s().chance_score;
    EXPECT_NE(check_ranges(rig.s()), "") << "play must not go on past a due chance";
}

TEST_F(PlantedFault, EnemyCellsAndSegments) {
    rig.s().cell(0, 1) = 1;  // column 0 of the crows' row has no segment
    EXPECT_NE(check_enemy_cells(rig.hh), "");
    rig.s().cell(0, 1) = 0;
    rig.s().cell(3, 4) = 1;  // a nokker in the grid that is not drawn
    EXPECT_NE(check_enemy_segments(rig.hh), "");
    EXPECT_NE(check_invariants(rig.hh, Moment{TimerId::Timer_Game, true}), "");
    rig.s().cell(3, 4) = 0;
    rig.s().cell(0, 6) = 1;  // an entry cell may flicker
    EXPECT_EQ(check_enemy_segments(rig.hh), "");
}

TEST_F(PlantedFault, Tobo) {
    rig.s().tobo_col = 2;  // (2, 9) has no segment
    EXPECT_NE(check_tobo(rig.hh, playing), "");
    rig.s().tobo_col = 1;
    rig.hh.images().set_visible(im_tobo_03_06, true);  // a second Tobo
    EXPECT_NE(check_tobo(rig.hh, playing), "");
    rig.hh.images().set_visible(im_tobo_03_06, false);
    rig.hh.images().set_visible(im_tobo_01_03_a, true);  // the arm away from (1, 3)
    EXPECT_NE(check_tobo(rig.hh, playing), "");
}

TEST_F(PlantedFault, TimerGameDuringAFrozenSequence) {
    rig.hh.timers().enable(TimerId::Timer_Miss);
    EXPECT_NE(check_frozen_sequences(rig.hh), "");
    rig.hh.Gam_Stop_All_Timers();
    rig.s().play_enabled = false;
    rig.hh.timers().enable(TimerId::Timer_Miss);
    EXPECT_EQ(check_frozen_sequences(rig.hh), "");
    rig.hh.timers().enable(TimerId::Timer_Bonus_Chance);
    EXPECT_NE(check_frozen_sequences(rig.hh), "") << "two sequences at once";
}

TEST_F(PlantedFault, Panel) {
    Images& images = rig.hh.images();
    images.set_picture_from(images.digit_pos(2), images.panel_number(0));
    images.set_picture_from(images.digit_pos(3), images.panel_number(5));
    EXPECT_NE(check_panel(rig.hh), "") << "050 has a leading zero";
    images.set_picture_from(images.digit_pos(2), images.panel_number(1));
    EXPECT_NE(check_panel(rig.hh), "") << "150 is not the score 0";
    images.set_picture_from(images.digit_pos(2), kNoImage);
    images.set_picture_from(images.digit_pos(3), kNoImage);
    EXPECT_EQ(check_panel(rig.hh), "");
    images.set_picture_from(images.digit_pos(4), kNoImage);
    images.set_picture_from(images.digit_pos(3), images.panel_number(4));
    EXPECT_NE(check_panel(rig.hh), "") << "a gap after a digit";
}

}  // namespace
}  // namespace gorvo::soak
