// Keeps the desktop's screensaver away while a game is played with a pad (see
// ScreensaverPolicy for when), over the freedesktop ScreenSaver service unless another service
// is given. While a pad has been used recently or the screensaver is held off, the situation is
// looked at once a second, so the end of a game or a pad left alone gives the screensaver back
// within a second; otherwise nothing wakes.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/timers.h"
#include "platform/screensaver_policy.h"

namespace gorvo::platform {

class ScreensaverInhibitor : public QObject {
    Q_OBJECT
  public:
    using GameRunning = std::function<bool()>;
    using Clock = std::function<Millis()>;  // milliseconds, never going back

    static constexpr int kReviewEveryMs = 1000;

    // No service given: the desktop's, over the session bus. No clock given: a monotonic clock.
    explicit ScreensaverInhibitor(GameRunning game_running,
                                  std::unique_ptr<ScreensaverService> service = {},
                                  Clock clock = {}, QObject* parent = nullptr);
    // Gives the screensaver back.
    ~ScreensaverInhibitor() override;

    // A player touched a pad.
    void pad_used();
    // The last pad was unplugged.
    void pads_gone();
    // Looks at the situation now; the timer does this every second while it matters.
    void review();

    bool engaged() const { return policy_.engaged(); }
    bool reviewing() const { return timer_.isActive(); }

  private:
    Millis now() const { return clock_(); }

    GameRunning game_running_;
    Clock clock_;
    std::unique_ptr<ScreensaverService> service_;  // outlives the policy, which releases into it
    ScreensaverPolicy policy_;
    QTimer timer_;
};

}  // namespace gorvo::platform
