#include "platform/screensaver_inhibitor.h"

#include <QElapsedTimer>
#include <utility>

#include "platform/screensaver_dbus.h"

namespace gorvo::platform {

namespace {

ScreensaverInhibitor::Clock monotonic_clock() {
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    return [started] { return static_cast<Millis>(started->elapsed()); };
}

}  // namespace

ScreensaverInhibitor::ScreensaverInhibitor(GameRunning game_running,
                                           std::unique_ptr<ScreensaverService> service, Clock clock,
                                           QObject* parent)
    : QObject(parent),
      game_running_(std::move(game_running)),
      clock_(clock ? std::move(clock) : monotonic_clock()),
      service_(service ? std::move(service) : std::make_unique<DBusScreensaver>()),
      policy_(*service_) {
    timer_.setInterval(kReviewEveryMs);
    connect(&timer_, &QTimer::timeout, this, &ScreensaverInhibitor::review);
}

ScreensaverInhibitor::~ScreensaverInhibitor() {
    policy_.release();
}

void ScreensaverInhibitor::pad_used() {
    policy_.pad_used(now());
    review();
}

void ScreensaverInhibitor::pads_gone() {
    policy_.pads_gone();
    review();
}

void ScreensaverInhibitor::review() {
    const Millis t = now();
    policy_.review(game_running_(), t);
    if (!policy_.needs_review(t)) {
        timer_.stop();
    } else if (!timer_.isActive()) {
        timer_.start();
    }
}

}  // namespace gorvo::platform
