// The game's command line: nothing to play as usual, or --replay FILE [--speed 2|4|8] to watch a
// recording; --help prints the usage. Anything else is refused with a clear message.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace gorvo::app {

struct CommandLine {
    std::optional<std::string> replay;  // --replay FILE
    int speed = 1;                      // --speed N
    bool help = false;                  // --help, -h
};

struct CommandLineParse {
    CommandLine line;
    std::string error;  // empty when the command line is valid
    bool ok() const { return error.empty(); }
};

// The arguments after the program name (the toolkit's own already taken out).
CommandLineParse parse_command_line(const std::vector<std::string>& args);

// The text --help prints, and the one after an error.
std::string command_line_usage();

}  // namespace gorvo::app
