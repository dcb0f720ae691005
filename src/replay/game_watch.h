// Tells when a game ends: the handheld is looked at after every instant, and a game of A or B
// that runs into the game-over mode is a finished game, with its final score. A game left for
// another mode (Time, ACL, the other game) is not one. The recording and the score check watch
// games alike, so their notes agree.
#pragma once

#include <cstdint>
#include <optional>

#include "core/handheld.h"

namespace gorvo::replay {

struct FinishedGame {
    char game = 'A';     // 'A' or 'B'
    int score = 0;       // the final score
    Millis started = 0;  // the instant the game began running
    Millis ended = 0;    // the instant it entered the game-over mode
    Millis duration() const { return ended - started; }
};

class GameWatch {
  public:
    // After the instant t: the game that ended in it, if one did.
    std::optional<FinishedGame> after_instant(Millis t, const GameState& s);

  private:
    std::int32_t last_mode_ = mode_closed;
    Millis started_ = 0;
};

}  // namespace gorvo::replay
