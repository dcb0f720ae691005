// Reads a RIFF/WAVE file the way a sound library does, chunk by chunk, for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gorvo::media::test {

struct WavInfo {
    std::string error;  // empty when the file was read
    int format = 0;     // 1 = PCM
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;  // 16-bit files only
};

WavInfo read_wav(const std::vector<std::uint8_t>& bytes);
WavInfo read_wav_file(const std::string& path);

// Pitch estimate over samples [from, to): a square wave crosses zero twice per period.
double zero_crossing_hz(const std::vector<std::int16_t>& s, size_t from, size_t to, int rate);

}  // namespace gorvo::media::test
