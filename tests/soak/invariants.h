// What must hold for the handheld after every event of a game, whatever the player does.
#pragma once

#include <optional>
#include <string>

#include "core/handheld.h"

namespace gorvo::soak {

struct Moment {
    std::optional<TimerId> fired;  // the timer whose tick has just run; none after an input
    bool game_chosen = false;      // a high-score view has placed Tobo at the waiting place
};

// The first broken rule, described, or an empty string.
std::string check_invariants(const Handheld& hh, const Moment& m);

// The rules one by one (each returns a description of what is wrong, or an empty string).
std::string check_ranges(const GameState& s);
std::string check_enemy_cells(const Handheld& hh);
std::string check_enemy_segments(const Handheld& hh);
std::string check_tobo(const Handheld& hh, const Moment& m);
std::string check_frozen_sequences(const Handheld& hh);
std::string check_panel(const Handheld& hh);

}  // namespace gorvo::soak
