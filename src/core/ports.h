// What the handheld needs from the outside world. The caller implements these: the real
// program over SDL, QSettings and the system clock; tests and the simulator with fakes.
#pragma once

#include <string_view>

namespace gorvo {

// In the order of the sample table (load and free order).
enum class Sound { Chain, Chance, Enemy_1, Enemy_2, Gameover, Jump, Key, Miss, Safe, Step };
constexpr int kSoundCount = 10;
std::string_view sound_name(Sound s);  // "Chain" ... "Step"

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    virtual void play(Sound sound) = 0;  // on any free channel, without stopping others
    virtual void silence() = 0;          // stop everything that sounds
};

// The per-user settings store. Value names as the game spells them ("HiScore1", "Key5", ...).
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual int read_int(std::string_view name, int default_value) = 0;
    virtual bool read_bool(std::string_view name, bool default_value) = 0;
    virtual void write_int(std::string_view name, int value) = 0;
    virtual void write_bool(std::string_view name, bool value) = 0;
};

struct LocalTime {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
};

class WallClock {
  public:
    virtual ~WallClock() = default;
    virtual LocalTime now() = 0;
};

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual int draw(int n) = 0;  // uniform in 0..n-1
};

}  // namespace gorvo
