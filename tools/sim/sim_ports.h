// The handheld's ports in the simulator: sounds and settings writes go into the trace, the
// settings come from the command line, and the wall clock runs with virtual time.
#pragma once

#include <map>
#include <string>

#include "core/ports.h"
#include "core/timers.h"
#include "sim/trace.h"

namespace gorvo::sim {

class TraceSound : public SoundOutput {
  public:
    explicit TraceSound(TraceRecorder& trace) : trace_(trace) {}
    void play(Sound sound) override;
    void silence() override;

  private:
    TraceRecorder& trace_;
};

// Serves the stored values given on the command line; every write is kept and traced as
// "set NAME VALUE" (a boolean as 1 or 0).
class TraceSettings : public SettingsStore {
  public:
    explicit TraceSettings(TraceRecorder& trace) : trace_(trace) {}
    void store(const std::string& name, int value) { values_[name] = value; }

    int read_int(std::string_view name, int default_value) override;
    bool read_bool(std::string_view name, bool default_value) override;
    void write_int(std::string_view name, int value) override;
    void write_bool(std::string_view name, bool value) override;

  private:
    TraceRecorder& trace_;
    std::map<std::string, int, std::less<>> values_;
};

// The local time at virtual time 0 plus the virtual time passed, wrapping at midnight.
class VirtualClock : public WallClock {
  public:
    explicit VirtualClock(int start_minutes) : start_minutes_(start_minutes) {}
    // The scheduler whose time counts; until attached the clock stands at its start.
    void attach(const Scheduler& timers) { timers_ = &timers; }
    LocalTime now() override;

  private:
    int start_minutes_;
    const Scheduler* timers_ = nullptr;
};

}  // namespace gorvo::sim
