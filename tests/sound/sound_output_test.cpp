// What reaches the loudspeaker, read back from SDL's disk driver, which writes the mixed output
// to a file in real time.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "platform/sound_game.h"
#include "platform/sound_sdl_mixer.h"
#include "sound_fixtures.h"
#include "support/fakes.h"

namespace gorvo::test {
namespace {

using platform::GameSound;
using platform::SdlMixerLibrary;

constexpr std::int16_t kLevel = 3000;
constexpr int kBufferFrames = platform::SdlMixerLibrary::kBufferFrames;

struct DiskOutput : ::testing::Test {
    TempDir dir;
    fs::path out = dir.path() / "out.raw";
    ScopedEnv driver{"SDL_AUDIODRIVER", "disk"};
    ScopedEnv file{"SDL_DISKAUDIOFILE", out.string()};
    std::optional<ScopedCwd> cwd;
    SdlMixerLibrary library;
    MemorySettings settings;
    GameSound sound{library, settings};

    void start_with_samples(int frames) {
        write_sound_folder(dir.path(), frames, kLevel);
        cwd.emplace(dir.path());
        const platform::SoundStart started = sound.start(0);
        ASSERT_TRUE(started.go_on) << started.message;
    }
    // Lets the device run for about `frames` more frames, closes it and reads what it wrote.
    std::vector<std::int16_t> output_after(int frames) {
        EXPECT_TRUE(wait_for_size(out, static_cast<std::uintmax_t>(frames) * kFrameBytes,
                                  std::chrono::seconds(30)));
        sound.shutdown();
        return read_left_channel(out);
    }
};

long long total(const std::vector<std::int16_t>& v) {
    return std::accumulate(v.begin(), v.end(), 0LL);
}

long long count_nonzero(const std::vector<std::int16_t>& v) {
    return std::count_if(v.begin(), v.end(), [](std::int16_t x) { return x != 0; });
}

TEST_F(DiskOutput, APlayedSoundReachesTheOutputWhole) {
    const int frames = kRate / 5;
    start_with_samples(frames);
    sound.play(Sound::Step);
    const auto left = output_after(frames + kRate / 2);

    EXPECT_EQ(std::count(left.begin(), left.end(), kLevel), frames);
    EXPECT_EQ(count_nonzero(left), frames) << "nothing but the sample itself";
}

TEST_F(DiskOutput, TwoSoundsOfTheSameStepOverlap) {
    const int frames = kRate / 5;
    start_with_samples(frames);
    sound.play(Sound::Key);
    sound.play(Sound::Key);
    sound.play(Sound::Miss);
    const auto left = output_after(frames + kRate / 2);

    EXPECT_EQ(total(left), 3LL * frames * kLevel) << "all three sound in full";
    EXPECT_EQ(*std::max_element(left.begin(), left.end()), 3 * kLevel)
        << "and at the same time, not one after another";
}

TEST_F(DiskOutput, SilenceStopsEverySoundIncludingOneStartedInTheSameStep) {
    const int frames = 5 * kRate;
    start_with_samples(frames);
    sound.play(Sound::Enemy_1);
    sound.play(Sound::Enemy_2);
    sound.silence();
    EXPECT_EQ(library.playing(), 0);
    const auto left = output_after(kRate);

    // The device may have mixed a buffer or two in the moment between play and silence.
    EXPECT_LE(count_nonzero(left), 2 * kBufferFrames);
    EXPECT_TRUE(
        std::all_of(left.end() - kBufferFrames, left.end(), [](std::int16_t x) { return x == 0; }));
}

}  // namespace
}  // namespace gorvo::test
