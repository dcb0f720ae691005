// Runs the built simulator as a child process, as a user would, and captures what it prints.
#pragma once

#include <string>
#include <vector>

namespace gorvo::sim::test {

struct ProgramRun {
    int exit_status = -1;
    std::string out;
    std::string err;
};

// Runs gorvo250-sim with the arguments, feeding `input` to its standard input.
ProgramRun run_sim(const std::vector<std::string>& args, const std::string& input = {});

// A file in a fresh temporary folder of this test process, holding `text`.
std::string temp_file(const std::string& name, const std::string& text);

std::string read_file(const std::string& path);

}  // namespace gorvo::sim::test
