// Checks the invariants after every event, looking again at the segments and the panel only when
// something they depend on has changed since the last look: a spark flicker or a key blink then
// costs a few comparisons instead of a sweep over every segment.
#pragma once

#include <string>

#include "core/handheld.h"
#include "invariants.h"

namespace gorvo::soak {

class RuleWatch {
  public:
    // Takes the handheld's recorded image changes; nothing else may take them meanwhile.
    std::string check(Handheld& hh, const Moment& m);

  private:
    bool segments_may_have_changed(Handheld& hh, const Moment& m);

    bool first_ = true;
    GameState last_;
    bool last_game_start_ = false;
};

}  // namespace gorvo::soak
