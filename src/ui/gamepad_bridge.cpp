#include "ui/gamepad_bridge.h"

#include <QApplication>
#include <QEvent>
#include <cstdio>
#include <utility>

namespace gorvo::ui {

using platform::PadEvent;

GamepadBridge::GamepadBridge(std::unique_ptr<platform::ControllerSource> source, QWidget* window,
                             platform::GamepadMapper::Action action, QObject* parent)
    : QObject(parent), source_(std::move(source)), window_(window), mapper_(std::move(action)) {
    if (!source_->available()) {
        std::fprintf(stderr, "Gorvo250: gamepads cannot be used (%s).\n",
                     source_->reason().c_str());
        return;
    }
    if (window_) window_->installEventFilter(this);
    connect(&timer_, &QTimer::timeout, this, &GamepadBridge::poll);
    poll();  // pads already plugged in are opened now, not a second later
}

std::optional<int> GamepadBridge::poll_interval() const {
    if (!timer_.isActive()) return std::nullopt;
    return timer_.interval();
}

void GamepadBridge::poll() {
    const bool had_pads = source_->open_count() > 0;
    events_.clear();
    source_->poll(events_);
    const bool active = window_active();
    if (!active) mapper_.release_all();
    bool used = false;
    for (const PadEvent& event : events_) {
        // Pads come and go while the window is in the background too; the rest of their
        // input belongs to whatever window the player is using.
        if (active || event.type == PadEvent::Type::Removed) used |= mapper_.handle(event);
    }
    pace();
    if (used) emit pad_used();
    if (had_pads && source_->open_count() == 0) emit pads_gone();
}

// An open popup (the context menu) takes the keys from the window; it takes the pads too.
bool GamepadBridge::window_active() const {
    return window_ && window_->isVisible() && window_->isActiveWindow() &&
           QApplication::activePopupWidget() == nullptr;
}

bool GamepadBridge::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ &&
        (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide)) {
        deactivated();
    }
    return QObject::eventFilter(watched, event);
}

void GamepadBridge::deactivated() {
    mapper_.release_all();
}

void GamepadBridge::pace() {
    if (source_->open_count() > 0) {
        timer_.setTimerType(Qt::PreciseTimer);
        if (!timer_.isActive() || timer_.interval() != kPadPollMs) timer_.start(kPadPollMs);
    } else {
        timer_.setTimerType(Qt::CoarseTimer);
        if (!timer_.isActive() || timer_.interval() != kPlugPollMs) timer_.start(kPlugPollMs);
    }
}

}  // namespace gorvo::ui
