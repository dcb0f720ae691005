// The random player: its inputs must make a valid script (times never going back, every press
// released, no release without a press), whatever the style.
#include <gtest/gtest.h>

#include <map>

#include "replay/actions.h"
#include "sim/random_player.h"

namespace gorvo::sim {
namespace {

struct Played {
    std::vector<replay::ScriptEvent> events;
    std::string problem;
};

// At least `count` events, then on until nothing is held (one plan holds at most four events).
Played play(RandomPlayer& p, int count) {
    Played out;
    std::map<replay::Action, bool> held;  // by press action
    auto anything_held = [&] {
        for (const auto& [press, is_held] : held) {
            if (is_held) return true;
        }
        return false;
    };
    Millis now = 0;
    for (int i = 0; out.problem.empty() && (i < count || (anything_held() && i < count + 4)); ++i) {
        const replay::ScriptEvent e = p.next(now);
        out.events.push_back(e);
        if (e.time < now) out.problem = "time goes back at event " + std::to_string(i);
        now = e.time;
        const int a = static_cast<int>(e.action);
        const auto press = static_cast<replay::Action>(a - a % 2);
        if (a % 2 == 0) {
            held[press] = true;  // pressed again while held: an auto-repeat press
        } else if (!held[press]) {
            out.problem = "released without a press: " + std::string(replay::action_name(e.action));
        } else {
            held[press] = false;
        }
    }
    if (out.problem.empty() && anything_held()) out.problem = "a press is never released";
    return out;
}

TEST(RandomPlayer, EveryStyleMakesAValidScript) {
    for (const PlayStyle& style : {reckless_style(), wandering_style(), idle_style()}) {
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            RandomPlayer p(seed, style);
            const Played played = play(p, 2000);
            ASSERT_EQ(played.problem, "") << "seed " << seed;
        }
    }
}

TEST(RandomPlayer, ChoosingAGameComesFirstAndKeepsPressesPaired) {
    RandomPlayer p(5, wandering_style());
    play(p, 7);  // something is planned and maybe held
    p.start_game(100'000, true);
    EXPECT_TRUE(p.pending_press(Control::GameB));
    const replay::ScriptEvent down = p.next(100'000);
    EXPECT_EQ(down.action, replay::Action::game_b_down);
    EXPECT_GE(down.time, 100'000);
    const replay::ScriptEvent up = p.next(down.time);
    EXPECT_EQ(up.action, replay::Action::game_b_up);
    EXPECT_GT(up.time, down.time);
    EXPECT_FALSE(p.pending_press(Control::GameB));
}

}  // namespace
}  // namespace gorvo::sim
