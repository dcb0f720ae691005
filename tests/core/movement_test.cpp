// Tobo's moves: the transition table with the cell each move tests, held directions, jumps,
// the fall back and the jump-over point.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/handheld.h"
#include "scenario_helpers.h"

namespace gorvo::test {
namespace {

using Cell = std::pair<int, int>;

const char* control_name(Control c) {
    switch (c) {
        case Control::Up:
            return "up";
        case Control::Down:
            return "down";
        case Control::Left:
            return "left";
        case Control::Right:
            return "right";
        case Control::Jump:
            return "jump";
        default:
            return "?";
    }
}

struct Move {
    Cell from;
    Control control;
    Cell to;                  // where Tobo stands after the move (== from when nothing moves)
    std::optional<Cell> hit;  // the enemy cell that makes it a miss
    const char* sound;        // "" when nothing is played
    bool falls_back = false;  // a jump that comes down again by itself
};

void PrintTo(const Move& m, std::ostream* os) {
    *os << "(" << m.from.first << "," << m.from.second << ") " << control_name(m.control);
}

// Every request at every position. Requests left out of this list do nothing.
std::vector<Move> moves() {
    using C = Control;
    std::vector<Move> v;
    auto walk = [&](Cell f, C c, Cell t, std::optional<Cell> hit) {
        v.push_back({f, c, t, hit, "Step"});
    };
    auto jump = [&](Cell f, Cell t, std::optional<Cell> hit, bool falls) {
        v.push_back({f, C::Jump, t, hit, "Jump", falls});
    };
    for (int c = 2; c <= 5; ++c) {
        walk({c, 1}, C::Down, {c, 2}, Cell{c + 1, 2});
        walk({c, 2}, C::Up, {c, 1}, std::nullopt);
        walk({c, 2}, C::Down, {c, 3}, Cell{c, 3});
        walk({c, 3}, C::Up, {c, 2}, Cell{c + 1, 2});
        walk({c, 3}, C::Down, {c, 4}, std::nullopt);
    }
    walk({1, 4}, C::Right, {2, 4}, Cell{2, 4});
    walk({1, 4}, C::Down, {1, 5}, Cell{1, 5});
    jump({1, 4}, {1, 3}, std::nullopt, true);
    for (int c = 2; c <= 4; ++c) {
        walk({c, 4}, C::Right, {c + 1, 4}, Cell{c + 1, 4});
        walk({c, 4}, C::Left, {c - 1, 4}, Cell{c, 4});
        jump({c, 4}, {c, 3}, Cell{c, 3}, false);
    }
    v.push_back({{5, 4}, C::Right, {5, 4}, Cell{6, 4}, ""});
    walk({5, 4}, C::Left, {4, 4}, Cell{5, 4});
    jump({5, 4}, {5, 3}, Cell{5, 3}, false);
    walk({1, 5}, C::Up, {1, 4}, std::nullopt);
    walk({1, 5}, C::Down, {1, 6}, Cell{1, 6});
    walk({1, 6}, C::Right, {2, 6}, Cell{2, 6});
    jump({1, 6}, {1, 5}, Cell{1, 5}, false);
    for (int c = 2; c <= 4; ++c) {
        walk({c, 6}, C::Right, {c + 1, 6}, Cell{c + 1, 6});
        walk({c, 6}, C::Left, {c - 1, 6}, Cell{c, 6});
        jump({c, 6}, {c, 5}, Cell{c, 5}, true);
    }
    walk({5, 6}, C::Left, {4, 6}, Cell{5, 6});
    walk({5, 6}, C::Down, {5, 7}, Cell{5, 6});
    walk({5, 7}, C::Up, {5, 6}, std::nullopt);
    walk({5, 7}, C::Down, {5, 8}, std::nullopt);
    walk({1, 8}, C::Right, {2, 8}, Cell{2, 8});
    jump({1, 8}, {1, 7}, Cell{1, 6}, true);
    for (int c = 2; c <= 4; ++c) {
        walk({c, 8}, C::Right, {c + 1, 8}, Cell{c + 1, 8});
        walk({c, 8}, C::Left, {c - 1, 8}, Cell{c, 8});
        jump({c, 8}, {c, 7}, Cell{c, 6}, true);
    }
    v.push_back({{5, 8}, C::Right, {5, 8}, Cell{6, 8}, ""});
    walk({5, 8}, C::Left, {4, 8}, Cell{5, 8});
    jump({5, 8}, {5, 7}, Cell{5, 6}, false);
    walk({1, 9}, C::Up, {1, 8}, std::nullopt);
    return v;
}

std::vector<Cell> positions() {
    std::vector<Cell> out;
    Images im;
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 9; ++r)
            if (im.tobo_image(c, r) != kNoImage) out.emplace_back(c, r);
    return out;
}

// All requests that the list above does not name: they do nothing, whatever the enemies do.
std::vector<Move> refused() {
    std::vector<Move> known = moves();
    std::vector<Move> out;
    for (Cell p : positions())
        for (Control c :
             {Control::Up, Control::Down, Control::Left, Control::Right, Control::Jump}) {
            bool listed = false;
            for (const Move& m : known)
                listed = listed || (m.from == p && m.control == c);
            if (!listed) out.push_back({p, c, p, std::nullopt, ""});
        }
    return out;
}

// Game A at the start of play, with Tobo placed at the move's start and every enemy cell lit
// but the move's own hit cell.
void set_up(Game& g, const Move& m) {
    g.start();
    g.place_tobo(m.from.first, m.from.second);
    g.fill_enemies();
    if (m.hit) g.put_enemy(m.hit->first, m.hit->second, false);
    g.sound.events.clear();
}

class ToboMove : public ::testing::TestWithParam<Move> {};

TEST_P(ToboMove, GoesWhereTheTableSaysAndTestsNoOtherCell) {
    const Move& m = GetParam();
    Game g;
    set_up(g, m);
    g.step(m.control);
    EXPECT_FALSE(g.on(T::Timer_Miss));
    EXPECT_TRUE(g.tobo_at(m.to.first, m.to.second));
    EXPECT_EQ(g.tobo_segments_lit(), 1);
    const std::vector<std::string> sound =
        *m.sound ? std::vector<std::string>{m.sound} : std::vector<std::string>{};
    EXPECT_EQ(g.heard(), sound);
    const bool arm = m.from == Cell{1, 4} && m.control == Control::Jump;
    EXPECT_EQ(g.lit(im_tobo_01_03_a), arm);
    if (m.control == Control::Jump && *m.sound) {
        EXPECT_EQ(g.on(T::Timer_Tobo_Jump), m.falls_back);
        if (m.falls_back) {
            EXPECT_EQ(g.interval(T::Timer_Tobo_Jump), 2 * 599);
        }
    }
}

class ToboHit : public ::testing::TestWithParam<Move> {};

TEST_P(ToboHit, HitCellMakesAMissWithoutSound) {
    const Move& m = GetParam();
    Game g;
    g.start();
    g.place_tobo(m.from.first, m.from.second);
    g.put_enemy(m.hit->first, m.hit->second);
    g.sound.events.clear();
    g.step(m.control);
    EXPECT_TRUE(g.on(T::Timer_Miss));
    EXPECT_FALSE(g.on(T::Timer_Game));
    EXPECT_FALSE(g.on(T::Timer_Tobo_Jump));
    EXPECT_FALSE(g.s().play_enabled);
    // A move right is tested before it is made; every other move is drawn first.
    const Cell drawn = m.control == Control::Right ? m.from : m.to;
    EXPECT_TRUE(g.tobo_at(drawn.first, drawn.second));
    EXPECT_EQ(g.tobo_segments_lit(), 1);
    EXPECT_TRUE(g.heard().empty());  // no move sound, and the game is not silenced
    g.wait(1);
    EXPECT_EQ(g.heard(), std::vector<std::string>{"Miss"});
}

std::vector<Move> hit_moves() {
    std::vector<Move> out;
    for (const Move& m : moves())
        if (m.hit) out.push_back(m);
    return out;
}

INSTANTIATE_TEST_SUITE_P(Table, ToboMove, ::testing::ValuesIn(moves()));
INSTANTIATE_TEST_SUITE_P(Refused, ToboMove, ::testing::ValuesIn(refused()));
INSTANTIATE_TEST_SUITE_P(Table, ToboHit, ::testing::ValuesIn(hit_moves()));

TEST(HeldDirection, FirstStepAfter90MsThenEvery330AndTheWallStillTests) {
    Game g;
    const Millis play = g.start();
    g.step(Control::Up);  // enters at (1, 8)
    g.sound.events.clear();
    g.at(play + 100);
    g.press(Control::Right);
    g.at(play + 189);
    EXPECT_TRUE(g.tobo_at(1, 8));
    struct Stop {
        Millis at;
        int col;
    };
    for (Stop s : {Stop{190, 2}, {519, 2}, {520, 3}, {849, 3}, {850, 4}, {1179, 4}, {1180, 5}}) {
        g.at(play + s.at);
        EXPECT_TRUE(g.tobo_at(s.col, 8)) << "at +" << s.at;
    }
    EXPECT_EQ(g.heard_count("Step"), 4);
    g.at(play + 1200);
    g.put_enemy(6, 8);
    g.at(play + 1509);
    EXPECT_FALSE(g.on(T::Timer_Miss));
    g.at(play + 1510);  // the repeat at the right end tests the cell beyond it
    EXPECT_TRUE(g.on(T::Timer_Miss));
    EXPECT_TRUE(g.tobo_at(5, 8));
    EXPECT_EQ(g.heard_count("Step"), 4);
}

TEST(HeldDirection, RepeatFollowsAFastEnemyTick) {
    Game g;
    g.start();
    g.step(Control::Up);
    g.s().game_ticks = 600;
    g.hh.Gam_Set_Timer_Game_Interval();
    ASSERT_EQ(g.interval(T::Timer_Game), 120);
    const Millis t = g.now();
    g.press(Control::Right);
    for (Millis d : {89, 90, 209, 210, 329, 330, 449, 450}) {
        g.at(t + d);
        const int expected = 1 + (d >= 90) + (d >= 210) + (d >= 330) + (d >= 450);
        EXPECT_TRUE(g.tobo_at(expected, 8)) << "at +" << d;
    }
}

TEST(HeldDirection, AutoRepeatPressesAreIgnored) {
    Game g;
    g.start();
    g.step(Control::Up);
    const Millis t = g.now();
    g.press(Control::Right);
    g.at(t + 60);
    g.press(Control::Right);
    g.at(t + 90);
    EXPECT_TRUE(g.tobo_at(2, 8));
    g.at(t + 150);
    g.press(Control::Right);
    g.at(t + 419);
    EXPECT_TRUE(g.tobo_at(2, 8));
    g.at(t + 420);
    EXPECT_TRUE(g.tobo_at(3, 8));
}

TEST(HeldDirection, SecondDirectionShowsOnThePadButItsReleaseStopsTheFirst) {
    Game g;
    g.start();
    g.step(Control::Up);
    const Millis t = g.now();
    g.press(Control::Right);
    EXPECT_TRUE(g.lit(btn_cross_down));
    EXPECT_EQ(g.hh.images()[btn_cross_down].picture_source, btn_cross_down_right);
    g.at(t + 100);
    g.press(Control::Left);
    EXPECT_EQ(g.hh.images()[btn_cross_down].picture_source, btn_cross_down_left);
    g.at(t + 420);
    EXPECT_TRUE(g.tobo_at(3, 8));  // still going right
    g.at(t + 500);
    g.release(Control::Left);
    EXPECT_FALSE(g.lit(btn_cross_down));
    g.at(t + 2000);
    EXPECT_TRUE(g.tobo_at(3, 8));
    EXPECT_FALSE(g.on(T::Timer_Tobo_Move));
    g.press(Control::Right);  // the held key's next auto-repeat press
    g.at(t + 2090);
    EXPECT_TRUE(g.tobo_at(4, 8));
}

TEST(HeldDirection, ADirectionHeldThroughAJumpDoesNotWalkOnAfterTheLanding) {
    Game g;
    const Millis play = g.start();
    g.place_tobo(2, 8);
    g.press(Control::Right);
    g.at(play + 10);
    g.press(Control::Jump);
    g.at(play + 11);
    EXPECT_TRUE(g.tobo_at(2, 7));
    EXPECT_TRUE(g.lit(btn_jump_down));
    g.at(play + 100);
    g.release(Control::Jump);
    EXPECT_FALSE(g.lit(btn_jump_down));
    g.at(play + 11 + 1198);  // lands on nothing
    EXPECT_TRUE(g.tobo_at(2, 8));
    EXPECT_FALSE(g.s().dir_held);
    g.at(play + 4000);
    EXPECT_TRUE(g.tobo_at(2, 8));
    g.press(Control::Right);
    g.wait(kFirstStep);
    EXPECT_TRUE(g.tobo_at(3, 8));
}

TEST(Jump, HeldJumpButtonJumpsOnce) {
    Game g;
    g.start();
    g.place_tobo(3, 4);
    g.press(Control::Jump);
    g.wait(1);
    EXPECT_TRUE(g.tobo_at(3, 3));
    g.press(Control::Jump);  // auto-repeat
    g.wait(2000);
    EXPECT_TRUE(g.tobo_at(3, 3));  // holds on to the vine; no second jump, no fall
    EXPECT_FALSE(g.on(T::Timer_Tobo_Move));
    EXPECT_FALSE(g.on(T::Timer_Tobo_Jump));
    EXPECT_EQ(g.heard_count("Jump"), 1);
    g.release(Control::Jump);
    g.step(Control::Up);
    EXPECT_TRUE(g.tobo_at(3, 2));
}

TEST(Jump, PressesWithoutPlayOnlySetTheLatches) {
    Game g;
    g.hh.im_background_closedClick();
    g.press(Control::GameA);
    g.press(Control::Up);
    g.press(Control::Jump);
    EXPECT_TRUE(g.s().dir_held);
    EXPECT_TRUE(g.s().jump_held);
    EXPECT_FALSE(g.on(T::Timer_Tobo_Move));
    g.wait(500);
    EXPECT_TRUE(g.tobo_at(1, 9));
    g.release(Control::Jump);
    EXPECT_FALSE(g.s().jump_held);
}

struct Landing {
    Cell from;       // where the jump starts
    Cell scores;     // the enemy under the landing that gives the point
    Cell no_points;  // a neighbouring enemy that gives none
};

class FallBack : public ::testing::TestWithParam<Landing> {};

// Jumps at the start of play; the landing is due 2 x 599 ms after the jump.
Millis jump_now(Game& g, Cell from) {
    g.place_tobo(from.first, from.second);
    g.step(Control::Jump);
    return g.now() + 2 * 599;
}

TEST_P(FallBack, LandsAfterTwoTicksAndScoresOnlyOverThePassedEnemy) {
    const Landing& p = GetParam();
    for (bool scoring : {true, false}) {
        Game g;
        g.start();
        const Millis landing = jump_now(g, p.from);
        g.press(Control::Left);  // held in the air: nothing moves
        g.at(landing - 1);
        EXPECT_TRUE(g.tobo_at(p.from.first, p.from.second - 1));
        const Cell e = scoring ? p.scores : p.no_points;
        g.put_enemy(e.first, e.second);
        g.sound.events.clear();
        g.at(landing);
        EXPECT_TRUE(g.tobo_at(p.from.first, p.from.second));
        EXPECT_FALSE(g.lit(im_tobo_01_03_a));
        EXPECT_EQ(g.s().score, scoring ? 1 : 0);
        EXPECT_EQ(g.panel(), scoring ? "   1" : "   0");
        EXPECT_TRUE(g.heard().empty());
        EXPECT_TRUE(g.s().play_enabled);
        EXPECT_EQ(g.s().dir_held, scoring);  // only a landing without a point frees the pad
        EXPECT_FALSE(g.on(T::Timer_Tobo_Jump));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Landings, FallBack,
    ::testing::Values(Landing{{1, 4}, {1, 4}, {2, 4}}, Landing{{2, 6}, {3, 6}, {2, 6}},
                      Landing{{3, 6}, {4, 6}, {3, 6}}, Landing{{4, 6}, {5, 6}, {4, 6}},
                      Landing{{1, 8}, {1, 8}, {2, 8}}, Landing{{2, 8}, {2, 8}, {3, 8}},
                      Landing{{3, 8}, {3, 8}, {4, 8}}, Landing{{4, 8}, {4, 8}, {5, 8}}));

TEST(Jump, TheJumpOverPointCountsTheScoreStep) {
    Game g;
    g.start();
    g.s().score = 10;
    g.s().score_step = 2;
    const Millis landing = jump_now(g, {3, 8});
    g.at(landing - 1);
    g.put_enemy(3, 8);
    g.at(landing);
    EXPECT_EQ(g.s().score, 12);
    EXPECT_EQ(g.panel(), "  12");
}

TEST(Jump, ArmShowsWithTheTopOfTheJumpAtTheLeftEdge) {
    Game g;
    g.start();
    const Millis landing = jump_now(g, {1, 4});
    EXPECT_TRUE(g.tobo_at(1, 3));
    EXPECT_TRUE(g.lit(im_tobo_01_03_a));
    EXPECT_FALSE(g.lit(im_tobo_01_03_b));
    g.at(landing);
    EXPECT_TRUE(g.tobo_at(1, 4));
    EXPECT_FALSE(g.lit(im_tobo_01_03_a));
}

TEST(Jump, BottomKeyPickupWithALandingPoint) {
    Game g;
    g.start();
    g.step(Control::Up);
    g.sound.events.clear();
    const Millis landing = jump_now(g, {1, 8});
    g.at(landing - 1);
    g.put_enemy(1, 8);
    g.at(landing);
    EXPECT_EQ(g.s().score, 1);
    // The jump sounds at once, the rising key 400 ms later; the landing is silent.
    std::vector<std::string> heard;
    for (const std::string& e : g.heard())
        if (e.rfind("Enemy_", 0) != 0) heard.push_back(e);
    EXPECT_EQ(heard, (std::vector<std::string>{"Jump", "Key"}));
}

TEST(Jump, UpAtAVineTopWithTheKeyInAnotherLockDoesNothing) {
    Game g;
    g.start();
    g.s().key_pos = 4;
    g.place_tobo(3, 1);
    g.sound.events.clear();
    g.step(Control::Up);
    EXPECT_TRUE(g.tobo_at(3, 1));
    EXPECT_TRUE(g.heard().empty());
    EXPECT_TRUE(g.on(T::Timer_Game));
    EXPECT_FALSE(g.on(T::Timer_Bonus_Lock));
}

}  // namespace
}  // namespace gorvo::test
