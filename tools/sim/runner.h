// Runs a checked script against the handheld on virtual time: its trace, or the check of the
// games it notes.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/handheld.h"
#include "replay/player.h"
#include "replay/script.h"
#include "replay/script_clock.h"
#include "sim/sim_ports.h"
#include "sim/trace.h"

namespace gorvo::sim {

// The stored settings and the wall clock the simulated program starts with.
struct StartValues {
    int clock_minutes = 0;  // local time at virtual time 0, minutes after midnight
    int hiscore_a = 0;      // HiScore1
    int hiscore_b = 0;      // HiScore2
    bool overlay = true;    // CtrlrOverlay
};

// The program after the splash window's start action, with ports that feed the trace, playing
// the given events.
class Simulation {
  public:
    Simulation(const StartValues& start, RandomSource& random,
               std::vector<replay::ScriptEvent> events);
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    Handheld& handheld() { return hh_; }

    // Runs every event and timer up to t; `done` follows every instant.
    void run_to(Millis t, const replay::Player::InstantDone& done) { player_.run_to(t, done); }
    // Prints the lines of the instant t, or forgets them.
    void print_instant(Millis t, std::ostream& out) { trace_.flush(t, hh_.images(), out); }
    void forget_instant() { trace_.discard(); }
    // "T end mode=M score=S lives=L hiscore_a=A hiscore_b=B".
    std::string end_line() const;

  private:
    TraceRecorder trace_;
    TraceSound sound_{trace_};
    TraceSettings settings_{trace_};
    replay::ScriptClock clock_;
    Handheld hh_;
    replay::Player player_;
};

struct RunResult {
    int exit_status = 0;  // 0 complete, 3 the draws ran out
    std::string message;  // why the run stopped early
};

// The draws ran out at the engine's time: exit status 3 and its message.
RunResult draws_ran_out(const Handheld& hh);

// Runs the whole script and prints its trace and the end line. When the draws run out, the
// instant in progress and the end line are not printed.
RunResult run_script(const replay::Script& script, const StartValues& start, RandomSource& random,
                     std::ostream& out);

}  // namespace gorvo::sim
