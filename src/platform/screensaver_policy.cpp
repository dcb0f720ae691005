#include "platform/screensaver_policy.h"

#include <memory>

namespace gorvo::platform {

ScreensaverPolicy::ScreensaverPolicy(ScreensaverService& service) : service_(service) {}

ScreensaverPolicy::~ScreensaverPolicy() {
    *alive_ = false;
    release();
}

bool ScreensaverPolicy::wanted(bool game_running, Millis now) const {
    return game_running && last_use_ && now - *last_use_ < kPadIdleAfter;
}

bool ScreensaverPolicy::needs_review(Millis now) const {
    return engaged() || (last_use_ && now - *last_use_ < kPadIdleAfter);
}

void ScreensaverPolicy::review(bool game_running, Millis now) {
    if (!wanted(game_running, now)) {
        refused_ = false;
        release();
        return;
    }
    if (state_ == State::Asking) release_on_answer_ = false;
    if (state_ == State::Off && !refused_) ask();
}

void ScreensaverPolicy::release() {
    switch (state_) {
        case State::Off:
            break;
        case State::Asking:
            release_on_answer_ = true;
            break;
        case State::Held:
            service_.uninhibit(cookie_);
            state_ = State::Off;
            break;
    }
}

void ScreensaverPolicy::ask() {
    state_ = State::Asking;
    release_on_answer_ = false;
    ScreensaverService& service = service_;
    const std::shared_ptr<bool> alive = alive_;
    const bool asked = service_.inhibit([this, &service, alive](auto cookie) {
        if (*alive) {
            on_answer(cookie);
        } else if (cookie) {
            service.uninhibit(*cookie);  // granted after the program stopped wanting it
        }
    });
    if (!asked) {
        state_ = State::Off;
        refused_ = true;
    }
}

void ScreensaverPolicy::on_answer(std::optional<ScreensaverService::Cookie> cookie) {
    if (state_ != State::Asking) return;
    if (!cookie) {
        state_ = State::Off;
        refused_ = true;
        return;
    }
    cookie_ = *cookie;
    state_ = State::Held;
    if (release_on_answer_) release();
}

}  // namespace gorvo::platform
