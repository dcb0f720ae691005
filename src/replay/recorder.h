// The recording of a session: what the engine read from the world, with the engine time it read
// it at. The header carries the start-up values (seed, stored high scores, overlay setting), the
// events every input, every change of the wall-clock reading the engine saw and, as notes, every
// game that ended. Its text is a script that the simulator replays to the same trace.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/handheld.h"
#include "replay/game_watch.h"
#include "replay/script.h"
#include "replay/session_listener.h"

namespace gorvo::replay {

// The header of a session that starts now: the seed and what the handheld read from the
// settings store (the high scores and the overlay setting).
Header start_header(std::uint64_t seed, const GameState& s);

class Recorder final : public SessionListener {
  public:
    using GameOver = std::function<void(const FinishedGame&)>;

    // `header` holds the start-up values; the format line is added. The handheld is looked at
    // after every instant for games that end.
    Recorder(const Handheld& hh, Header header);

    // Told once a game ends, after its note is taken (from inside the instant: the caller defers
    // any slow work).
    void set_game_over(GameOver handler) { game_over_ = std::move(handler); }

    void input(const ScriptEvent& e) override;
    void input_done() override { input_running_ = false; }
    void instant_done(Millis t) override;
    // The engine read the wall clock at t: a reading that differs from the last one is noted,
    // before the input that read it.
    void clock_read(Millis t, LocalTime reading);

    const std::vector<FinishedGame>& games() const { return games_; }
    // The script so far, ending at `end_time` (never before its last event).
    std::string text(Millis end_time) const;

  private:
    const Handheld& hh_;
    Script script_;
    GameWatch watch_;
    std::vector<FinishedGame> games_;
    GameOver game_over_;
    bool input_running_ = false;
    int last_clock_ = -1;  // minutes after midnight of the last reading noted
};

// The wall clock the game reads: the real one, each reading told to the recorder with the
// engine time once a recording is attached.
class RecordingClock final : public WallClock {
  public:
    explicit RecordingClock(WallClock& real) : real_(real) {}
    void attach(Recorder& recorder, const Scheduler& timers) {
        recorder_ = &recorder;
        timers_ = &timers;
    }
    LocalTime now() override;

  private:
    WallClock& real_;
    Recorder* recorder_ = nullptr;
    const Scheduler* timers_ = nullptr;
};

}  // namespace gorvo::replay
