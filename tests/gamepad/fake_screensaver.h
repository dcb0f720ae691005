// A desktop screensaver service whose answers the test gives by hand.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/screensaver_policy.h"

namespace gorvo::test {

class FakeScreensaver : public platform::ScreensaverService {
  public:
    bool present = true;
    std::vector<Answer> waiting;  // requests not answered yet
    std::vector<Cookie> released;
    int asked = 0;
    Cookie next_cookie = 41;
    std::function<void(Cookie)> on_release;  // sees releases after the fake's owner is gone

    bool inhibit(Answer answer) override {
        ++asked;
        if (!present) return false;
        waiting.push_back(std::move(answer));
        return true;
    }
    void uninhibit(Cookie cookie) override {
        released.push_back(cookie);
        if (on_release) on_release(cookie);
    }

    // Answers the oldest request: granted with a new cookie, or refused.
    void answer(bool grant = true) {
        Answer a = std::move(waiting.front());
        waiting.erase(waiting.begin());
        a(grant ? std::optional<Cookie>(++next_cookie) : std::nullopt);
    }
};

}  // namespace gorvo::test
