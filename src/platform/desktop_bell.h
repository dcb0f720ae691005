// The desktop's bell: the "bell-window-system" event of the desktop's sound theme, played the way
// desktop programs play their event sounds, by libcanberra through the desktop's sound server.
//
// libcanberra is opened when the bell is first rung, not linked: most runs never ring it, and
// the library would bring its sound back-ends into every start. Once opened, the library and its
// context stay for the rest of the process: closing the context unloads its back-end while the
// back-end's own thread may still be playing the bell.
#pragma once

#include <memory>
#include <string>

namespace gorvo::platform {

inline constexpr const char* kCanberraFile = "libcanberra.so.0";

struct CanberraFunctions;

// libcanberra opened by file name, its functions looked up and one context made for the program.
class Canberra {
  public:
    // Never throws: what went wrong is kept in error().
    explicit Canberra(const char* file);
    // Leaves the context open (see above): make one only for the life of the process.
    ~Canberra();
    Canberra(const Canberra&) = delete;
    Canberra& operator=(const Canberra&) = delete;

    // Null unless everything above succeeded.
    const CanberraFunctions* functions() const { return ok_ ? functions_.get() : nullptr; }
    // Which step failed and the system's reason; empty when the library is usable.
    const std::string& error() const { return error_; }

  private:
    std::unique_ptr<CanberraFunctions> functions_;
    bool ok_ = false;
    std::string error_;
};

// The process's libcanberra, opened on the first call.
const Canberra& process_canberra();

class DesktopBell {
  public:
    // Where libcanberra comes from; called when the bell is first rung.
    using Open = const Canberra& (*)();

    explicit DesktopBell(Open open = &process_canberra) : open_(open) {}

    // Starts the bell sound and returns at once. False when it cannot sound here: no
    // libcanberra, no sound server or device to play on, no sound theme with a bell; the caller
    // then sounds the toolkit's beep instead. The sound server is asked again at every ring,
    // since it may have come up meanwhile.
    bool ring();
    // Why the last ring failed; empty after a ring that sounded.
    const std::string& error() const { return error_; }

  private:
    Open open_;
    std::string error_;
};

}  // namespace gorvo::platform
