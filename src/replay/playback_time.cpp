#include "replay/playback_time.h"

#include "replay/generator.h"
#include "replay/player.h"
#include "replay/script_settings.h"

namespace gorvo::replay {

namespace {

class NoSound final : public SoundOutput {
  public:
    void play(Sound) override {}
    void silence() override {}
};

}  // namespace

std::vector<Millis> lcd_change_times(const Script& script) {
    NoSound sound;
    ScriptSettings settings(script.header);
    ScriptClock clock(script.header.clock_minutes.value_or(0));
    Generator random(script.header.seed.value_or(0));
    Handheld hh(sound, settings, clock, random);
    clock.attach(hh.timers());
    hh.load_settings();
    hh.enter_closed_case();
    hh.images().take_changes();
    std::vector<Millis> changes;
    Player player(hh, clock, script.events);
    player.run_to(script.end_time, [&](Millis t) {
        if (!hh.images().take_changes().empty()) changes.push_back(t);
    });
    return changes;
}

PlaybackTime::PlaybackTime(const std::vector<Millis>& changes, Millis end) : end_(end) {
    Millis last = 0;
    auto still = [this](Millis from, Millis to) {
        if (to - from <= kLongestStill) return;
        jumps_.push_back({from + kStillKept / 2, to - from - kStillKept});
    };
    for (const Millis t : changes) {
        still(last, t);
        last = t;
    }
    still(last, end);
}

Millis PlaybackTime::engine_at(Millis p) const {
    Millis e = p;
    for (const Jump& j : jumps_) {
        if (e < j.from) break;
        e += j.length;
    }
    return e;
}

Millis PlaybackTime::playback_at(Millis e) const {
    Millis skipped = 0;
    for (const Jump& j : jumps_) {
        if (e <= j.from) break;
        if (e < j.from + j.length) return j.from - skipped;
        skipped += j.length;
    }
    return e - skipped;
}

}  // namespace gorvo::replay
