// The key's journey, the locks and their points, Gorvo's release and the bonus chance.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/handheld.h"
#include "scenario_helpers.h"

namespace gorvo::test {
namespace {

using Strings = std::vector<std::string>;
using Cell = std::pair<int, int>;

Strings keys(int n) {
    return Strings(static_cast<std::size_t>(n), "Key");
}
Strings operator+(Strings a, const Strings& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
// What was heard, without the enemy tick's own sounds.
Strings heard_besides_enemies(const Game& g) {
    Strings out;
    for (const std::string& e : g.heard())
        if (e.rfind("Enemy_", 0) != 0) out.push_back(e);
    return out;
}

void open_locks(Game& g, std::initializer_list<int> locks) {
    for (int k : locks)
        g.hh.images().set_visible(g.hh.images().chain_image(k), false);
}

// Tobo at the top of the vine under lock k, the key in front of that lock.
void stand_under_lock(Game& g, int k) {
    g.place_tobo(k, 1);
    g.s().key_pos = k;
}

TEST(KeySequence, FromTheWaitingPlaceToAnOpenLockByPlayAlone) {
    Game g;  // no enemy enters; every lock draw is 1: lock 3
    g.start();
    auto steps = [&](Control c, int n) {
        for (int i = 0; i < n; ++i)
            g.step(c);
    };
    g.step(Control::Up);
    g.step(Control::Jump);  // the key rises to the upper place while Tobo falls back
    g.wait(1300);
    EXPECT_EQ(g.s().key_pos, 1);
    steps(Control::Right, 4);
    g.step(Control::Jump);  // onto the right ladder
    g.step(Control::Up);
    steps(Control::Left, 4);
    g.step(Control::Jump);  // onto the left ladder
    g.step(Control::Up);
    ASSERT_TRUE(g.tobo_at(1, 4));
    g.step(Control::Jump);  // the key goes on to a lock
    g.wait(1300);
    EXPECT_EQ(g.s().key_pos, 3);
    EXPECT_TRUE(g.tobo_at(1, 4));
    steps(Control::Right, 2);
    g.step(Control::Jump);  // grips the vine
    steps(Control::Up, 2);
    ASSERT_TRUE(g.tobo_at(3, 1));
    EXPECT_LE(g.s().game_ticks, 24);
    g.step(Control::Up);
    g.wait(2585 + 1);
    EXPECT_TRUE(g.s().play_enabled);
    EXPECT_EQ(g.s().score, 15);
    EXPECT_EQ(g.s().key_pos, 6);
    EXPECT_FALSE(g.lit(im_chain_03));
    EXPECT_TRUE(g.lit(im_chain_02));
    EXPECT_TRUE(g.lit(im_chain_04));
    EXPECT_TRUE(g.lit(im_chain_05));
    EXPECT_EQ(g.s().lives, 2);
}

TEST(KeySequence, BottomPickupRaisesTheKeyToTheUpperPlaceBesideTheGame) {
    Game g;
    g.start();
    g.sound.events.clear();
    g.step(Control::Up);
    g.press(Control::Jump);
    g.wait(1);
    const Millis j = g.now();
    g.release(Control::Jump);
    EXPECT_TRUE(g.tobo_at(1, 7));
    EXPECT_FALSE(g.on(T::Timer_Key_Blink));
    EXPECT_TRUE(g.on(T::Timer_Game));
    g.at(j + 400);
    EXPECT_FALSE(g.lit(im_key_00_b));
    g.at(j + 401);
    EXPECT_TRUE(g.lit(im_key_00_b));
    EXPECT_FALSE(g.lit(im_key_00_a));
    EXPECT_EQ(g.s().key_pos, 0);
    g.at(j + 800);
    EXPECT_FALSE(g.lit(im_key_00_c));
    g.at(j + 801);
    EXPECT_TRUE(g.lit(im_key_00_c));
    EXPECT_FALSE(g.lit(im_key_00_b));
    EXPECT_EQ(g.s().key_pos, 1);
    EXPECT_FALSE(g.on(T::Timer_Key_Move));
    EXPECT_TRUE(g.on(T::Timer_Key_Blink));
    g.at(j + 1300);
    EXPECT_TRUE(g.lit(im_key_00_c));
    g.at(j + 1301);
    EXPECT_FALSE(g.lit(im_key_00_c));
    g.at(j + 1801);
    EXPECT_TRUE(g.lit(im_key_00_c));
    EXPECT_TRUE(g.tobo_at(1, 8));  // fell back at j + 1198
    EXPECT_EQ(heard_besides_enemies(g), (Strings{"Step", "Jump", "Key"}));
}

TEST(KeySequence, UpperPickupSendsTheKeyToARandomClosedLock) {
    Game g;
    g.random.values = {1, 1, 1, 0, 1, 2};  // the first enemy tick, then three lock draws
    const Millis play = g.start();
    open_locks(g, {2, 3});
    g.s().key_pos = 1;
    g.hh.images().set_visible(im_key_00_c, true);
    g.place_tobo(1, 4);
    g.step(Control::Jump);
    const Millis j = play + 1;
    EXPECT_TRUE(g.tobo_at(1, 3));
    g.at(j + 401);
    EXPECT_FALSE(g.lit(im_key_00_c));
    EXPECT_TRUE(g.lit(im_key_00_d));
    g.at(j + 800);
    EXPECT_EQ(g.s().key_pos, 1);
    g.at(j + 801);
    EXPECT_FALSE(g.lit(im_key_00_d));
    EXPECT_EQ(g.s().key_pos, 4);
    EXPECT_EQ(g.random.asked, (std::vector<int>{7, 6, 6, 4, 4, 4}));
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(g.lit(g.hh.images().key_zero_image(i))) << i;
    g.at(j + 1300);
    EXPECT_FALSE(g.lit(im_key_04));
    g.at(j + 1301);
    EXPECT_TRUE(g.lit(im_key_04));
    EXPECT_TRUE(g.tobo_at(1, 4));  // fell back at j + 1198
    EXPECT_FALSE(g.lit(im_tobo_01_03_a));
}

TEST(KeySequence, WithOneChainLeftTheKeyAlwaysGoesToItsLock) {
    Game g;
    g.random.values = {1, 1, 1, 0, 1, 3, 0, 2};
    g.start();
    open_locks(g, {2, 3, 5});
    g.s().key_pos = 1;
    g.place_tobo(1, 4);
    g.step(Control::Jump);
    g.wait(900);
    EXPECT_EQ(g.s().key_pos, 4);
    EXPECT_EQ(g.random.asked, (std::vector<int>{7, 6, 6, 4, 4, 4, 4, 4}));
}

TEST(KeySequence, PickupAfterALockFreezesTheGameForFivePoints) {
    Game g;
    g.start();
    open_locks(g, {3});
    g.s().key_pos = 6;
    g.s().game_ticks = 50;
    g.place_tobo(1, 8);
    g.put_enemy(5, 8);
    g.sound.events.clear();
    g.press(Control::Jump);
    g.wait(1);
    const Millis j = g.now();
    g.release(Control::Jump);
    EXPECT_TRUE(g.tobo_at(1, 7));
    EXPECT_FALSE(g.s().play_enabled);
    EXPECT_FALSE(g.on(T::Timer_Game));
    EXPECT_FALSE(g.on(T::Timer_Tobo_Jump));
    g.at(j + 401);
    EXPECT_TRUE(g.lit(im_key_00_b));
    g.at(j + 801);
    EXPECT_TRUE(g.lit(im_key_00_c));
    EXPECT_EQ(g.s().key_pos, 1);
    EXPECT_EQ(g.s().score, 0);
    g.press(Control::Right);  // held through the points: let go when play resumes
    for (int p = 1; p <= 5; ++p) {
        g.at(j + 801 + 95 * p - 1);
        EXPECT_EQ(g.s().score, p - 1);
        g.at(j + 801 + 95 * p);
        EXPECT_EQ(g.s().score, p);
    }
    EXPECT_EQ(g.panel(), "   5");
    g.at(j + 1370);
    EXPECT_FALSE(g.s().play_enabled);
    EXPECT_TRUE(g.enemy(5, 8));  // nothing moved while frozen
    g.at(j + 1371);
    EXPECT_TRUE(g.s().play_enabled);
    EXPECT_FALSE(g.s().dir_held);
    g.release(Control::Right);
    EXPECT_TRUE(g.on(T::Timer_Game));
    EXPECT_EQ(g.interval(T::Timer_Game), 600 - 50 - 1);  // recomputed at the new score
    EXPECT_TRUE(g.on(T::Timer_Key_Blink));
    EXPECT_TRUE(g.on(T::Timer_Spark_Blink));
    EXPECT_TRUE(g.on(T::Timer_Tobo_Jump));
    g.expect_blinking_resumes();
    g.at(j + 1371 + 2 * 549 - 1);
    EXPECT_TRUE(g.tobo_at(1, 7));
    g.at(j + 1371 + 2 * 549);
    EXPECT_TRUE(g.tobo_at(1, 8));
    EXPECT_EQ(heard_besides_enemies(g), Strings{"Jump"} + keys(6));
}

TEST(KeySequence, ABonusChanceAmongTheKeyPointsKeepsTheirNumber) {
    Game g;
    g.start();
    g.s().key_pos = 6;
    g.s().score = 298;
    g.s().lives = 1;
    g.hh.images().Vid_Show_Panel_Lives(1);
    g.place_tobo(1, 8);
    g.press(Control::Jump);
    g.wait(1);
    const Millis j = g.now();
    g.release(Control::Jump);
    g.at(j + 991);  // the second point reaches 300
    EXPECT_EQ(g.s().score, 300);
    EXPECT_TRUE(g.on(T::Timer_Bonus_Chance));
    EXPECT_FALSE(g.on(T::Timer_Key_Move));
    EXPECT_EQ(g.s().chance_next, 3);
    const Millis resumed = j + 991 + 1621;
    g.at(resumed + 94);
    EXPECT_EQ(g.s().score, 300);
    EXPECT_EQ(g.s().lives, 2);
    g.at(resumed + 95);
    EXPECT_EQ(g.s().score, 301);
    g.at(resumed + 95 * 3);
    EXPECT_EQ(g.s().score, 303);
    EXPECT_FALSE(g.s().play_enabled);
    g.at(resumed + 95 * 4);
    EXPECT_TRUE(g.s().play_enabled);
    EXPECT_EQ(g.s().score, 303);
    EXPECT_EQ(g.s().chance_score, 1300);
}

struct LockPoints {
    int ticks;        // game_ticks when the lock opens
    int points;       // what the lock gives
    int ticks_after;  // game_ticks after the lock
};

class Lock : public ::testing::TestWithParam<LockPoints> {};

TEST_P(Lock, PointsFallWithTheTicksTakenAndTheTicksArePulledBack) {
    const LockPoints& p = GetParam();
    Game g;
    g.start();
    stand_under_lock(g, 3);
    g.s().game_ticks = p.ticks;
    g.sound.events.clear();
    g.step(Control::Up);
    EXPECT_FALSE(g.on(T::Timer_Game));
    EXPECT_FALSE(g.s().play_enabled);
    const Millis l = g.now() + 1;  // first lock step
    g.at(l);
    EXPECT_EQ(g.s().game_ticks, p.ticks_after);
    EXPECT_EQ(g.s().lock_count, p.points);
    const Millis resume = l + 1160 + 95 * p.points;
    g.at(resume - 1);
    EXPECT_EQ(g.s().score, p.points);
    EXPECT_FALSE(g.s().play_enabled);
    g.at(resume);
    EXPECT_TRUE(g.s().play_enabled);
    EXPECT_EQ(g.s().score, p.points);
    EXPECT_EQ(g.heard(), keys(4 + p.points));
    EXPECT_TRUE(g.tobo_at(3, 1));
    // The enemy tick goes on with the interval it had; it is not recomputed here.
    EXPECT_EQ(g.run_to(T::Timer_Game), resume + 599);
}

INSTANTIATE_TEST_SUITE_P(Ticks, Lock,
                         ::testing::Values(LockPoints{1, 15, 1}, LockPoints{24, 15, 24},
                                           LockPoints{25, 14, 13}, LockPoints{36, 14, 24},
                                           LockPoints{37, 13, 13}, LockPoints{132, 6, 24},
                                           LockPoints{133, 5, 13}, LockPoints{500, 5, 20}));

TEST(Lock, KeyAndChainBlinkThenTheLockStaysOpenAndTheKeyReturnsToTheBottom) {
    Game g;
    g.start();
    stand_under_lock(g, 5);
    g.press(Control::Up);
    g.wait(kFirstStep);
    const Millis l = g.now() + 1;
    g.release(Control::Up);
    struct Look {
        Millis at;
        bool shown;
    };
    for (Look k : {Look{0, true},
                   {289, true},
                   {290, false},
                   {579, false},
                   {580, true},
                   {869, true},
                   {870, false},
                   {2584, false}}) {
        g.at(l + k.at);
        EXPECT_EQ(g.lit(im_key_05), k.shown) << "at +" << k.at;
        EXPECT_EQ(g.lit(im_chain_05), k.shown) << "at +" << k.at;
    }
    EXPECT_TRUE(g.lit(im_chain_02));
    g.press(Control::Left);  // held through the lock: let go when play resumes
    g.at(l + 2585);
    EXPECT_EQ(g.s().key_pos, 6);
    EXPECT_FALSE(g.s().dir_held);
    g.release(Control::Left);
    EXPECT_TRUE(g.on(T::Timer_Key_Blink));
    EXPECT_TRUE(g.on(T::Timer_Spark_Blink));
    EXPECT_FALSE(g.on(T::Timer_Bonus_Lock));
    EXPECT_FALSE(g.on(T::Timer_Bonus_Complete));
    g.expect_blinking_resumes();
    EXPECT_TRUE(g.lit(im_key_00_a));
    EXPECT_FALSE(g.lit(im_key_05));
    EXPECT_FALSE(g.lit(im_chain_05));
    // The next key goes to a lock still closed: up at the open one does nothing now.
    g.step(Control::Up);
    EXPECT_FALSE(g.on(T::Timer_Bonus_Lock));
}

// The enemies of a lock scene: upper-screen crows and nokkers, and a few on the lower screen.
const std::vector<Cell> kScene = {{1, 1}, {3, 1}, {6, 2}, {4, 3}, {1, 4},
                                  {4, 4}, {7, 4}, {3, 5}, {2, 6}, {5, 8}};

std::vector<Cell> after_lock(Control game) {
    Game g;
    g.start(game);
    for (Cell c : kScene)
        g.put_enemy(c.first, c.second);
    stand_under_lock(g, 2);
    g.step(Control::Up);
    g.wait(1 + 2585);
    EXPECT_TRUE(g.s().play_enabled);
    std::vector<Cell> left;
    g.for_each_enemy_cell([&](int c, int r) {
        EXPECT_EQ(g.enemy_lit(c, r), g.enemy(c, r)) << c << "," << r;
        if (g.enemy(c, r)) left.emplace_back(c, r);
    });
    return left;
}

TEST(Lock, GameAClearsTheUpperScreenButTheEntrantsGameBClearsNothing) {
    EXPECT_EQ(after_lock(Control::GameA),
              (std::vector<Cell>{{1, 1}, {2, 6}, {3, 5}, {5, 8}, {7, 4}}));
    EXPECT_EQ(after_lock(Control::GameB),
              (std::vector<Cell>{
                  {1, 1}, {1, 4}, {2, 6}, {3, 1}, {3, 5}, {4, 3}, {4, 4}, {5, 8}, {6, 2}, {7, 4}}));
}

TEST(Lock, ABonusChanceAmongTheLockPointsKeepsTheirNumber) {
    Game g;
    g.start();
    g.s().score = 297;
    g.s().lives = 1;
    g.hh.images().Vid_Show_Panel_Lives(1);
    stand_under_lock(g, 4);
    g.sound.events.clear();
    g.step(Control::Up);
    const Millis l = g.now() + 1;
    g.at(l + 1350);  // the third point reaches 300
    EXPECT_EQ(g.s().score, 300);
    EXPECT_EQ(g.s().lock_count, 12);
    EXPECT_EQ(g.s().chance_next, 2);
    EXPECT_FALSE(g.on(T::Timer_Bonus_Lock));
    const Millis resumed = l + 1350 + 1621;
    g.at(resumed + 94);
    EXPECT_EQ(g.s().score, 300);
    EXPECT_EQ(g.s().lives, 2);
    g.at(resumed + 95);
    EXPECT_EQ(g.s().score, 301);
    g.at(resumed + 95 * 12);
    EXPECT_EQ(g.s().score, 312);
    EXPECT_FALSE(g.s().play_enabled);
    g.at(resumed + 95 * 13);
    EXPECT_TRUE(g.s().play_enabled);
    EXPECT_EQ(g.s().score, 312);
    EXPECT_EQ(g.s().key_pos, 6);
    EXPECT_EQ(g.heard(), (keys(7) + Strings{"silence", "Chance"} + keys(12)));
}

// A jump from (2, 8) at the start of play lands on a passing nokker for the point that reaches
// the chance score. Returns the moment of the landing.
Millis chance_by_jump_over(Game& g) {
    g.s().score = 299;
    g.place_tobo(2, 8);
    return jump_over_nokker(g);
}

TEST(BonusChance, WithFullLivesDoublesThePointsAndBlinksTheScore) {
    Game g;
    g.start();
    g.sound.events.clear();
    const Millis p = chance_by_jump_over(g);
    EXPECT_EQ(g.s().score, 300);
    EXPECT_FALSE(g.s().play_enabled);
    EXPECT_EQ(g.s().chance_next, 4);
    EXPECT_EQ(g.heard().back(), "silence");
    const int tick_interval = g.interval(T::Timer_Game);
    struct Marks {
        Millis at;
        bool second;
    };
    for (Marks m : {Marks{270, true},
                    {271, false},
                    {541, true},
                    {811, false},
                    {1081, true},
                    {1351, false},
                    {1620, false},
                    {1621, true}}) {
        g.at(p + m.at);
        EXPECT_TRUE(g.lit(im_panel_life_1)) << "at +" << m.at;
        EXPECT_EQ(g.lit(im_panel_life_2), m.second) << "at +" << m.at;
    }
    EXPECT_EQ(g.s().lives, 2);
    EXPECT_EQ(g.s().score_step, 2);
    EXPECT_EQ(g.s().chance_score, 1300);
    EXPECT_TRUE(g.s().play_enabled);
    EXPECT_TRUE(g.on(T::Timer_Key_Blink));
    EXPECT_TRUE(g.on(T::Timer_Spark_Blink));
    EXPECT_TRUE(g.on(T::Timer_Score_Blink));
    EXPECT_EQ(g.interval(T::Timer_Game), tick_interval);
    EXPECT_EQ(heard_besides_enemies(g), (Strings{"Jump", "silence", "Chance"}));
    EXPECT_EQ(g.run_to(T::Timer_Game), p + 1621 + tick_interval);

    g.at(p + 2121);
    EXPECT_EQ(g.panel(), " 300");
    g.at(p + 2620);
    EXPECT_EQ(g.panel(), " 300");
    g.at(p + 2621);
    EXPECT_EQ(g.panel(), "    ");
    g.at(p + 3121);
    EXPECT_EQ(g.panel(), " 300");

    // Every later point counts two, and the chance does not come again before 1300.
    jump_over_nokker(g);
    EXPECT_EQ(g.s().score, 302);
    EXPECT_TRUE(g.s().play_enabled);
    EXPECT_FALSE(g.on(T::Timer_Bonus_Chance));
}

TEST(BonusChance, BelowFullLivesGivesALifeBack) {
    Game g;
    g.start();
    g.s().lives = 1;
    g.hh.images().Vid_Show_Panel_Lives(1);
    const Millis p = chance_by_jump_over(g);
    g.at(p + 1);
    EXPECT_EQ(g.s().lives, 2);
    g.at(p + 271);
    EXPECT_TRUE(g.lives_shown(true, false));
    g.at(p + 541);
    EXPECT_TRUE(g.lives_shown(true, true));
    g.at(p + 1621);
    EXPECT_TRUE(g.lives_shown(true, true));
    g.expect_blinking_resumes();
    EXPECT_EQ(g.s().score_step, 1);
    EXPECT_FALSE(g.on(T::Timer_Score_Blink));
    EXPECT_TRUE(g.s().play_enabled);
    g.at(p + 5000);
    EXPECT_EQ(g.panel(), " 300");
}

TEST(BonusChance, LeavesAHeldDirectionLatched) {
    Game g;
    g.start();
    const Millis p = chance_by_jump_over(g);
    g.at(p + 500);
    g.press(Control::Left);  // pressed during the chance: latched, no move
    g.at(p + 1621);
    EXPECT_TRUE(g.s().play_enabled);
    EXPECT_TRUE(g.s().dir_held);
    g.press(Control::Left);  // auto-repeat: still ignored
    g.wait(500);
    EXPECT_TRUE(g.tobo_at(2, 8));
    g.release(Control::Left);
    g.press(Control::Left);
    g.wait(kFirstStep);
    EXPECT_TRUE(g.tobo_at(1, 8));
}

struct Release {
    int lock;   // the last lock, whose vine Tobo climbs down
    int walks;  // walking steps of the scene
    std::vector<Cell> path;
};

class GorvoRelease : public ::testing::TestWithParam<Release> {};

TEST_P(GorvoRelease, ToboWalksToTheRightEndThenTwentyPointsAndANewStage) {
    const Release& p = GetParam();
    Game g;
    g.start(Control::GameB);  // Game B: the enemies stay on the upper screen
    for (int k = 2; k <= 5; ++k)
        if (k != p.lock) open_locks(g, {k});
    for (int c = 1; c <= 6; ++c)
        g.put_enemy(c, 4);  // nothing is tested during the walk
    g.put_enemy(p.lock + 1, 2);
    stand_under_lock(g, p.lock);
    g.s().game_ticks = 20;  // within the full points; the new stage counts from 1 again
    g.step(Control::Up);
    const Millis c = g.now() + 1 + 2585 + 1;  // first step of the scene
    g.at(c - 1);
    EXPECT_TRUE(g.on(T::Timer_Bonus_Complete));
    EXPECT_FALSE(g.s().play_enabled);
    g.sound.events.clear();
    for (int w = 0; w < p.walks; ++w) {
        g.at(c + 540 * w);
        const Cell at = p.path[static_cast<std::size_t>(w)];
        EXPECT_TRUE(g.tobo_at(at.first, at.second)) << "walking step " << w + 1;
        EXPECT_EQ(g.tobo_segments_lit(), 1);
        EXPECT_FALSE(g.lit(im_gorvo_1));
        g.at(c + 540 * w + 200 - 1);
        EXPECT_FALSE(g.lit(im_gorvo_1));
        if (w + 1 < p.walks) {
            g.at(c + 540 * w + 200);
            EXPECT_TRUE(g.lit(im_gorvo_1));
        }
    }
    EXPECT_EQ(g.heard(), Strings(static_cast<std::size_t>(p.walks), "Step"));
    const Millis e = c + 540 * (p.walks - 1) + 200;  // Gorvo steps out
    g.at(e);
    EXPECT_FALSE(g.lit(im_gorvo_1));
    EXPECT_TRUE(g.lit(im_gorvo_2));
    EXPECT_EQ(g.heard().back(), "Safe");
    g.at(e + 790);
    EXPECT_FALSE(g.lit(im_gorvo_2));
    EXPECT_TRUE(g.lit(im_gorvo_3));
    EXPECT_EQ(g.tobo_segments_lit(), 0);
    g.at(e + 1889);
    EXPECT_EQ(g.s().score, 15);
    g.at(e + 1890);
    EXPECT_EQ(g.s().score, 16);
    g.at(e + 1890 + 95 * 19);
    EXPECT_EQ(g.s().score, 35);
    g.at(e + 4509);
    EXPECT_TRUE(g.lit(im_gorvo_3));
    g.at(e + 4510);
    EXPECT_FALSE(g.lit(im_gorvo_3));
    EXPECT_TRUE(g.lit(im_gorvo_1));
    EXPECT_TRUE(g.tobo_at(1, 9));
    EXPECT_FALSE(g.lit(im_chain_02));
    EXPECT_FALSE(g.s().play_enabled);
    g.press(Control::Left);  // held through the scene: let go when play resumes
    g.at(e + 5230);
    for (int k = 2; k <= 5; ++k)
        EXPECT_TRUE(g.lit(g.hh.images().chain_image(k))) << k;
    EXPECT_TRUE(g.s().play_enabled);
    EXPECT_EQ(g.s().key_pos, 0);
    EXPECT_FALSE(g.s().dir_held);
    g.release(Control::Left);
    EXPECT_EQ(g.s().game_ticks, 1);
    EXPECT_EQ(g.s().score, 35);
    EXPECT_EQ(g.s().lives, 2);
    EXPECT_FALSE(g.on(T::Timer_Bonus_Complete));
    EXPECT_EQ(g.heard(), Strings(static_cast<std::size_t>(p.walks), "Step") + Strings{"Safe"} +
                             keys(21) + Strings{"Chain"});
    EXPECT_EQ(g.interval(T::Timer_Game), 600 - 1 - 35 / 3);
    EXPECT_TRUE(g.enemy(3, 4));  // the enemies keep their cells into the next stage
    g.expect_blinking_resumes();
    EXPECT_EQ(g.run_to(T::Timer_Game), e + 5230 + 600 - 1 - 35 / 3);
}

INSTANTIATE_TEST_SUITE_P(
    LastLock, GorvoRelease,
    ::testing::Values(Release{2, 7, {{2, 2}, {2, 3}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {5, 4}}},
                      Release{3, 6, {{3, 2}, {3, 3}, {3, 4}, {4, 4}, {5, 4}, {5, 4}}},
                      Release{5, 4, {{5, 2}, {5, 3}, {5, 4}, {5, 4}}}));

TEST(GorvoReleaseChance, ABonusChanceAmongItsPointsKeepsTheirNumber) {
    Game g;
    g.start();
    open_locks(g, {2, 4, 5});
    g.s().score = 275;  // 15 for the lock, then the tenth point of the scene reaches 300
    g.s().lives = 1;
    g.hh.images().Vid_Show_Panel_Lives(1);
    stand_under_lock(g, 3);
    g.step(Control::Up);
    const Millis c = g.now() + 1 + 2585 + 1;
    const Millis e = c + 540 * 5 + 200;
    g.at(e + 1890 + 95 * 9);
    EXPECT_EQ(g.s().score, 300);
    EXPECT_EQ(g.s().chance_next, 1);
    EXPECT_FALSE(g.on(T::Timer_Bonus_Complete));
    g.at(e + 5230 + 1620);
    EXPECT_FALSE(g.s().play_enabled);
    EXPECT_EQ(g.s().score, 310);
    g.at(e + 5230 + 1621);
    EXPECT_TRUE(g.s().play_enabled);
    EXPECT_EQ(g.s().score, 310);
    EXPECT_EQ(g.s().lives, 2);
    EXPECT_EQ(g.s().chance_score, 1300);
    EXPECT_TRUE(g.tobo_at(1, 9));
}

}  // namespace
}  // namespace gorvo::test
