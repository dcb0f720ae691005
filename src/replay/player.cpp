#include "replay/player.h"

#include "replay/actions.h"

namespace gorvo::replay {

Player::Player(Handheld& hh, ScriptClock& clock, std::vector<ScriptEvent> events)
    : hh_(hh), clock_(clock), events_(std::move(events)) {}

std::optional<Millis> Player::next_event_time() const {
    if (next_ >= events_.size()) return std::nullopt;
    return events_[next_].time;
}

void Player::run_timers_to(Millis t, const InstantDone& done) {
    Scheduler& timers = hh_.timers();
    for (auto due = timers.next_due(); due && *due <= t; due = timers.next_due()) {
        hh_.run_until(*due);
        done(*due);
    }
    timers.advance_to(t);
}

void Player::run_to(Millis t, const InstantDone& done) {
    while (next_ < events_.size() && events_[next_].time <= t) {
        const Millis at = events_[next_].time;
        run_timers_to(at - 1, done);
        hh_.timers().advance_to(at);
        for (; next_ < events_.size() && events_[next_].time == at; ++next_) {
            const ScriptEvent& e = events_[next_];
            if (e.action == Action::clock) {
                clock_.hold(e.value);
            } else {
                apply_action(hh_, e);
            }
        }
        hh_.run_until(at);
        done(at);
    }
    run_timers_to(t, done);
}

}  // namespace gorvo::replay
