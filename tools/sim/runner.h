// Runs a checked script against the handheld on virtual time and prints the trace.
#pragma once

#include <ostream>
#include <string>

#include "core/handheld.h"
#include "replay/script.h"
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

// The program after the splash window's start action, with ports that feed the trace.
class Simulation {
  public:
    Simulation(const StartValues& start, RandomSource& random);
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    Handheld& handheld() { return hh_; }

    // Runs and prints every instant with a timer due before t, then moves the clock to t.
    void run_before(Millis t, std::ostream& out);
    // One script action at the current time.
    void apply(replay::Action a);
    // Runs the timers due at the current time and prints the lines of this instant.
    void finish_instant(std::ostream& out);
    // "T end mode=M score=S lives=L hiscore_a=A hiscore_b=B".
    std::string end_line() const;

  private:
    TraceRecorder trace_;
    TraceSound sound_{trace_};
    TraceSettings settings_{trace_};
    VirtualClock clock_;
    Handheld hh_;
};

struct RunResult {
    int exit_status = 0;  // 0 complete, 3 the draws ran out
    std::string message;  // why the run stopped early
};

// Runs the whole script and prints its trace and the end line. When the draws run out, the
// instant in progress and the end line are not printed.
RunResult run_script(const replay::Script& script, const StartValues& start, RandomSource& random,
                     std::ostream& out);

}  // namespace gorvo::sim
