// gorvo250-bench-verify: how long `gorvo250-sim --verify` takes over a recording of one hour of
// play, from its text to its verdict, and how large that recording is. The hour is played by
// the simulator's random player, a new game whenever one ends; its games are noted as the game
// notes them.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <sstream>
#include <vector>

#include "figures.h"
#include "replay/actions.h"
#include "replay/game_watch.h"
#include "replay/generator.h"
#include "replay/script.h"
#include "sim/random_player.h"
#include "sim/runner.h"
#include "sim/verify.h"

namespace {

using gorvo::Millis;
using namespace gorvo;

constexpr Millis kHour = 60 * 60 * 1000;
constexpr std::uint64_t kSeed = 250;
constexpr int kRuns = 7;

bool idle(std::int32_t mode) {
    return mode == mode_all_segments || mode == mode_clock || mode == mode_game_over;
}

// The player's inputs for an hour: played against a simulation so that games start when
// one ends.
std::vector<replay::ScriptEvent> hour_of_inputs() {
    replay::Generator random(kSeed);
    sim::Simulation sim({}, random, {});
    Handheld& hh = sim.handheld();
    sim::RandomPlayer player(kSeed, sim::wandering_style());
    std::vector<replay::ScriptEvent> inputs{{0, replay::Action::open}};
    replay::apply_action(hh, inputs.front());
    bool game_b = false;
    while (hh.timers().now() < kHour) {
        if (idle(hh.state().game_mode) && !player.pending_press(Control::GameA) &&
            !player.pending_press(Control::GameB)) {
            player.start_game(hh.timers().now(), game_b);
            game_b = !game_b;
        }
        const replay::ScriptEvent e = player.next(hh.timers().now());
        if (e.time > 0) hh.run_until(e.time - 1);
        hh.timers().advance_to(e.time);
        replay::apply_action(hh, e);
        hh.run_until(e.time);
        if (e.time <= kHour) inputs.push_back(e);
    }
    return inputs;
}

// The recording's text: the inputs, each game over noted after its instant's inputs.
std::string hour_recording() {
    replay::Script script;
    script.header.format = replay::kFormatVersion;
    script.header.seed = kSeed;
    const std::vector<replay::ScriptEvent> inputs = hour_of_inputs();
    replay::Generator random(kSeed);
    sim::Simulation sim({}, random, inputs);
    replay::GameWatch watch;
    std::vector<replay::ScriptEvent> notes;
    sim.run_to(kHour, [&](Millis t) {
        sim.forget_instant();
        if (auto g = watch.after_instant(t, sim.handheld().state()))
            notes.push_back({t, replay::Action::game_over, 0, g->score, g->game});
    });
    std::merge(inputs.begin(), inputs.end(), notes.begin(), notes.end(),
               std::back_inserter(script.events),
               [](const auto& a, const auto& b) { return a.time < b.time; });
    script.end_time = kHour;
    return replay::write_script(script);
}

}  // namespace

int main() {
    const std::string text = hour_recording();
    std::vector<double> ms;
    int status = 0;
    std::string games;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const replay::ScriptParse parsed = replay::parse_script(text);
        if (!parsed.ok()) {
            bench::print_missing("verify_one_hour", "ms", "the hour's recording does not read");
            return 1;
        }
        replay::Generator random(*parsed.script.header.seed);
        std::ostringstream out;
        status = sim::verify_script(parsed.script, {}, random, out).exit_status;
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        games = out.str();
    }
    const auto count = std::count(games.begin(), games.end(), '\n') - 1;
    if (status != 0) {
        bench::print_missing("verify_one_hour", "ms", "the hour's recording was not verified");
        return 1;
    }
    bench::print_figure("verify_one_hour", bench::percentile(ms, 0.5), "ms");
    bench::print_figure("recording_one_hour", static_cast<double>(text.size()) / 1024.0, "KiB");
    bench::print_note(
        "gorvo250-sim --verify over one hour of random play (%ld games, %zu bytes): the median "
        "of %d runs from the text to the verdict (target: well under 1000 ms; the recording a "
        "few hundred KiB at most)",
        static_cast<long>(count), text.size(), kRuns);
    return 0;
}
