#include "sim/runner.h"

#include "core/stored_settings.h"
#include "sim/actions.h"
#include "sim/draws.h"

namespace gorvo::sim {

Simulation::Simulation(const StartValues& start, RandomSource& random)
    : clock_(start.clock_minutes), hh_(sound_, settings_, clock_, random) {
    settings_.store(std::string(stored::kHiScore1.name), start.hiscore_a);
    settings_.store(std::string(stored::kHiScore2.name), start.hiscore_b);
    settings_.store(std::string(stored::kCtrlrOverlay.name), start.overlay ? 1 : 0);
    clock_.attach(hh_.timers());
    hh_.load_settings();
    hh_.enter_closed_case();  // the splash window's start action
    trace_.start(hh_.images());
}

void Simulation::run_before(Millis t, std::ostream& out) {
    for (auto due = hh_.timers().next_due(); due && *due < t; due = hh_.timers().next_due()) {
        hh_.run_until(*due);
        trace_.flush(*due, hh_.images(), out);
    }
    hh_.timers().advance_to(t);
}

void Simulation::apply(Action a) {
    apply_action(hh_, a);
}

void Simulation::finish_instant(std::ostream& out) {
    const Millis now = hh_.timers().now();
    hh_.run_until(now);
    trace_.flush(now, hh_.images(), out);
}

std::string Simulation::end_line() const {
    const GameState& s = hh_.state();
    return std::to_string(hh_.timers().now()) + " end mode=" + std::to_string(s.game_mode) +
           " score=" + std::to_string(s.score) + " lives=" + std::to_string(s.lives) +
           " hiscore_a=" + std::to_string(s.hiscore_a) +
           " hiscore_b=" + std::to_string(s.hiscore_b);
}

RunResult run_script(const Script& script, const StartValues& start, RandomSource& random,
                     std::ostream& out) {
    Simulation sim(start, random);
    try {
        const std::vector<ScriptEvent>& events = script.events;
        std::size_t i = 0;
        while (i < events.size()) {
            const Millis t = events[i].time;
            sim.run_before(t, out);
            while (i < events.size() && events[i].time == t)
                sim.apply(events[i++].action);
            sim.finish_instant(out);
        }
        sim.run_before(script.end_time, out);
        sim.finish_instant(out);
        out << sim.end_line() << '\n';
    } catch (const DrawsExhausted&) {
        return {3, "the random draws ran out at virtual time " +
                       std::to_string(sim.handheld().timers().now()) + " ms"};
    }
    return {};
}

}  // namespace gorvo::sim
