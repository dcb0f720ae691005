// The handheld's ports in the simulator: sounds and settings writes go into the trace, the
// settings come from the command line (the wall clock is replay/script_clock.h).
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

}  // namespace gorvo::sim
