// --verify: a recording's proof. The script runs headless, every game that ends is printed, and
// each must match the next game_over note of the file in game, score and time, with no game
// over unnoted and no note left over.
#pragma once

#include <ostream>
#include <string>

#include "core/ports.h"
#include "replay/script.h"
#include "sim/runner.h"

namespace gorvo::sim {

constexpr int kNotVerified = 4;  // the exit status when the replay and the file disagree

// Prints the games of the replay on `out`; on a disagreement the result names the file's line
// and what each side has.
RunResult verify_script(const replay::Script& script, const StartValues& start,
                        RandomSource& random, std::ostream& out);

// "1:02:03.456" (hours only when there are some).
std::string duration_text(Millis ms);

}  // namespace gorvo::sim
