// Fakes of the handheld's ports for tests: they record what the game asked for.
#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/handheld.h"
#include "core/ports.h"

namespace gorvo::test {

class RecordingSound : public SoundOutput {
  public:
    // "Key", "Step", ... and "silence", in the order asked for.
    std::vector<std::string> events;
    void play(Sound s) override { events.emplace_back(sound_name(s)); }
    void silence() override { events.emplace_back("silence"); }
    int count(const std::string& what) const;
};

class MemorySettings : public SettingsStore {
  public:
    std::map<std::string, std::string> values;  // as stored: text
    std::vector<std::string> writes;            // "HiScore1=50", in order
    int read_int(std::string_view name, int default_value) override;
    bool read_bool(std::string_view name, bool default_value) override;
    void write_int(std::string_view name, int value) override;
    void write_bool(std::string_view name, bool value) override;
};

class FixedClock : public WallClock {
  public:
    LocalTime time{12, 0};
    LocalTime now() override { return time; }
};

// Draws from a list, each taken modulo n; past the end it repeats the last value (0 if empty).
class ScriptedRandom : public RandomSource {
  public:
    std::vector<int> values;
    std::size_t next = 0;
    std::vector<int> asked;  // the n of every draw, in order
    int draw(int n) override;
};

class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    int draw(int n) override;

  private:
    std::mt19937_64 engine_;
};

// A handheld with fakes, for scenario tests.
struct Rig {
    RecordingSound sound;
    MemorySettings settings;
    FixedClock clock;
    ScriptedRandom random;
    Handheld hh{sound, settings, clock, random};

    GameState& s() { return hh.s_; }
    // Advances virtual time by ms, running every timer due on the way.
    void wait(Millis ms) { hh.run_until(hh.timers().now() + ms); }
    bool lit(ImageId id) const { return hh.images().visible(id); }
    bool tobo_lit(int col, int row) const { return lit(hh.images().tobo_image(col, row)); }
};

}  // namespace gorvo::test
