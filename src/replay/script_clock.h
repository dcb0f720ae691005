// The wall clock of a script run: the local time at virtual time 0 plus the virtual time passed,
// wrapping at midnight, until a `clock` action sets a reading, which it then holds (a recording
// notes every change the game saw, so the reading stays exactly as it was in play).
#pragma once

#include <optional>

#include "core/ports.h"
#include "core/timers.h"

namespace gorvo::replay {

class ScriptClock final : public WallClock {
  public:
    explicit ScriptClock(int start_minutes) : start_minutes_(start_minutes) {}
    // The scheduler whose time counts; until attached the clock stands at its start.
    void attach(const Scheduler& timers) { timers_ = &timers; }
    // From now on the clock reads `minutes` after midnight.
    void hold(int minutes) { held_ = minutes; }
    LocalTime now() override;

  private:
    int start_minutes_;
    std::optional<int> held_;
    const Scheduler* timers_ = nullptr;
};

}  // namespace gorvo::replay
