// Runs the handheld's timers in real time. One precise single-shot timer is armed for the next
// due time of the engine's scheduler and nothing else wakes the process: with no game timer
// enabled (a closed case, all segments, the alarm view) the timer is stopped, and in the game-
// over mode only the five-minute step is waited for. A timer set to 1 ms means "as soon as
// possible after the current handler": its step runs on the next pass of the event loop.
//
// Inputs and timers keep the order of every other run of the engine (the simulator, a
// replayed recording): at one engine time the inputs run first, then the timers due then. An
// input that arrives after the timers of its millisecond have run runs one millisecond later.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "core/handheld.h"
#include "replay/playback_time.h"
#include "replay/player.h"
#include "replay/script.h"
#include "replay/script_clock.h"
#include "replay/session_listener.h"

namespace gorvo::ui {

class EngineDriver : public QObject {
    Q_OBJECT
  public:
    using RealClock = std::function<Millis()>;  // milliseconds, never going back

    // With no clock given, a monotonic clock started now.
    explicit EngineDriver(Handheld& handheld, RealClock clock = {}, QObject* parent = nullptr);

    // Told of every input and every instant from now on; null for nobody.
    void set_listener(replay::SessionListener* listener) { listener_ = listener; }

    // The session starts: the engine's time is 0 now.
    void start_session();

    // Brings the engine up to the time of an input arriving now, running whatever fell due
    // before it, so that timers started by the input count from it; returns that time.
    Millis catch_up();
    // Runs one input at the engine's time, as the listener is told. Follows catch_up().
    void perform(const replay::ScriptEvent& input);
    // Arms the timer for the next due time, or stops it when nothing is scheduled. Called after
    // every input action.
    void reschedule();
    // Ends the instant of the last input, if it is still open (the listener hears of it).
    void close_instant();

    // From the session's start on, the engine plays a recording instead of the player's inputs:
    // its events at their times, on the recording's wall clock (the handheld's), `speed` times
    // as fast, with still stretches shortened. Ends at the recording's end.
    void play(const replay::Script& script, replay::ScriptClock& clock, int speed);
    bool playing() const { return player_ != nullptr; }
    // Where the playback is, in engine time.
    Millis playback_position() const { return handheld_.timers().now(); }

    // The wait the timer is armed with, nothing while it is stopped.
    std::optional<int> armed_delay() const;
    // Runs what the armed timer would run, as if it had expired now.
    void expire_now() { on_timeout(); }

    // A wait that falls behind by more than this (a suspended machine, a stalled desktop) is
    // taken as a pause of the whole game instead of a burst of every missed tick.
    static constexpr Millis kLongestLateness = 250;

  signals:
    // Timers ran: the picture may have changed.
    void ran();

  private:
    Millis real_now() const;
    // Real time, with a stall beyond the longest lateness taken out.
    Millis engine_target();
    // Runs every timer due at or before t, one instant at a time, and the open instant if it
    // is at or before t; leaves the engine's clock at t.
    void run_through(Millis t);
    void instant_done(Millis t);
    void on_timeout();
    void play_on();
    void reschedule_playback();
    Millis playback_now() const { return real_now() * speed_; }

    Handheld& handheld_;
    RealClock clock_;
    replay::SessionListener* listener_ = nullptr;
    Millis paused_for_ = 0;       // real time the engine did not see
    Millis closed_ = -1;          // every instant up to this one is done
    std::optional<Millis> open_;  // the instant of inputs whose timers have not run yet
    std::unique_ptr<replay::Player> player_;
    std::unique_ptr<replay::PlaybackTime> playback_;
    Millis end_ = 0;
    int speed_ = 1;
    QTimer timer_;
    int armed_delay_ = 0;
};

}  // namespace gorvo::ui
