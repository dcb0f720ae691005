// Carrying out a script action on the handheld.
#pragma once

#include "core/handheld.h"
#include "replay/script.h"

namespace gorvo::replay {

// The input action, the click on the closed case (ignored while it is hidden: a hidden image
// takes no click), the high-score reset or the overlay switch. The wall clock is the caller's
// (replay/held_clock.h); `clock`, `game_over` and `end` do nothing here.
void apply_action(Handheld& hh, const ScriptEvent& e);

// The press and release actions of a control.
constexpr Action press_action(Control c) {
    return static_cast<Action>(2 * static_cast<int>(c));
}
constexpr Action release_action(Control c) {
    return static_cast<Action>(2 * static_cast<int>(c) + 1);
}

}  // namespace gorvo::replay
