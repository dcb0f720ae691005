// When the desktop's screensaver must wait: while a game runs and a pad has been used in the
// last minute. A player on the keyboard keeps the screensaver away by typing; a player on a pad
// does not, so the program asks the desktop instead, and gives the request back as soon as the
// game ends, the pad lies still for a minute, the last pad is unplugged, or the program ends.
//
// The desktop's answer may come later than the request; a release asked for in the meantime
// is carried out when the answer arrives, so no request is ever left behind.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "core/timers.h"

namespace gorvo::platform {

// The desktop's screensaver, as the policy needs it.
class ScreensaverService {
  public:
    using Cookie = std::uint32_t;
    // Called once with the cookie of the request, or nothing when it was refused.
    using Answer = std::function<void(std::optional<Cookie>)>;

    virtual ~ScreensaverService() = default;
    // Asks the desktop to hold the screensaver off. False when there is no desktop service to
    // ask; `answer` is then never called.
    virtual bool inhibit(Answer answer) = 0;
    virtual void uninhibit(Cookie cookie) = 0;
};

class ScreensaverPolicy {
  public:
    static constexpr Millis kPadIdleAfter = 60'000;

    explicit ScreensaverPolicy(ScreensaverService& service);
    // Gives back what is held; an answer still on its way is given back when it arrives.
    ~ScreensaverPolicy();
    ScreensaverPolicy(const ScreensaverPolicy&) = delete;
    ScreensaverPolicy& operator=(const ScreensaverPolicy&) = delete;

    void pad_used(Millis now) { last_use_ = now; }
    // No pad is plugged in any more: there is no pad player to keep the screen on for.
    void pads_gone() { last_use_.reset(); }

    // Asks for or gives back the inhibition as the situation now wants it.
    void review(bool game_running, Millis now);
    // Gives back what is held, whatever the situation (the program is ending).
    void release();

    bool wanted(bool game_running, Millis now) const;
    // The inhibition is held or asked for.
    bool engaged() const { return state_ != State::Off; }
    // Worth reviewing again later without any new event: the pad's last use may still lapse,
    // the game may still end.
    bool needs_review(Millis now) const;

  private:
    enum class State { Off, Asking, Held };

    void ask();
    void on_answer(std::optional<ScreensaverService::Cookie> cookie);

    ScreensaverService& service_;
    std::optional<Millis> last_use_;
    State state_ = State::Off;
    ScreensaverService::Cookie cookie_ = 0;
    bool release_on_answer_ = false;
    // A request that was refused is not repeated until the situation has stopped wanting it
    // once, so a desktop without the service is not asked at every pad event.
    bool refused_ = false;
    // Tells an answer on its way whether the policy is still there to take it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace gorvo::platform
