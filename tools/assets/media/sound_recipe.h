// The recipe of a beeper sound: a list of square-wave tones and rests, read from a small text
// table so that the sounds can be tuned without touching code.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gorvo::media {

struct Tone {
    bool rest = false;    // silence of `ms`
    double start_hz = 0;  // pitch at the start of the tone
    double end_hz = 0;    // pitch at the end (equal to start_hz for a steady tone)
    double ms = 0;        // length
    double duty = 0.5;    // share of each period the beeper is driven high, 0 < duty < 1
    double level = 1.0;   // loudness relative to the loudest tone of the sound, 0 < level <= 1
    double decay_ms = 0;  // time constant of the exponential fade, 0 = no fade
};

struct Recipe {
    std::string name;
    std::vector<Tone> tones;
};

struct RecipeBook {
    std::vector<Recipe> recipes;
    std::string error;  // empty when the text was read completely; else "line N: what is wrong"
    bool ok() const { return error.empty(); }
    const Recipe* find(std::string_view name) const;
};

// Reads the table. Format, one item per line, '#' starts a comment:
//   [Name]                                      starts the recipe of a sound
//   <hz>[><hz>] <ms> [duty=x] [level=x] [decay=ms] [times=n]   a tone, or a glide
//   rest <ms> [times=n]                         silence
// `times` repeats the line. Pitches must lie between 20 Hz and 10000 Hz.
RecipeBook parse_recipes(std::string_view text);

}  // namespace gorvo::media
