#include "sim/random_player.h"

#include <algorithm>
#include <numeric>

#include "replay/actions.h"

namespace gorvo::sim {

namespace {

// Weights in Control order: GameA, GameB, Time, Acl, Up, Left, Right, Down, Jump.
constexpr std::array<int, kControlCount> kReckless = {0, 0, 0, 0, 10, 1, 10, 1, 8};
constexpr std::array<int, kControlCount> kWandering = {1, 1, 1, 1, 10, 10, 10, 10, 10};
constexpr std::array<int, kControlCount> kIdle = {0, 0, 1, 0, 1, 1, 1, 1, 2};

}  // namespace

PlayStyle reckless_style() {
    return {kReckless, 20, 400, 0, 300, 10};
}
PlayStyle wandering_style() {
    return {kWandering, 10, 1500, 0, 1200, 25};
}
PlayStyle idle_style() {
    return {kIdle, 30, 300, 2000, 15000, 0};
}

RandomPlayer::RandomPlayer(std::uint64_t seed, const PlayStyle& style)
    : rng_(seed), style_(style) {}

Millis RandomPlayer::uniform(Millis lo, Millis hi) {
    if (hi <= lo) return lo;
    // Rejection sampling on the raw output: the same numbers on every standard library.
    const auto range = static_cast<std::uint64_t>(hi - lo) + 1;
    const std::uint64_t limit = std::mt19937_64::max() - std::mt19937_64::max() % range;
    std::uint64_t x = rng_();
    while (x >= limit)
        x = rng_();
    return lo + static_cast<Millis>(x % range);
}

Control RandomPlayer::pick_control() {
    const int total = std::accumulate(style_.weights.begin(), style_.weights.end(), 0);
    auto r = static_cast<int>(uniform(0, total - 1));
    for (int c = 0; c < kControlCount; ++c) {
        if (r < style_.weights[c]) return static_cast<Control>(c);
        r -= style_.weights[c];
    }
    return Control::Jump;
}

void RandomPlayer::add(Millis t, replay::Action a) {
    const replay::ScriptEvent e{t, a, 0};
    // After every event planned for the same time, so that a press precedes its release.
    auto at = std::upper_bound(
        plan_.begin(), plan_.end(), e,
        [](const replay::ScriptEvent& x, const replay::ScriptEvent& y) { return x.time < y.time; });
    plan_.insert(at, e);
}

void RandomPlayer::plan(Millis now) {
    const Control c = pick_control();
    const Millis press = now + uniform(style_.min_gap, style_.max_gap);
    const Millis hold = uniform(style_.min_hold, style_.max_hold);
    add(press, replay::press_action(c));
    add(press + hold, replay::release_action(c));
    if (uniform(0, 99) < style_.overlap_percent) {
        // A second control pressed while the first is held; the same control again is a
        // keyboard's auto-repeat press, released with the first.
        const Control second = pick_control();
        const Millis at = press + uniform(0, hold - 1);
        add(at, replay::press_action(second));
        if (second != c)
            add(at + uniform(style_.min_hold, style_.max_hold), replay::release_action(second));
    }
}

void RandomPlayer::press_for(Millis at, Control c, Millis hold) {
    add(at, replay::press_action(c));
    add(at + hold, replay::release_action(c));
}

replay::ScriptEvent RandomPlayer::next(Millis now) {
    if (plan_.empty()) plan(now);
    const replay::ScriptEvent e = plan_.front();
    plan_.erase(plan_.begin());
    return e;
}

void RandomPlayer::start_game(Millis now, bool game_b) {
    const Control c = game_b ? Control::GameB : Control::GameA;
    const Millis press = now + uniform(1, 300);
    const replay::ScriptEvent down{press, replay::press_action(c), 0};
    const replay::ScriptEvent up{press + uniform(10, 600), replay::release_action(c), 0};
    // Ahead of what is planned: nothing planned may come before the release.
    for (replay::ScriptEvent& e : plan_)
        e.time = std::max(e.time, up.time);
    plan_.insert(plan_.begin(), {down, up});
}

bool RandomPlayer::pending_press(Control c) const {
    const replay::Action a = replay::press_action(c);
    return std::any_of(plan_.begin(), plan_.end(),
                       [a](const replay::ScriptEvent& e) { return e.action == a; });
}

}  // namespace gorvo::sim
