// The sound-driver list of the start window. The list position is the value stored under
// SoundMode, so the stored choice keeps its meaning across platforms and versions.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "platform/sound_library.h"

namespace gorvo::platform {

struct SoundDriver {
    int sound_mode;                      // list position = stored SoundMode
    std::string_view text;               // as the list shows it
    std::optional<SoundBackend> output;  // none: the game runs without sound
};

// The three entries in list order.
std::span<const SoundDriver> sound_drivers();
// The entry for a stored SoundMode; nullptr for -1 (none chosen yet) or any other value.
const SoundDriver* sound_driver_for_mode(int sound_mode);

}  // namespace gorvo::platform
