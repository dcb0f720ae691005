// A PulseAudio server of the test's own, on a runtime folder of its own, whose only sink is a
// null sink named "cap"; and recordings of that sink's monitor, which hears everything the
// sink plays.
#pragma once

#include <QProcess>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "../sound_fixtures.h"

namespace gorvo::test {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

// The recordings: 16-bit mono at this rate.
constexpr int kRecordRate = 22050;

// What the machine lacks to run the server and record it; empty when nothing.
std::string missing_pulse_programs();

// A sound session of the test's own, for this process and the programs it starts, until the end
// of the scope: `runtime` (made, private) is the session's runtime folder, where clients look
// for a sound server; no server is named elsewhere and none is started on demand.
class PrivateSoundSession {
  public:
    explicit PrivateSoundSession(fs::path runtime);
    const fs::path& runtime() const { return runtime_; }

  private:
    fs::path runtime_;
    std::vector<std::unique_ptr<ScopedEnv>> variables_;
};

class PulseServer {
  public:
    // Starts the server for the session and waits, at most `limit`, until it accepts clients.
    // ready() tells whether it did; failure() says why not.
    PulseServer(const PrivateSoundSession& session, std::chrono::seconds limit);
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    bool ready() const { return ready_; }
    const std::string& failure() const { return failure_; }
    fs::path socket() const { return runtime_ / "pulse" / "native"; }

  private:
    fs::path runtime_;
    QProcess process_;
    bool ready_ = false;
    std::string failure_;
};

class MonitorRecording {
  public:
    // Starts recording the monitor of "cap" into `file`, asking the server to hand over what it
    // records every `latency_ms`.
    explicit MonitorRecording(fs::path file, int latency_ms = 10);
    ~MonitorRecording();
    MonitorRecording(const MonitorRecording&) = delete;
    MonitorRecording& operator=(const MonitorRecording&) = delete;

    // Looks how much has been recorded by now. Every look narrows the moment the recording
    // began: it cannot have begun later than now minus what it holds.
    void look();
    // Waits (looking) until the recording holds at least `seconds` of sound; false when it did
    // not within `limit`.
    bool wait_for(double seconds, std::chrono::seconds limit);
    // The latest moment at which the recording can have begun, after the looks so far. Sound
    // arrives in small pieces, so it began very little before.
    SteadyClock::time_point began_by() const { return began_by_; }
    // What was recorded so far.
    std::vector<std::int16_t> samples() const;
    std::string failure() const;

  private:
    void wake_sink();

    fs::path file_;
    QProcess process_;
    SteadyClock::time_point began_by_ = SteadyClock::time_point::max();
};

}  // namespace gorvo::test
