// The duplicate check of the key settings window: which slots share their key with another.
#pragma once

#include <array>

#include "core/handheld.h"

namespace gorvo::ui {

using KeyChoices = std::array<int, kControlCount>;  // slot k is element k - 1
using SlotFlags = std::array<bool, kControlCount>;

struct KeyClashes {
    SlotFlags clashing{};  // every slot whose key another slot also has
    bool any = false;
};

// Compares every ordered pair of different slots, so both slots of a pair are marked.
KeyClashes find_key_clashes(const KeyChoices& choices);

}  // namespace gorvo::ui
