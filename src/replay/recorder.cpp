#include "replay/recorder.h"

#include <algorithm>

namespace gorvo::replay {

Header start_header(std::uint64_t seed, const GameState& s) {
    Header h;
    h.seed = seed;
    h.hiscore_a = s.hiscore_a;
    h.hiscore_b = s.hiscore_b;
    h.overlay = s.ctrlr_overlay;
    return h;
}

Recorder::Recorder(const Handheld& hh, Header header) : hh_(hh) {
    script_.header = std::move(header);
    script_.header.format = kFormatVersion;
}

void Recorder::input(const ScriptEvent& e) {
    script_.events.push_back(e);
    script_.events.back().line = 0;
    input_running_ = true;
}

void Recorder::clock_read(Millis t, LocalTime reading) {
    const int minutes = reading.hour * 60 + reading.minute;
    if (minutes == last_clock_) return;
    last_clock_ = minutes;
    ScriptEvent e{t, Action::clock, 0, minutes};
    std::vector<ScriptEvent>& events = script_.events;
    // The input that read the clock runs after the reading is set.
    const auto at = input_running_ ? events.end() - 1 : events.end();
    events.insert(at, e);
}

void Recorder::instant_done(Millis t) {
    const std::optional<FinishedGame> game = watch_.after_instant(t, hh_.state());
    if (!game) return;
    games_.push_back(*game);
    ScriptEvent note{t, Action::game_over, 0, game->score, game->game};
    script_.events.push_back(note);
    if (game_over_) game_over_(*game);
}

std::string Recorder::text(Millis end_time) const {
    Script copy = script_;
    if (!copy.events.empty()) end_time = std::max(end_time, copy.events.back().time);
    copy.end_time = end_time;
    return write_script(copy);
}

LocalTime RecordingClock::now() {
    const LocalTime reading = real_.now();
    if (recorder_ != nullptr) recorder_->clock_read(timers_->now(), reading);
    return reading;
}

}  // namespace gorvo::replay
