// The lines the game writes to GORVO_PROBE_FILE (see src/ui/probes.h), read back.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace gorvo::bench {

struct ProbeLine {
    std::string kind;  // "timer" or "input"
    double at_ms = 0;  // steady clock
    double value_ms = 0;
};

// Every well-formed line of the file; none when it does not exist.
std::vector<ProbeLine> read_probe_log(const QString& file);

// The values of one kind whose time lies in [from_ms, to_ms].
std::vector<double> probe_values(const std::vector<ProbeLine>& lines, const std::string& kind,
                                 double from_ms, double to_ms);

}  // namespace gorvo::bench
