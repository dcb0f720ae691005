// The simulator's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gorvo::sim {

struct Options {
    std::string script_path;                // "-" reads standard input
    std::optional<std::string> draws_path;  // --draws FILE
    std::optional<std::uint64_t> seed;      // --seed N
    int clock_minutes = 0;                  // --clock HH:MM, minutes after midnight
    int hiscore_a = 0;                      // --hiscore-a N, as stored in HiScore1
    int hiscore_b = 0;                      // --hiscore-b N, as stored in HiScore2
    bool overlay = true;                    // --overlay 0|1, as stored in CtrlrOverlay
    bool help = false;                      // --help: print the usage and stop
};

struct OptionsParse {
    Options options;
    std::string error;  // empty when the command line is valid
    bool ok() const { return error.empty(); }
};

// Parses the arguments after the program name. Options take their value as the next argument
// or after '='; each may be given once; exactly one SCRIPT is required.
OptionsParse parse_options(const std::vector<std::string>& args);

}  // namespace gorvo::sim
