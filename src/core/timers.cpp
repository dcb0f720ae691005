#include "core/timers.h"

namespace gorvo {

std::string_view timer_name(TimerId id) {
    static constexpr std::string_view names[kTimerCount] = {
        "Timer_Bonus_Chance", "Timer_Bonus_Complete", "Timer_Bonus_Lock", "Timer_Clock",
        "Timer_Game",         "Timer_Game_Over",      "Timer_Game_Start", "Timer_Tobo_Jump",
        "Timer_Tobo_Move",    "Timer_Key_Blink",      "Timer_Key_Move",   "Timer_Miss",
        "Timer_Score_Blink",  "Timer_Spark_Blink"};
    return names[static_cast<int>(id)];
}

Scheduler::Scheduler() = default;

void Scheduler::start_wait(Timer& t) {
    t.due = now_ + t.interval;
    t.wait_stamp = next_stamp_++;
}

void Scheduler::set_interval(TimerId id, int ms) {
    Timer& t = timer(id);
    t.interval = ms < 1 ? 1 : ms;
    if (t.enabled) start_wait(t);
}

void Scheduler::enable(TimerId id) {
    Timer& t = timer(id);
    if (t.enabled) return;
    t.enabled = true;
    start_wait(t);
}

void Scheduler::disable(TimerId id) {
    timer(id).enabled = false;
}

std::optional<Millis> Scheduler::next_due() const {
    std::optional<Millis> best;
    for (const Timer& t : timers_) {
        if (t.enabled && (!best || t.due < *best)) best = t.due;
    }
    return best;
}

void Scheduler::advance_to(Millis t) {
    if (t > now_) now_ = t;
}

std::optional<TimerId> Scheduler::pop_due(Millis until) {
    int best = -1;
    for (int i = 0; i < kTimerCount; ++i) {
        const Timer& t = timers_[i];
        if (!t.enabled || t.due > until) continue;
        if (best < 0 || t.due < timers_[best].due ||
            (t.due == timers_[best].due && t.wait_stamp < timers_[best].wait_stamp)) {
            best = i;
        }
    }
    if (best < 0) return std::nullopt;
    Timer& t = timers_[best];
    advance_to(t.due);
    // While its handler runs the timer has no pending wait; a handler that sets the interval
    // or disables and enables it starts a new one.
    firing_ = static_cast<TimerId>(best);
    firing_stamp_ = t.wait_stamp;
    return firing_;
}

void Scheduler::after_fire(TimerId id) {
    Timer& t = timer(id);
    firing_.reset();
    if (!t.enabled || t.wait_stamp != firing_stamp_) return;
    // Still enabled and not restarted by its handler: the next wait starts now, one interval
    // after the moment it fired.
    start_wait(t);
}

}  // namespace gorvo
