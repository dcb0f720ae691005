// Runs the handheld's timers in real time. One precise single-shot timer is armed for the next
// due time of the engine's scheduler and nothing else wakes the process: with no game timer
// enabled (a closed case, all segments, the alarm view) the timer is stopped, and in the game-
// over mode only the five-minute step is waited for. A timer set to 1 ms means "as soon as
// possible after the current handler": its step runs on the next pass of the event loop.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "core/handheld.h"

namespace gorvo::ui {

class EngineDriver : public QObject {
    Q_OBJECT
  public:
    using RealClock = std::function<Millis()>;  // milliseconds, never going back

    // With no clock given, a monotonic clock started now.
    explicit EngineDriver(Handheld& handheld, RealClock clock = {}, QObject* parent = nullptr);

    // Brings the engine up to real time, running whatever fell due; called before every input
    // action so that timers started by it count from the moment of the input.
    void catch_up();
    // Arms the timer for the next due time, or stops it when nothing is scheduled. Called after
    // every input action.
    void reschedule();

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
    void on_timeout();

    Handheld& handheld_;
    RealClock clock_;
    Millis paused_for_ = 0;  // real time the engine did not see
    QTimer timer_;
    int armed_delay_ = 0;
};

}  // namespace gorvo::ui
