#include "ui/engine_driver.h"

#include <QElapsedTimer>
#include <algorithm>
#include <memory>

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

void EngineDriver::catch_up() {
    Millis now = real_now();
    const std::optional<Millis> due = handheld_.timers().next_due();
    if (due && now - *due > kLongestLateness) {
        paused_for_ += now - *due;
        now = *due;
    }
    handheld_.run_until(now);
}

void EngineDriver::on_timeout() {
    probes::timer_fired();
    catch_up();
    // A step set to 1 ms is due one millisecond after the engine's clock; it runs now rather
    // than after a real wait, which would leave the engine's clock behind by the wait's slack.
    const std::optional<Millis> due = handheld_.timers().next_due();
    if (due && *due <= handheld_.timers().now() + 1) handheld_.run_until(*due);
    emit ran();
    reschedule();
}

void EngineDriver::reschedule() {
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

std::optional<int> EngineDriver::armed_delay() const {
    if (!timer_.isActive()) return std::nullopt;
    return armed_delay_;
}

}  // namespace gorvo::ui
