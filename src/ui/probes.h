// Measurement points for the benchmarks. With GORVO_PROBE_FILE naming a file, the program writes
// one line per event to it:
//   timer <t> <late>   the engine's timer fired <late> ms after the moment it was armed for
//   input <t> <delay>  the first paint after a bound key came <delay> ms after the key event
// <t> is the steady clock (CLOCK_MONOTONIC) in milliseconds at the event, so that a reader can
// tell apart the phases of a run; all figures have microsecond precision. Without the variable
// each call costs one test of a flag. Everything runs on the user-interface thread.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace gorvo::ui::probes {

namespace detail {

using Clock = std::chrono::steady_clock;

inline double ms_between(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

inline double ms_of(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(t.time_since_epoch()).count();
}

class Recorder {
  public:
    Recorder() {
        const char* path = std::getenv("GORVO_PROBE_FILE");
        if (path != nullptr && *path != '\0') file_ = std::fopen(path, "w");
    }
    ~Recorder() {
        if (file_ != nullptr) std::fclose(file_);
    }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    bool on() const { return file_ != nullptr; }

    void timer_armed(int delay_ms) {
        timer_due_ = Clock::now() + std::chrono::milliseconds(delay_ms);
        timer_armed_ = true;
    }
    void timer_fired() {
        if (!timer_armed_) return;
        timer_armed_ = false;
        const Clock::time_point now = Clock::now();
        write("timer", now, ms_between(timer_due_, now));
    }
    void key_event() {
        // Several keys before one paint: the oldest one waited longest.
        if (key_pending_) return;
        key_at_ = Clock::now();
        key_pending_ = true;
    }
    void painted() {
        if (!key_pending_) return;
        key_pending_ = false;
        const Clock::time_point now = Clock::now();
        write("input", now, ms_between(key_at_, now));
    }

  private:
    void write(const char* what, Clock::time_point at, double figure) {
        // Flushed at once: a benchmark may end the program with a signal.
        std::fprintf(file_, "%s %.3f %.3f\n", what, ms_of(at), figure);
        std::fflush(file_);
    }

    std::FILE* file_ = nullptr;
    Clock::time_point timer_due_{};
    bool timer_armed_ = false;
    Clock::time_point key_at_{};
    bool key_pending_ = false;
};

inline Recorder& recorder() {
    static Recorder instance;
    return instance;
}

}  // namespace detail

// The engine's timer was started with a wait of `delay_ms` (the latest start counts).
inline void timer_armed(int delay_ms) {
    if (detail::recorder().on()) detail::recorder().timer_armed(delay_ms);
}
// The engine's timer fired; call first thing in its handler.
inline void timer_fired() {
    if (detail::recorder().on()) detail::recorder().timer_fired();
}
// A key that acts on the handheld arrived; call before it is acted on.
inline void key_event() {
    if (detail::recorder().on()) detail::recorder().key_event();
}
// The main window has painted; call at the end of its paint handler.
inline void painted() {
    if (detail::recorder().on()) detail::recorder().painted();
}

}  // namespace gorvo::ui::probes
