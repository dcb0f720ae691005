// The values the program keeps in the per-user settings store: name, kind, default and the
// numbers the game accepts back. Every reader and writer of the store names them from here.
#pragma once

#include <array>
#include <climits>
#include <string_view>

#include "core/handheld.h"

namespace gorvo {

enum class StoredKind { Integer, Boolean };

struct StoredSetting {
    std::string_view name;
    StoredKind kind;
    int default_value;  // a boolean's is 0 or 1
    // A stored number outside lowest..highest, which the game never writes, reads as the
    // default, so a hand-edited store cannot put the game into a state it has no picture or key
    // for.
    int lowest = INT_MIN;
    int highest = INT_MAX;

    bool accepts(int value) const { return value >= lowest && value <= highest; }
};

namespace stored {

// Key1..Key9, in the order of Control: a choice of the key list (1..44). The defaults: Game A
// '1', Game B '2', Time '3', ACL '5', then the up, left, right and down arrows, and ctrl for jump.
inline constexpr std::array<StoredSetting, kControlCount> kKeys{{
    {"Key1", StoredKind::Integer, 2, 1, 44},
    {"Key2", StoredKind::Integer, 3, 1, 44},
    {"Key3", StoredKind::Integer, 4, 1, 44},
    {"Key4", StoredKind::Integer, 6, 1, 44},
    {"Key5", StoredKind::Integer, 37, 1, 44},
    {"Key6", StoredKind::Integer, 39, 1, 44},
    {"Key7", StoredKind::Integer, 40, 1, 44},
    {"Key8", StoredKind::Integer, 38, 1, 44},
    {"Key9", StoredKind::Integer, 42, 1, 44},
}};
// The high scores of Game A and Game B: the three digits of the panel.
inline constexpr StoredSetting kHiScore1{"HiScore1", StoredKind::Integer, 0, 0, 999};
inline constexpr StoredSetting kHiScore2{"HiScore2", StoredKind::Integer, 0, 0, 999};
// The sound output chosen in the splash window, -1 while none is: a number the driver list
// does not know also means none, so any number is taken as it stands.
inline constexpr StoredSetting kSoundMode{"SoundMode", StoredKind::Integer, -1};
inline constexpr StoredSetting kSplashScreen{"SplashScreen", StoredKind::Boolean, 1};
inline constexpr StoredSetting kFullscreenMode{"FullscreenMode", StoredKind::Boolean, 1};
inline constexpr StoredSetting kCtrlrOverlay{"CtrlrOverlay", StoredKind::Boolean, 1};

// The setting of that name (exact spelling), nullptr for a name the program does not store.
const StoredSetting* find(std::string_view name);

}  // namespace stored

}  // namespace gorvo
