#include "ui/engine_driver.h"

#include <QElapsedTimer>
#include <algorithm>
#include <memory>

#include "replay/actions.h"
#include "ui/probes.h"

namespace gorvo::ui {

namespace {

EngineDriver::RealClock monotonic_clock() {
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    return [started] { return static_cast<Millis>(started->elapsed()); };
}

}  // namespace

EngineDriver::EngineDriver(Handheld& handheld, RealClock clock, QObject* parent)
    : QObject(parent), handheld_(handheld), clock_(clock ? std::move(clock) : monotonic_clock()) {
    timer_.setSingleShot(true);
    // The coarse default lets a wait drift by up to 5 %: the game's speed depends on these.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &EngineDriver::on_timeout);
}

Millis EngineDriver::real_now() const {
    return clock_() - paused_for_;
}

void EngineDriver::start_session() {
    paused_for_ = clock_() - handheld_.timers().now();
}

Millis EngineDriver::engine_target() {
    Millis now = real_now();
    const std::optional<Millis> due = handheld_.timers().next_due();
    if (due && now - *due > kLongestLateness) {
        paused_for_ += now - *due;
        now = *due;
    }
    return now;
}

void EngineDriver::instant_done(Millis t) {
    closed_ = std::max(closed_, t);
    if (open_ && *open_ <= t) open_.reset();
    if (listener_ != nullptr) listener_->instant_done(t);
}

void EngineDriver::close_instant() {
    if (open_) instant_done(*open_);
}

void EngineDriver::run_through(Millis t) {
    Scheduler& timers = handheld_.timers();
    for (auto due = timers.next_due(); due && *due <= t; due = timers.next_due()) {
        if (open_ && *open_ < *due) close_instant();
        handheld_.run_until(*due);
        instant_done(*due);
    }
    if (open_ && *open_ <= t) close_instant();
    timers.advance_to(t);
}

Millis EngineDriver::catch_up() {
    if (player_) return handheld_.timers().now();  // the recording keeps the time
    Millis t = std::max(engine_target(), handheld_.timers().now());
    // The timers of this millisecond have run: the input is the next millisecond's.
    if (t <= closed_) t = closed_ + 1;
    run_through(t - 1);
    handheld_.timers().advance_to(t);
    open_ = t;
    return t;
}

void EngineDriver::perform(const replay::ScriptEvent& input) {
    replay::ScriptEvent e = input;
    e.time = handheld_.timers().now();
    if (listener_ != nullptr) listener_->input(e);
    replay::apply_action(handheld_, e);
    if (listener_ != nullptr) listener_->input_done();
}

void EngineDriver::on_timeout() {
    probes::timer_fired();
    if (player_) {
        play_on();
        return;
    }
    run_through(std::max(engine_target(), handheld_.timers().now()));
    // A step set to 1 ms is due one millisecond after the engine's clock; it runs now rather
    // than after a real wait, which would leave the engine's clock behind by the wait's slack.
    const std::optional<Millis> due = handheld_.timers().next_due();
    if (due && *due <= handheld_.timers().now() + 1) run_through(*due);
    emit ran();
    reschedule();
}

void EngineDriver::reschedule() {
    if (player_) {
        reschedule_playback();
        return;
    }
    const std::optional<Millis> due = handheld_.timers().next_due();
    if (!due) {
        timer_.stop();
        return;
    }
    Millis wait = *due - real_now();
    if (*due <= handheld_.timers().now() + 1) wait = 0;
    armed_delay_ = static_cast<int>(std::clamp<Millis>(wait, 0, 24LL * 60 * 60 * 1000));
    timer_.start(armed_delay_);
    probes::timer_armed(armed_delay_);
}

void EngineDriver::play(const replay::Script& script, replay::ScriptClock& clock, int speed) {
    speed_ = std::max(speed, 1);
    end_ = script.end_time;
    playback_ = std::make_unique<replay::PlaybackTime>(replay::lcd_change_times(script), end_);
    player_ = std::make_unique<replay::Player>(handheld_, clock, script.events);
    paused_for_ = clock_() - handheld_.timers().now() / speed_;
    play_on();
}

void EngineDriver::play_on() {
    const replay::Player::InstantDone nothing = [](Millis) {};
    const std::optional<Millis> next = player_->next_event_time();
    const std::optional<Millis> due = handheld_.timers().next_due();
    std::optional<Millis> step = next;
    if (due && (!step || *due < *step)) step = due;
    // A stall: the playback waits for the desktop, as a game does.
    if (step && *step <= end_) {
        const Millis behind = playback_now() - playback_->playback_at(*step);
        if (behind > kLongestLateness * speed_) paused_for_ += behind / speed_;
    }
    const Millis target = std::min(playback_->engine_at(playback_now()), end_);
    player_->run_to(std::max(target, handheld_.timers().now()), nothing);
    emit ran();
    reschedule_playback();
}

void EngineDriver::reschedule_playback() {
    const std::optional<Millis> next = player_->next_event_time();
    const std::optional<Millis> due = handheld_.timers().next_due();
    std::optional<Millis> step = next;
    if (due && (!step || *due < *step)) step = due;
    if (!step || *step > end_) {
        timer_.stop();
        return;
    }
    const Millis ahead = playback_->playback_at(*step) - playback_now();
    const Millis wait = ahead <= 0 ? 0 : (ahead + speed_ - 1) / speed_;
    armed_delay_ = static_cast<int>(std::clamp<Millis>(wait, 0, 24LL * 60 * 60 * 1000));
    timer_.start(armed_delay_);
}

std::optional<int> EngineDriver::armed_delay() const {
    if (!timer_.isActive()) return std::nullopt;
    return armed_delay_;
}

}  // namespace gorvo::ui
