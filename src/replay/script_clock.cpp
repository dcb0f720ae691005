#include "replay/script_clock.h"

namespace gorvo::replay {

LocalTime ScriptClock::now() {
    constexpr Millis kMinute = 60'000;
    constexpr Millis kDay = 24 * 60;
    int minutes = 0;
    if (held_) {
        minutes = *held_;
    } else {
        const Millis elapsed = timers_ == nullptr ? 0 : timers_->now() / kMinute;
        minutes = static_cast<int>((start_minutes_ + elapsed) % kDay);
    }
    return LocalTime{minutes / 60, minutes % 60};
}

}  // namespace gorvo::replay
