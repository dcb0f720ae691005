// Writing 16-bit mono PCM as a RIFF/WAVE file, the format every sound library reads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gorvo::media {

// The complete file image: 44-byte header followed by little-endian samples.
std::vector<std::uint8_t> wav_bytes(const std::vector<std::int16_t>& samples, int rate);

// Writes the file; returns an empty string or a message naming the file and the failure.
std::string write_wav(const std::string& path, const std::vector<std::int16_t>& samples, int rate);

}  // namespace gorvo::media
