// The fourteen game timers and the deterministic scheduler that drives them on integer
// milliseconds. The window drives it from one precise timer, tests and the simulator directly.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace gorvo {

// Declaration order: Gam_Stop_All_Timers disables them in this order.
enum class TimerId : int {
    Timer_Bonus_Chance,
    Timer_Bonus_Complete,
    Timer_Bonus_Lock,
    Timer_Clock,
    Timer_Game,
    Timer_Game_Over,
    Timer_Game_Start,
    Timer_Tobo_Jump,
    Timer_Tobo_Move,
    Timer_Key_Blink,
    Timer_Key_Move,
    Timer_Miss,
    Timer_Score_Blink,
    Timer_Spark_Blink,
};
constexpr int kTimerCount = 14;

std::string_view timer_name(TimerId id);

using Millis = std::int64_t;

// Periodic timers with the semantics of the game's user-interface timers:
// - enabling a disabled timer starts its wait (due at now + interval);
// - setting the interval of an enabled timer restarts its wait, even with the same value;
//   setting it on a disabled timer only stores it; enabling an enabled timer changes nothing;
// - a timer that fired and is still enabled after its handler, without the handler having
//   restarted its wait, is next due one interval after it fired; that wait starts when the
//   handler returns;
// - at equal due times, the wait that started first runs first.
class Scheduler {
  public:
    Scheduler();

    Millis now() const { return now_; }

    void set_interval(TimerId id, int ms);
    void enable(TimerId id);
    void disable(TimerId id);
    bool enabled(TimerId id) const { return timer(id).enabled; }
    int interval(TimerId id) const { return timer(id).interval; }

    // The earliest due time of any enabled timer.
    std::optional<Millis> next_due() const;

    // Moves the clock forward (never back) without running anything.
    void advance_to(Millis t);

    // Runs, one at a time in order, every timer due at or before `until` (including those that
    // become due while running), then leaves the clock at `until`. `fire(id)` runs the handler.
    template <typename Fire>
    void run_until(Millis until, Fire&& fire) {
        while (auto next = pop_due(until)) {
            fire(*next);
            after_fire(*next);
        }
        advance_to(until);
    }

    // Runs exactly one due timer (due <= until), if any; returns whether one ran.
    template <typename Fire>
    bool run_one(Millis until, Fire&& fire) {
        auto next = pop_due(until);
        if (!next) return false;
        fire(*next);
        after_fire(*next);
        return true;
    }

  private:
    struct Timer {
        int interval = 1;
        bool enabled = false;
        Millis due = 0;
        std::uint64_t wait_stamp = 0;  // order in which the current wait started
    };
    Timer& timer(TimerId id) { return timers_[static_cast<int>(id)]; }
    const Timer& timer(TimerId id) const { return timers_[static_cast<int>(id)]; }
    void start_wait(Timer& t);
    std::optional<TimerId> pop_due(Millis until);
    void after_fire(TimerId id);

    std::array<Timer, kTimerCount> timers_{};
    Millis now_ = 0;
    std::uint64_t next_stamp_ = 1;
    // The timer whose handler is running and the stamp its wait had when it fired.
    std::optional<TimerId> firing_;
    std::uint64_t firing_stamp_ = 0;
};

}  // namespace gorvo
