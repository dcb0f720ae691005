#include "ui/gamepad_bridge.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
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
    watch_devices();
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

// A system with no input device at all may not have the folder yet: its parent is watched
// until the folder appears.
void GamepadBridge::watch_devices() {
    device_folder_ = QString::fromStdString(source_->device_folder());
    if (device_folder_.isEmpty()) return;
    watching_ = devices_.addPath(device_folder_) ||
                devices_.addPath(QFileInfo(device_folder_).absolutePath());
    if (watching_) {
        connect(&devices_, &QFileSystemWatcher::directoryChanged, this,
                &GamepadBridge::devices_changed);
    }
}

void GamepadBridge::devices_changed() {
    if (!devices_.directories().contains(device_folder_) && QFileInfo(device_folder_).isDir())
        devices_.addPath(device_folder_);
    settle_polls_left_ = kSettlePolls;
    poll();
}

void GamepadBridge::pace() {
    int wait = kPlugPollMs;
    Qt::TimerType type = Qt::CoarseTimer;
    if (source_->open_count() > 0) {
        wait = kPadPollMs;
        type = Qt::PreciseTimer;
    } else if (settle_polls_left_ > 0) {
        --settle_polls_left_;
        wait = kSettlePollMs;
    } else if (watching_) {
        timer_.stop();
        return;
    }
    timer_.setTimerType(type);
    if (!timer_.isActive() || timer_.interval() != wait) timer_.start(wait);
}

}  // namespace gorvo::ui
