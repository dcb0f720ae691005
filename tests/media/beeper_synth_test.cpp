#include "beeper_synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "wav_reader.h"

namespace gorvo::media {
namespace {

Tone tone(double from, double to, double ms, double decay = 0) {
    Tone t;
    t.start_hz = from;
    t.end_hz = to;
    t.ms = ms;
    t.decay_ms = decay;
    return t;
}

Tone rest(double ms) {
    Tone t;
    t.rest = true;
    t.ms = ms;
    return t;
}

std::vector<std::int16_t> pcm_of(const Recipe& r) {
    const auto pcm = normalise_to_pcm16(render_recipe(r), 0.9);
    EXPECT_TRUE(pcm.ok()) << pcm.error;
    return pcm.samples;
}

double rms(const std::vector<std::int16_t>& s, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += static_cast<double>(s[i]) * s[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

TEST(BeeperSynth, EveryToneAndRestTakesItsLength) {
    const Recipe r{"x", {tone(1000, 1000, 20), rest(10), tone(500, 500, 100)}};
    // 441 + 220.5 (rounded to 221) + 2205 samples at 22050 Hz.
    EXPECT_EQ(render_recipe(r).size(), 441u + 221u + 2205u);
}

TEST(BeeperSynth, SoundsAtThePitchAskedFor) {
    for (double hz : {440.0, 1175.0, 3136.0}) {
        const auto s = pcm_of({"x", {tone(hz, hz, 200)}});
        EXPECT_NEAR(test::zero_crossing_hz(s, 200, s.size() - 200, kSampleRate), hz, hz * 0.03)
            << hz;
    }
}

TEST(BeeperSynth, GlidesMoveThePitchTheWayAsked) {
    const auto up = pcm_of({"x", {tone(500, 2000, 300)}});
    const size_t n = up.size();
    EXPECT_LT(test::zero_crossing_hz(up, 0, n / 4, kSampleRate) * 2,
              test::zero_crossing_hz(up, 3 * n / 4, n, kSampleRate));
    const auto down = pcm_of({"x", {tone(2000, 500, 300)}});
    EXPECT_GT(test::zero_crossing_hz(down, 0, n / 4, kSampleRate),
              2 * test::zero_crossing_hz(down, 3 * n / 4, n, kSampleRate));
}

TEST(BeeperSynth, RestsAreQuietAndTonesStartAndEndWithoutAClick) {
    const auto s = pcm_of({"x", {tone(1000, 1000, 50), rest(50), tone(1000, 1000, 50)}});
    // The middle of the rest, after the filter's short tail: silence.
    EXPECT_LT(rms(s, 1102 + 300, 2205 - 100), 30.0);
    // The first and last samples are near zero: the tone fades in and out.
    EXPECT_LT(std::abs(s.front()), 2000);
    EXPECT_LT(std::abs(s.back()), 2000);
    // Between, the tone is loud.
    EXPECT_GT(rms(s, 200, 900), 15000.0);
}

TEST(BeeperSynth, DecayFadesTheTone) {
    const auto s = pcm_of({"x", {tone(1000, 1000, 300, 60)}});
    const size_t n = s.size();
    EXPECT_GT(rms(s, 100, n / 5), 8 * rms(s, 4 * n / 5, n - 100));
}

TEST(BeeperSynth, NormalisingHitsThePeakAndNeverClips) {
    const std::vector<float> samples{0.0f, 0.5f, -2.0f, 1.0f, -0.25f};
    const auto pcm = normalise_to_pcm16(samples, 0.89);
    ASSERT_TRUE(pcm.ok());
    ASSERT_EQ(pcm.samples.size(), samples.size());
    EXPECT_EQ(pcm.samples[2], -29163);  // round(-0.89 * 32767)
    EXPECT_EQ(pcm.samples[3], 14581);
    EXPECT_EQ(pcm.samples[0], 0);

    const auto loud = normalise_to_pcm16(samples, 0.9999999);
    const auto [lo, hi] = std::minmax_element(loud.samples.begin(), loud.samples.end());
    EXPECT_GT(*lo, -32767);
    EXPECT_LT(*hi, 32767);
}

TEST(BeeperSynth, RefusesToScaleSilenceOrAnImpossiblePeak) {
    EXPECT_EQ(normalise_to_pcm16(std::vector<float>(100, 0.0f), 0.9).error, "silent");
    EXPECT_EQ(normalise_to_pcm16({}, 0.9).error, "silent");
    EXPECT_FALSE(normalise_to_pcm16({0.5f}, 1.0).ok());
    EXPECT_FALSE(normalise_to_pcm16({0.5f}, 0.0).ok());
}

}  // namespace
}  // namespace gorvo::media
