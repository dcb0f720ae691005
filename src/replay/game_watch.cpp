#include "replay/game_watch.h"

namespace gorvo::replay {

namespace {

bool running(std::int32_t mode) {
    return mode == mode_game_a || mode == mode_game_b;
}

}  // namespace

std::optional<FinishedGame> GameWatch::after_instant(Millis t, const GameState& s) {
    const std::int32_t before = last_mode_;
    last_mode_ = s.game_mode;
    if (s.game_mode == before) return std::nullopt;
    if (running(s.game_mode)) {
        started_ = t;
        return std::nullopt;
    }
    if (s.game_mode != mode_game_over || !running(before)) return std::nullopt;
    return FinishedGame{before == mode_game_a ? 'A' : 'B', s.score, started_, t};
}

}  // namespace gorvo::replay
