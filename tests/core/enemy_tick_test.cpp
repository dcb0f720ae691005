// The enemy tick: lanes, entries, contacts with Tobo, the entry flicker and the game speed.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/handheld.h"
#include "scenario_helpers.h"

namespace gorvo::test {
namespace {

using Cell = std::pair<int, int>;

// Enemy cells present, as (col, row), in column-major order.
std::vector<Cell> present(const Game& g) {
    std::vector<Cell> out;
    g.for_each_enemy_cell([&](int c, int r) {
        if (g.enemy(c, r)) out.emplace_back(c, r);
    });
    return out;
}

void expect_drawn_as_grid(const Game& g) {
    g.for_each_enemy_cell([&](int c, int r) {
        EXPECT_EQ(g.enemy_lit(c, r), g.enemy(c, r)) << "cell " << c << "," << r;
    });
}

TEST(GameSpeed, FirstTicksOfGameAWaitOneMillisecondLessEachTime) {
    Game g;
    const Millis play = g.start();
    EXPECT_EQ(g.interval(T::Timer_Game), 599);
    EXPECT_EQ(g.next_tick(), play + 599);
    EXPECT_EQ(g.next_tick(), play + 599 + 599);
    EXPECT_EQ(g.next_tick(), play + 599 + 599 + 598);
    EXPECT_EQ(g.next_tick(), play + 599 + 599 + 598 + 597);
    EXPECT_EQ(g.s().game_ticks, 5);
}

TEST(GameSpeed, EachTickSetsTheNextIntervalBeforeCountingItself) {
    Game g;
    g.start(Control::GameB);
    g.s().game_ticks = 100;
    g.s().score = 150;
    const Millis first = g.next_tick();
    EXPECT_EQ(g.s().game_ticks, 101);
    EXPECT_EQ(g.next_tick() - first, 420);  // 600 - 130 - 50, from game_ticks 100
}

struct Speed {
    Control game;
    int ticks;
    int score;
    int interval;
};

class GameSpeedFormula : public ::testing::TestWithParam<Speed> {};

TEST_P(GameSpeedFormula, IntervalFromTicksAndScoreWithAFloorOf120) {
    const Speed& p = GetParam();
    Game g;
    g.start(p.game);
    g.s().game_ticks = p.ticks;
    g.s().score = p.score;
    g.hh.Gam_Set_Timer_Game_Interval();
    EXPECT_EQ(g.interval(T::Timer_Game), p.interval);
}

INSTANTIATE_TEST_SUITE_P(
    BothGames, GameSpeedFormula,
    ::testing::Values(Speed{Control::GameA, 1, 0, 599}, Speed{Control::GameA, 1, 5, 598},
                      Speed{Control::GameA, 100, 150, 450}, Speed{Control::GameA, 479, 0, 121},
                      Speed{Control::GameA, 480, 0, 120}, Speed{Control::GameA, 400, 239, 121},
                      Speed{Control::GameA, 400, 243, 120}, Speed{Control::GameA, 1, 1440, 120},
                      Speed{Control::GameA, 5000, 3000, 120}, Speed{Control::GameB, 1, 0, 599},
                      Speed{Control::GameB, 7, 0, 591}, Speed{Control::GameB, 10, 2, 587},
                      Speed{Control::GameB, 100, 150, 420}, Speed{Control::GameB, 369, 0, 121},
                      Speed{Control::GameB, 370, 0, 120}, Speed{Control::GameB, 1000, 0, 120}));

TEST(EnemyLanes, CrowPathThroughTheThreeUpperRows) {
    Game g;
    g.random.values = {0, 1};  // the first tick lets one crow in, nothing else ever enters
    g.start();
    // Where the crow stands after tick k (unchanged on the ticks in between).
    const std::map<int, Cell> path = {{1, {1, 1}},  {3, {2, 1}},  {5, {3, 1}},  {7, {4, 1}},
                                      {9, {5, 1}},  {11, {6, 1}}, {12, {6, 2}}, {14, {5, 2}},
                                      {16, {4, 2}}, {18, {3, 2}}, {20, {2, 2}}, {21, {2, 3}},
                                      {23, {3, 3}}, {25, {4, 3}}, {27, {5, 3}}, {29, {6, 3}}};
    Cell at{-1, -1};
    for (int tick = 1; tick <= 30; ++tick) {
        g.next_tick();
        if (path.count(tick)) at = path.at(tick);
        EXPECT_EQ(present(g), std::vector<Cell>{at}) << "after tick " << tick;
        expect_drawn_as_grid(g);
    }
    g.next_tick();
    EXPECT_TRUE(present(g).empty());
    EXPECT_EQ(g.enemies_lit(), 0);
}

TEST(EnemyLanes, LowerLanesRunToTheirEndsAndLeave) {
    Game g;
    g.random.values = {1};
    g.start();
    g.put_enemy(5, 5);  // spark entering row 5, moves left on phase 1
    g.put_enemy(7, 8);  // nokker entering row 8, moves left on phase 1
    g.put_enemy(0, 6);  // spark entering row 6, moves right on phase 2
    g.put_enemy(7, 4);  // nokker entering row 4, moves left on phase 2
    g.next_tick();      // phase 1
    EXPECT_EQ(present(g), (std::vector<Cell>{{0, 6}, {4, 5}, {6, 8}, {7, 4}}));
    g.next_tick();  // phase 2
    EXPECT_EQ(present(g), (std::vector<Cell>{{1, 6}, {4, 5}, {6, 4}, {6, 8}}));
    for (int i = 0; i < 6; ++i)
        g.next_tick();  // three more of each phase
    EXPECT_EQ(present(g), (std::vector<Cell>{{1, 5}, {3, 4}, {3, 8}, {4, 6}}));
    expect_drawn_as_grid(g);
    for (int i = 0; i < 4; ++i)
        g.next_tick();
    EXPECT_EQ(present(g), (std::vector<Cell>{{1, 4}, {1, 8}, {6, 6}}));
    g.next_tick();  // phase 1 takes the row-8 nokker out
    g.next_tick();  // phase 2 takes the row-4 nokker and the row-6 spark out
    EXPECT_TRUE(present(g).empty());
    EXPECT_EQ(g.enemies_lit(), 0);
}

TEST(EnemyLanes, EntriesDrawEveryTimeAndNeverFollowDirectlyBehind) {
    Game g;
    g.random.values = {0};  // every draw would let an enemy in
    g.start();
    g.put_enemy(1, 1);
    g.put_enemy(5, 5);
    g.put_enemy(7, 8);
    g.random.asked.clear();
    g.next_tick();  // phase 1: each entrant moves on and blocks its entry
    EXPECT_EQ(g.random.asked, (std::vector<int>{7, 6, 6}));
    EXPECT_EQ(present(g), (std::vector<Cell>{{2, 1}, {4, 5}, {6, 8}}));
    expect_drawn_as_grid(g);
    g.next_tick();  // phase 2: the empty entries of rows 4 and 6 fill
    EXPECT_TRUE(g.enemy(7, 4));
    EXPECT_TRUE(g.enemy(0, 6));
    g.next_tick();  // phase 1: the entries are free again, one cell behind
    EXPECT_TRUE(g.enemy(1, 1));
    EXPECT_FALSE(g.enemy(2, 1));
    EXPECT_TRUE(g.enemy(3, 1));
    EXPECT_TRUE(g.enemy(5, 5));
    EXPECT_FALSE(g.enemy(4, 5));
    EXPECT_TRUE(g.enemy(7, 8));
    EXPECT_FALSE(g.enemy(6, 8));
    g.next_tick();  // phase 2: row 4 is blocked by the nokker that just left its entry
    EXPECT_TRUE(g.enemy(6, 4));
    EXPECT_FALSE(g.enemy(7, 4));
    EXPECT_TRUE(g.enemy(1, 6));
    EXPECT_FALSE(g.enemy(0, 6));
    expect_drawn_as_grid(g);
}

TEST(EnemyLanes, RandomDrawsInTickOrderForBothGames) {
    Game a;
    a.start();
    EXPECT_TRUE(a.random.asked.empty());
    for (int i = 0; i < 4; ++i)
        a.next_tick();
    EXPECT_EQ(a.random.asked, (std::vector<int>{7, 6, 6, 6, 6, 7, 6, 6, 6, 6}));

    Game b;
    b.start(Control::GameB);
    for (int i = 0; i < 4; ++i)
        b.next_tick();
    EXPECT_EQ(b.random.asked, (std::vector<int>{5, 6, 6, 6, 6, 5, 6, 6, 6, 6}));
}

TEST(EnemyLanes, GameBLetsCrowsInWithOneInFive) {
    Game b;
    b.random.values = {4, 1};  // 4 of 5 is no entry
    b.start(Control::GameB);
    b.next_tick();
    EXPECT_FALSE(b.enemy(1, 1));
    Game a;
    a.random.values = {5, 1};  // 5 of 7 is no entry either; 5 of 5 would have been 0
    a.start();
    a.next_tick();
    EXPECT_FALSE(a.enemy(1, 1));
    Game b2;
    b2.random.values = {5, 1};
    b2.start(Control::GameB);
    b2.next_tick();
    EXPECT_TRUE(b2.enemy(1, 1));
}

struct Contact {
    const char* what;
    Cell tobo;
    int phase;
    Cell enemy;
    bool miss;
};

class EnemyContact : public ::testing::TestWithParam<Contact> {};

TEST_P(EnemyContact, OnlyTheReachingCellMakesAMiss) {
    const Contact& p = GetParam();
    Game g;
    g.start();
    g.place_tobo(p.tobo.first, p.tobo.second);
    g.put_enemy(p.enemy.first, p.enemy.second);
    g.s().enemy_phase = p.phase;
    g.sound.events.clear();
    g.next_tick();
    EXPECT_EQ(g.on(T::Timer_Miss), p.miss);
    EXPECT_EQ(g.s().play_enabled, !p.miss);
    EXPECT_EQ(g.on(T::Timer_Key_Blink), !p.miss);
    EXPECT_TRUE(g.tobo_at(p.tobo.first, p.tobo.second));
    if (p.miss) {
        EXPECT_EQ(g.heard(), std::vector<std::string>{"silence"});
    } else {
        EXPECT_EQ(g.heard().size(), 1u);
    }
}

std::vector<Contact> contacts() {
    std::vector<Contact> v;
    for (int c = 2; c <= 5; ++c) {
        v.push_back({"row 1 crow arrives", {c, 1}, 1, {c, 1}, true});
        v.push_back({"row 1 crow passed", {c, 1}, 1, {c + 1, 1}, false});
        v.push_back({"row 1 on the wrong phase", {c, 1}, 2, {c, 1}, false});
        v.push_back({"row 3 crow arrives", {c, 3}, 1, {c, 3}, true});
        v.push_back({"row 3 crow passed", {c, 3}, 1, {c + 1, 3}, false});
        v.push_back({"row 2 crow arrives", {c, 2}, 2, {c + 1, 2}, true});
        v.push_back({"row 2 crow passed", {c, 2}, 2, {c, 2}, false});
        v.push_back({"row 2 on the wrong phase", {c, 2}, 1, {c + 1, 2}, false});
    }
    v.push_back({"row 3 column 1 is never reached", {1, 3}, 1, {2, 3}, false});
    for (int c = 1; c <= 5; ++c) {
        v.push_back({"row 4 nokker arrives", {c, 4}, 2, {c + 1, 4}, true});
        v.push_back({"row 4 nokker passed", {c, 4}, 2, {c, 4}, false});
        v.push_back({"row 4 on the wrong phase", {c, 4}, 1, {c + 1, 4}, false});
        v.push_back({"row 8 nokker arrives", {c, 8}, 1, {c + 1, 8}, true});
        v.push_back({"row 8 nokker passed", {c, 8}, 1, {c, 8}, false});
        v.push_back({"row 8 on the wrong phase", {c, 8}, 2, {c + 1, 8}, false});
        v.push_back({"row 6 spark arrives", {c, 6}, 2, {c, 6}, true});
        v.push_back({"row 6 spark one behind", {c, 6}, 2, {c - 1, 6}, false});
        v.push_back({"row 6 on the wrong phase", {c, 6}, 1, {c, 6}, false});
    }
    v.push_back({"left ladder: spark moves onto it", {1, 5}, 1, {2, 5}, true});
    v.push_back({"left ladder: spark leaves it", {1, 5}, 1, {1, 5}, false});
    v.push_back({"left ladder on the wrong phase", {1, 5}, 2, {2, 5}, false});
    v.push_back({"right ladder: spark moves onto it", {5, 7}, 2, {4, 6}, true});
    v.push_back({"right ladder: spark leaves it", {5, 7}, 2, {5, 6}, false});
    v.push_back({"right ladder on the wrong phase", {5, 7}, 1, {4, 6}, false});
    v.push_back({"waiting place is never reached", {1, 9}, 1, {2, 8}, false});
    return v;
}

INSTANTIATE_TEST_SUITE_P(Lanes, EnemyContact, ::testing::ValuesIn(contacts()));

TEST(EnemyTick, MissedTickStillCountsAndStoresTheNextInterval) {
    Game g;
    g.start();
    g.place_tobo(3, 4);
    g.put_enemy(4, 4);
    g.s().enemy_phase = 2;
    g.s().game_ticks = 100;
    g.s().score = 30;
    g.s().score_step = 2;
    g.next_tick();
    EXPECT_TRUE(g.on(T::Timer_Miss));
    EXPECT_FALSE(g.on(T::Timer_Game));
    EXPECT_EQ(g.s().game_ticks, 101);
    EXPECT_EQ(g.s().enemy_phase, 1);
    EXPECT_EQ(g.interval(T::Timer_Game), 600 - 100 - 10);
    EXPECT_EQ(g.s().miss_step, 1);
    EXPECT_EQ(g.panel(), "  30");
    // The nokker has not moved onto Tobo: the lanes stand still on a miss.
    EXPECT_TRUE(g.enemy(4, 4));
    EXPECT_FALSE(g.enemy(3, 4));
}

// Tobo jumps up from (col, row) at the start of play and is in the air on the first tick.
void jump_from(Game& g, int col, int row) {
    g.place_tobo(col, row);
    g.step(Control::Jump);
    ASSERT_TRUE(g.tobo_at(col, row - 1));
}

TEST(JumpRescue, SparkReachingTheJumperOverAPassedSparkLandsHimAtOnce) {
    Game g;
    const Millis play = g.start();
    jump_from(g, 2, 6);
    g.put_enemy(3, 5);
    g.put_enemy(3, 6);
    EXPECT_EQ(g.next_tick(), play + 599);  // phase 1: the row-5 spark moves onto (2, 5)
    EXPECT_FALSE(g.on(T::Timer_Miss));
    EXPECT_EQ(g.run_to(T::Timer_Tobo_Jump), play + 600);
    EXPECT_TRUE(g.tobo_at(2, 6));
    EXPECT_EQ(g.s().score, 1);
    EXPECT_FALSE(g.on(T::Timer_Tobo_Jump));
}

TEST(JumpRescue, SparkRightBeneathIsPushedOnAndTheJumperLands) {
    Game g;
    const Millis play = g.start();
    jump_from(g, 2, 6);
    g.put_enemy(3, 5);
    g.put_enemy(2, 6);
    g.random.asked.clear();
    g.next_tick();
    EXPECT_EQ(g.random.asked, (std::vector<int>{7, 6, 6, 6}));
    EXPECT_FALSE(g.enemy(2, 6));
    EXPECT_TRUE(g.enemy(3, 6));
    EXPECT_TRUE(g.enemy_lit(3, 6));
    EXPECT_EQ(g.run_to(T::Timer_Tobo_Jump), play + 600);
    EXPECT_TRUE(g.tobo_at(2, 6));
    EXPECT_EQ(g.s().score, 1);
}

TEST(JumpRescue, SparkReachingTheJumperOverEmptyGroundIsAMiss) {
    Game g;
    g.start();
    jump_from(g, 3, 6);
    g.put_enemy(4, 5);
    g.put_enemy(2, 6);  // behind him, no help
    g.next_tick();
    EXPECT_TRUE(g.on(T::Timer_Miss));
    EXPECT_TRUE(g.tobo_at(3, 5));
}

TEST(JumpRescue, RowSixSparkOverAPassedNokkerLandsTheJumper) {
    Game g;
    const Millis play = g.start();
    jump_from(g, 2, 8);
    g.s().enemy_phase = 2;
    g.put_enemy(1, 6);  // moves onto (2, 6), above Tobo in the air at (2, 7)
    g.put_enemy(2, 8);
    g.next_tick();
    EXPECT_FALSE(g.on(T::Timer_Miss));
    EXPECT_EQ(g.run_to(T::Timer_Tobo_Jump), play + 600);
    EXPECT_TRUE(g.tobo_at(2, 8));
    EXPECT_EQ(g.s().score, 1);
}

TEST(JumpRescue, NokkerRightBeneathIsPushedOnAndTheJumperLands) {
    Game g;
    g.start();
    jump_from(g, 2, 8);
    g.s().enemy_phase = 2;
    g.put_enemy(1, 6);
    g.put_enemy(3, 8);
    g.random.asked.clear();
    g.next_tick();
    EXPECT_EQ(g.random.asked, (std::vector<int>{6, 6, 6}));
    EXPECT_TRUE(g.enemy(2, 8));
    EXPECT_FALSE(g.enemy(3, 8));
    g.run_to(T::Timer_Tobo_Jump);
    EXPECT_TRUE(g.tobo_at(2, 8));
    EXPECT_EQ(g.s().score, 1);
}

TEST(JumpRescue, RowSixSparkOverEmptyGroundIsAMiss) {
    Game g;
    g.start();
    jump_from(g, 4, 8);
    g.s().enemy_phase = 2;
    g.put_enemy(3, 6);
    g.next_tick();
    EXPECT_TRUE(g.on(T::Timer_Miss));
    EXPECT_TRUE(g.tobo_at(4, 7));
}

TEST(EnemyTick, SoundFollowsThePhaseAndTheScreenTobosIsOn) {
    Game g;
    g.start();
    g.place_tobo(3, 4);
    g.sound.events.clear();
    g.next_tick();  // phase 1, upper screen
    g.next_tick();  // phase 2
    g.place_tobo(1, 5);
    g.next_tick();  // phase 1, lower screen
    EXPECT_EQ(g.heard(), (std::vector<std::string>{"Enemy_1", "Enemy_2", "Enemy_2"}));
}

TEST(EnemyTick, ToboEntersByHimselfOnTheTwentySecondTick) {
    Game g;
    g.start();
    for (int i = 1; i <= 21; ++i)
        g.next_tick();
    EXPECT_TRUE(g.tobo_at(1, 9));
    EXPECT_EQ(g.heard_count("Step"), 0);
    g.next_tick();
    EXPECT_TRUE(g.tobo_at(1, 8));
    EXPECT_EQ(g.tobo_segments_lit(), 1);
    EXPECT_EQ(g.heard_count("Step"), 1);
}

TEST(EnemyTick, AutomaticEntryMeetsTheRowEightNokkerOnTheSameTick) {
    Game g;
    g.start();
    g.s().game_ticks = 22;
    g.s().enemy_phase = 1;
    g.put_enemy(2, 8);
    g.sound.events.clear();
    g.next_tick();
    EXPECT_TRUE(g.tobo_at(1, 8));
    EXPECT_TRUE(g.on(T::Timer_Miss));
    EXPECT_EQ(g.heard(), (std::vector<std::string>{"Step", "silence"}));
}

TEST(SparkFlicker, EntrySegmentsBlinkInOppositePhases) {
    Game g;
    g.random.values = {1, 0, 1, 1, 0, 1};  // sparks enter row 5, then row 6
    const Millis play = g.start();
    g.next_tick();
    ASSERT_TRUE(g.enemy(5, 5));
    EXPECT_TRUE(g.enemy_lit(5, 5));  // shown steadily by the tick
    // The flicker has ticked every 50 ms since play began; the twelfth is due at +600.
    g.at(play + 600);
    EXPECT_TRUE(g.enemy_lit(5, 5));
    g.at(play + 650);
    EXPECT_FALSE(g.enemy_lit(5, 5));
    g.at(play + 700);
    EXPECT_TRUE(g.enemy_lit(5, 5));
    g.at(play + 749);
    EXPECT_TRUE(g.enemy_lit(5, 5));
    g.at(play + 750);
    EXPECT_FALSE(g.enemy_lit(5, 5));
    EXPECT_FALSE(g.enemy_lit(0, 6));

    g.next_tick();  // phase 2: a spark enters row 6
    ASSERT_TRUE(g.enemy(0, 6));
    g.at(play + 1200);  // the 24th flicker tick: even phase
    EXPECT_TRUE(g.enemy_lit(5, 5));
    EXPECT_FALSE(g.enemy_lit(0, 6));
    g.at(play + 1250);
    EXPECT_FALSE(g.enemy_lit(5, 5));
    EXPECT_TRUE(g.enemy_lit(0, 6));
}

}  // namespace
}  // namespace gorvo::test
