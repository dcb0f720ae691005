// Brings pad input into the program's event loop. While a pad is open its events are fetched
// every 8 ms by a precise timer. While none is, the program does not wake up for pads at all:
// the source's device folder is watched, and only when its entries change is the source looked
// at a few times, until the new device is ready (or once a second where no folder can be
// watched). Pad input acts only while the given window is the active
// window and no popup menu is open, like its keys; when that stops, whatever the pads hold is
// let go, so no control stays pressed behind the player's back.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "platform/gamepad_mapper.h"
#include "platform/gamepad_source.h"

namespace gorvo::ui {

class GamepadBridge : public QObject {
    Q_OBJECT
  public:
    static constexpr int kPadPollMs = 8;
    static constexpr int kPlugPollMs = 1000;
    // After a change in the device folder: the system needs a moment to set the device up.
    static constexpr int kSettlePollMs = 250;
    static constexpr int kSettlePolls = 12;

    // `action` is called for every press and release, as a key of `window` would cause them.
    GamepadBridge(std::unique_ptr<platform::ControllerSource> source, QWidget* window,
                  platform::GamepadMapper::Action action, QObject* parent = nullptr);

    // Fetches and acts on what the pads reported; the timer calls this.
    void poll();

    // The timer's wait; nothing when pads cannot be used at all, or while none is open and the
    // device folder is watched instead.
    std::optional<int> poll_interval() const;
    const platform::GamepadMapper& mapper() const { return mapper_; }

  signals:
    // A player used a pad while the window was active.
    void pad_used();
    // The last open pad was unplugged.
    void pads_gone();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool window_active() const;
    void deactivated();
    void pace();
    void watch_devices();
    void devices_changed();

    std::unique_ptr<platform::ControllerSource> source_;
    QPointer<QWidget> window_;
    platform::GamepadMapper mapper_;
    QTimer timer_;
    QFileSystemWatcher devices_;
    QString device_folder_;
    bool watching_ = false;
    int settle_polls_left_ = 0;
    std::vector<platform::PadEvent> events_;
};

}  // namespace gorvo::ui
