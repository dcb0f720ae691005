#include "sim/runner.h"

#include "core/stored_settings.h"
#include "sim/draws.h"

namespace gorvo::sim {

Simulation::Simulation(const StartValues& start, RandomSource& random,
                       std::vector<replay::ScriptEvent> events)
    : clock_(start.clock_minutes),
      hh_(sound_, settings_, clock_, random),
      player_(hh_, clock_, std::move(events)) {
    settings_.store(std::string(stored::kHiScore1.name), start.hiscore_a);
    settings_.store(std::string(stored::kHiScore2.name), start.hiscore_b);
    settings_.store(std::string(stored::kCtrlrOverlay.name), start.overlay ? 1 : 0);
    clock_.attach(hh_.timers());
    hh_.load_settings();
    hh_.enter_closed_case();  // the splash window's start action
    trace_.start(hh_.images());
}

std::string Simulation::end_line() const {
    const GameState& s = hh_.state();
    return std::to_string(hh_.timers().now()) + " end mode=" + std::to_string(s.game_mode) +
           " score=" + std::to_string(s.score) + " lives=" + std::to_string(s.lives) +
           " hiscore_a=" + std::to_string(s.hiscore_a) +
           " hiscore_b=" + std::to_string(s.hiscore_b);
}

RunResult draws_ran_out(const Handheld& hh) {
    return {
        3, "the random draws ran out at virtual time " + std::to_string(hh.timers().now()) + " ms"};
}

RunResult run_script(const replay::Script& script, const StartValues& start, RandomSource& random,
                     std::ostream& out) {
    Simulation sim(start, random, script.events);
    try {
        sim.run_to(script.end_time, [&](Millis t) { sim.print_instant(t, out); });
        out << sim.end_line() << '\n';
    } catch (const DrawsExhausted&) {
        return draws_ran_out(sim.handheld());
    }
    return {};
}

}  // namespace gorvo::sim
