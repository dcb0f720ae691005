// Measurement points for the benchmarks. With GORVO_PROBE_FILE naming a file, the program writes
// one line per event to it:
//   timer <t> <late>   the engine's timer fired <late> ms after the moment it was armed for
//   input <t> <delay>  the paint that shows what a bound key changed came <delay> ms after the
//                      key event (a key that changed nothing is not counted)
//   action <t> <n> <what>  a bound key or an on-screen button ran the press ("down"), a further
//                      press of a key still held ("repeat") or the release ("up") of control <n>
//                      (1..9, in the order of Key1..Key9)
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
        if (key_ != Key::None) return;
        key_at_ = Clock::now();
        key_ = Key::Acting;
    }
    void changes_taken(bool any) {
        if (key_ == Key::Acting) key_ = any ? Key::ToBeShown : Key::None;
    }
    void painted() {
        if (key_ != Key::ToBeShown) return;
        key_ = Key::None;
        const Clock::time_point now = Clock::now();
        write("input", now, ms_between(key_at_, now));
    }

    void action(int control, const char* what) {
        std::fprintf(file_, "action %.3f %d %s\n", ms_of(Clock::now()), control, what);
        std::fflush(file_);
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
    // A key is acted on, then what it changed is taken for repainting, then painted.
    enum class Key { None, Acting, ToBeShown };
    Clock::time_point key_at_{};
    Key key_ = Key::None;
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
// The window took the handheld's changes for repainting (`any`: there were some); call where
// they are taken. The first call after a key tells whether that key is to be seen at all.
inline void changes_taken(bool any) {
    if (detail::recorder().on()) detail::recorder().changes_taken(any);
}
// An input action is run for control `control` (1..9): `what` is "down", "repeat" or "up".
inline void action(int control, const char* what) {
    if (detail::recorder().on()) detail::recorder().action(control, what);
}
// The main window has painted; call at the end of its paint handler.
inline void painted() {
    if (detail::recorder().on()) detail::recorder().painted();
}

}  // namespace gorvo::ui::probes
