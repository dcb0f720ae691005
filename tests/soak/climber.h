// A player who goes for the key and the locks: he finds his way over the ladders and vines to
// wherever the key waits, and waits while an enemy sits on his next step. Random timing and
// now and then a random press keep him from playing the same game twice. Without him the soak
// would never see a lock opened, Gorvo freed or a bonus chance.
#pragma once

#include <optional>

#include "core/handheld.h"
#include "sim/random_player.h"

namespace gorvo::soak {

// One move of Tobo's: the control, where it leads, and the enemy cell that must be clear.
struct Move {
    Control control = Control::Up;
    int col = 0;
    int row = 0;
    int hit_col = -1;  // -1: no cell is tested
    int hit_row = -1;
};

// The first move on the shortest way from (col, row) to where the key or the open lock wants
// Tobo, ending with the move that takes or uses the key; none while he is in mid-air.
std::optional<Move> next_move(int col, int row, int key_pos);

class Climber : public sim::RandomPlayer {
  public:
    Climber(std::uint64_t seed, const Handheld& hh);
    replay::ScriptEvent next(Millis now) override;

  private:
    void decide(Millis now);
    const Handheld& hh_;
};

}  // namespace gorvo::soak
