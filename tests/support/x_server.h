// A private X server for a test: Xvfb started on a display it picks itself (-displayfd), so that
// tests running side by side never share one, and stopped when the object goes out of scope.
#pragma once

#include <sys/types.h>
#include <chrono>
#include <string>

namespace gorvo::test {

class XServer {
  public:
    // Starts Xvfb with one screen of `screen` ("WIDTHxHEIGHTxDEPTH") and returns once it accepts
    // connections. Throws std::runtime_error, with the server's own output, when it cannot start
    // within `start_timeout`. Construct it on the thread that lives longest (the test's main
    // thread): the server is told to end when that thread's process ends.
    explicit XServer(const std::string& screen = "1280x1024x24",
                     std::chrono::milliseconds start_timeout = std::chrono::seconds(30));
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // ":N", for DISPLAY.
    const std::string& display() const { return display_; }

  private:
    void stop();
    std::string server_output() const;

    pid_t pid_ = -1;
    std::string display_;
    std::string log_path_;
};

// Whether an X server answers on `display` (":N") and accepts a client without a cookie: the
// connection set-up is made and its reply read.
bool x_display_answers(const std::string& display);

}  // namespace gorvo::test
