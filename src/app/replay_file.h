// Reading the recording that --replay names: the whole file, checked before the window opens.
#pragma once

#include <string>

#include "replay/script.h"

namespace gorvo::app {

// A recording of a whole evening is a few hundred kilobytes; a file far beyond that is no
// recording, and is refused before it is read.
constexpr long long kLargestRecording = 32LL * 1024 * 1024;

struct ReplayFile {
    replay::Script script;
    std::string error;  // "FILE: line 3, column 1: ..." when it cannot be played
    bool ok() const { return error.empty(); }
};

ReplayFile read_replay_file(const std::string& path);

}  // namespace gorvo::app
