// What the game's real-time driver tells about a session as it runs: every input at the engine
// time it runs at, and the end of every instant. A recording listens, and so do the tests that
// trace a session in play.
#pragma once

#include "core/timers.h"
#include "replay/script.h"

namespace gorvo::replay {

class SessionListener {
  public:
    virtual ~SessionListener() = default;
    // Just before the input runs; e.time is the engine time it runs at.
    virtual void input(const ScriptEvent& e) = 0;
    // The input has run.
    virtual void input_done() = 0;
    // Every input and every timer of the instant t has run.
    virtual void instant_done(Millis t) = 0;
};

}  // namespace gorvo::replay
