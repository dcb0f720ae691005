// The ten sounds as the build puts them into the program folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "wav_reader.h"

namespace gorvo::media {
namespace {

struct Expected {
    const char* name;
    double min_ms;
    double max_ms;
};

// Lengths that fit the game's timing: ticks and steps must be over before the next one (90 ms
// at the fastest), a counted point's chime within the 95 ms count, the fanfare within the
// bonus chance, the release tune before Gorvo's next picture, the miss within the blinking.
constexpr Expected kSounds[] = {
    {"Chain", 150, 600},     {"Chance", 400, 1500}, {"Enemy_1", 10, 80}, {"Enemy_2", 10, 80},
    {"Gameover", 800, 2500}, {"Jump", 40, 150},     {"Key", 30, 95},     {"Miss", 300, 1500},
    {"Safe", 500, 1850},     {"Step", 8, 60},
};

test::WavInfo load(const std::string& name) {
    return test::read_wav_file(std::string(GORVO_PROGRAM_DIR) + "/Sound/" + name + ".wav");
}

double ms_of(const test::WavInfo& w) {
    return 1000.0 * static_cast<double>(w.samples.size()) / w.rate;
}

// The longest run of samples sitting at the same extreme value: what clipping leaves behind.
int longest_run_at_limit(const std::vector<std::int16_t>& s) {
    int longest = 0, run = 0;
    for (std::int16_t v : s) {
        run = (v >= 32767 || v <= -32767) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

TEST(ShippedSounds, AreLoudUnclipped16BitMonoAt22050HzOfAFittingLength) {
    for (const auto& e : kSounds) {
        SCOPED_TRACE(e.name);
        const auto w = load(e.name);
        ASSERT_EQ(w.error, "");
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.rate, 22050);
        EXPECT_EQ(w.bits, 16);
        EXPECT_GE(ms_of(w), e.min_ms);
        EXPECT_LE(ms_of(w), e.max_ms);
        ASSERT_FALSE(w.samples.empty());
        int peak = 0;
        for (std::int16_t v : w.samples)
            peak = std::max(peak, std::abs(static_cast<int>(v)));
        EXPECT_GE(peak, 32768 / 2);  // at least half of full scale
        EXPECT_LT(peak, 32767);
        EXPECT_EQ(longest_run_at_limit(w.samples), 0);
        // Not a short blip in a silent file: a fair share of the file actually sounds.
        const auto loud = std::count_if(w.samples.begin(), w.samples.end(),
                                        [](std::int16_t v) { return std::abs(v) > 2000; });
        EXPECT_GT(static_cast<double>(loud), 0.2 * static_cast<double>(w.samples.size()));
    }
}

TEST(ShippedSounds, AreAllDifferent) {
    std::map<std::vector<std::int16_t>, std::string> seen;
    for (const auto& e : kSounds) {
        const auto [it, fresh] = seen.emplace(load(e.name).samples, e.name);
        EXPECT_TRUE(fresh) << e.name << " is the same as " << it->second;
    }
}

double pitch(const test::WavInfo& w, double from, double to) {
    const auto n = static_cast<double>(w.samples.size());
    return test::zero_crossing_hz(w.samples, static_cast<size_t>(from * n),
                                  static_cast<size_t>(to * n), w.rate);
}

// Each sound suits its event: the upper screen's tick is higher than the lower screen's, the
// jump rises, the miss falls.
TEST(ShippedSounds, PitchesFollowTheirEvents) {
    EXPECT_GT(pitch(load("Enemy_1"), 0, 1), 1.3 * pitch(load("Enemy_2"), 0, 1));
    const auto jump = load("Jump");
    EXPECT_GT(pitch(jump, 0.6, 0.9), 1.5 * pitch(jump, 0.05, 0.35));
    const auto miss = load("Miss");
    EXPECT_LT(pitch(miss, 0.4, 0.55), 0.7 * pitch(miss, 0.0, 0.15));
}

}  // namespace
}  // namespace gorvo::media
