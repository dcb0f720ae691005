// What a recording of the loudspeaker says against what the game asked to play: each sound
// asked for is heard when it was asked for, and nothing is heard at any other time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gorvo::test {

// A stretch of time in seconds.
struct Span {
    double start = 0;
    double end = 0;
};

// Where the recording holds sound: stretches of at least one 5 ms window whose loudest sample
// passes `threshold`, joined when less than a window apart. Seconds from the recording's start.
std::vector<Span> heard_spans(const std::vector<std::int16_t>& samples, int rate,
                              std::int16_t threshold);

struct HeardCheck {
    double lag = 0;                     // seconds from asked to heard, as fitted
    std::vector<std::string> problems;  // empty when everything matches
};

// `asked`: when the game's sounds sounded by its own account, in seconds on the recording's
// clock. The recording is late by the output's lag, which is fitted within [lag_min, lag_max];
// beyond that, each sound must start within `tolerance` of its time, and nothing may be heard
// farther than `tolerance` from every asked-for sound.
HeardCheck check_heard(const std::vector<Span>& asked, const std::vector<Span>& heard,
                       double lag_min, double lag_max, double tolerance);

}  // namespace gorvo::test
