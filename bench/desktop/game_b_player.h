// A player for the play measurement: keeps a Game B running and Tobo on the move, from the
// keyboard with the default bindings, for a given time.
#pragma once

#include "desktop/running_program.h"

namespace gorvo::bench {

// Plays until `seconds` have passed. The game must be open (an idle mode or a game running).
void play_game_b(RunningProgram& game, int seconds);

}  // namespace gorvo::bench
