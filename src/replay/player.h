// Plays a script's events on a handheld in the order every run of the game keeps: at one time
// the events first, in their order, then the timers due then, those whose wait began first
// first. After every instant in which something ran, the caller is told. The simulator, the
// score check and the window's playback run a script through here.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "core/handheld.h"
#include "replay/script.h"
#include "replay/script_clock.h"

namespace gorvo::replay {

class Player {
  public:
    using InstantDone = std::function<void(Millis)>;

    // The handheld's wall clock must be `clock`. The events are the script's.
    Player(Handheld& hh, ScriptClock& clock, std::vector<ScriptEvent> events);

    // Runs every event at or before t and every timer due at or before t, one instant at a
    // time, and leaves the engine's clock at t (never earlier than it is).
    void run_to(Millis t, const InstantDone& done);
    // The time of the next event not yet run.
    std::optional<Millis> next_event_time() const;

  private:
    void run_timers_to(Millis t, const InstantDone& done);

    Handheld& hh_;
    ScriptClock& clock_;
    std::vector<ScriptEvent> events_;
    std::size_t next_ = 0;
};

}  // namespace gorvo::replay
