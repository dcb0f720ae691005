#include "core/ports.h"

namespace gorvo {

std::string_view sound_name(Sound s) {
    static constexpr std::string_view names[kSoundCount] = {
        "Chain", "Chance", "Enemy_1", "Enemy_2", "Gameover", "Jump", "Key", "Miss", "Safe", "Step"};
    return names[static_cast<int>(s)];
}

}  // namespace gorvo
