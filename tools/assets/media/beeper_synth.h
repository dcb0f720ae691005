// Turns a recipe into samples that sound like a small piezo beeper: band-limited square waves
// with click-free edges, a gentle high-frequency roll-off, and no DC.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sound_recipe.h"

namespace gorvo::media {

constexpr int kSampleRate = 22050;

// Samples in about -1..1 before normalising; one entry per sample at `rate`. Each tone takes
// round(ms * rate / 1000) samples, so the length is the sum of the tones' lengths.
std::vector<float> render_recipe(const Recipe& recipe, int rate = kSampleRate);

struct Pcm16 {
    std::vector<std::int16_t> samples;
    std::string error;  // "silent" when there is nothing to scale
    bool ok() const { return error.empty(); }
};

// Scales the sound so that its loudest sample is `peak` of full scale (0 < peak < 1) and
// rounds to 16 bits. Never produces a sample at the clipping limits.
Pcm16 normalise_to_pcm16(const std::vector<float>& samples, double peak);

}  // namespace gorvo::media
