// One soak session: a fresh handheld, opened, and a number of complete games played one after
// the other by a random player on virtual time, with the invariants checked after every event.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/timers.h"

namespace gorvo::soak {

struct SoakResult {
    std::string failure;  // empty when every rule held until the last game was over
    int games = 0;        // games played to their end
    Millis duration = 0;  // virtual time played
    std::string script;   // the inputs, as a script for gorvo250-sim
    std::string draws;    // every random draw made, as a --draws file
    std::string options;  // the other command-line options that reproduce the run
    std::array<long, kTimerCount> ticks{};  // how often each timer ticked: what was exercised
};

// The games' shape, the player, the stored high scores and the enemies follow from the seed.
SoakResult play_soak_session(std::uint64_t seed, int games);

// How to replay a failed session with the simulator.
std::string reproduction(std::uint64_t seed, const SoakResult& r);

}  // namespace gorvo::soak
