#include "desktop/game_b_player.h"

#include <array>

#include "desktop/x_input.h"

namespace gorvo::bench {

namespace {

struct Move {
    const char* key;
    int hold_ms;
    int gap_ms;
};

// One round of play. Game B starts a game in an idle mode (after a game over, too) and only
// shows its button pressed while a game runs; Up brings Tobo in from the waiting place and
// climbs; the walks are long enough for a few steps; Ctrl jumps.
constexpr std::array<Move, 9> kRound{{
    {"2", 150, 250},
    {"Up", 300, 100},
    {"Right", 450, 100},
    {"Control_L", 150, 200},
    {"Left", 450, 100},
    {"Up", 300, 100},
    {"Left", 300, 100},
    {"Down", 300, 100},
    {"Right", 300, 150},
}};

}  // namespace

void play_game_b(RunningProgram& game, int seconds) {
    const Clock::time_point end = Clock::now() + std::chrono::seconds(seconds);
    while (Clock::now() < end && game.running()) {
        for (const Move& m : kRound) {
            const QString key = QString::fromLatin1(m.key);
            key_down(key);
            game.pause(m.hold_ms);
            key_up(key);
            game.pause(m.gap_ms);
            if (Clock::now() >= end) break;
        }
    }
}

}  // namespace gorvo::bench
