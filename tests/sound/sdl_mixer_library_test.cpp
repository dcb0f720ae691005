// The SDL2_mixer library on SDL's silent dummy driver: opening and its failures, what loads,
// the channel limit, and operations on a library that is not open.
#include <SDL.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>

#include "platform/sound_sdl_mixer.h"
#include "sound_fixtures.h"

namespace gorvo::test {
namespace {

using platform::SampleHandle;
using platform::SdlMixerLibrary;
using platform::SoundBackend;

constexpr int kLongFrames = 3 * kRate;  // long enough to still sound while a test looks

struct DummyOutput : ::testing::Test {
    ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
    TempDir dir;
    SdlMixerLibrary library;

    fs::path wav(const std::string& name, int frames = kLongFrames) {
        const fs::path file = dir.path() / name;
        write_constant_wav(file, frames, 1000);
        return file;
    }
    void open() {
        library.set_output(SoundBackend::Preferred);
        const platform::OutputStart started = library.init(22050, 64);
        ASSERT_TRUE(started.ok) << started.error;
    }
};

TEST_F(DummyOutput, OperationsOnAClosedLibraryAreHarmless) {
    EXPECT_TRUE(library.load(wav("a.wav").string()).empty()) << "nothing loads before opening";
    EXPECT_FALSE(library.play(SampleHandle{}));
    EXPECT_FALSE(library.play(SampleHandle{3}));
    library.stop_all();
    library.free(SampleHandle{});
    library.free(SampleHandle{7});
    library.close();
    library.close();
    EXPECT_FALSE(library.is_open());
    EXPECT_EQ(library.playing(), 0);
}

TEST_F(DummyOutput, LoadGivesTheEmptyHandleForAnythingButAReadableWav) {
    open();
    const fs::path text = dir.path() / "text.wav";
    std::ofstream(text) << "not a sound at all";
    const fs::path empty = dir.path() / "empty.wav";
    std::ofstream{empty};
    const fs::path truncated = dir.path() / "truncated.wav";
    {
        const fs::path good = wav("whole.wav");
        std::ifstream in(good, std::ios::binary);
        std::string head(30, '\0');
        in.read(head.data(), 30);
        std::ofstream(truncated, std::ios::binary) << head;
    }
    EXPECT_TRUE(library.load((dir.path() / "missing.wav").string()).empty());
    EXPECT_TRUE(library.load(text.string()).empty());
    EXPECT_TRUE(library.load(empty.string()).empty());
    EXPECT_TRUE(library.load(truncated.string()).empty());
    EXPECT_TRUE(library.load(dir.path().string()).empty()) << "a folder is not a sample";

    const SampleHandle a = library.load(wav("a.wav").string());
    const SampleHandle b = library.load(wav("b.wav").string());
    EXPECT_FALSE(a.empty());
    EXPECT_FALSE(b.empty());
    EXPECT_NE(a, b);
}

TEST_F(DummyOutput, SixtyFourSoundsAtOnceAndTheNextRequestIsDropped) {
    open();
    const SampleHandle h = library.load(wav("long.wav").string());
    ASSERT_FALSE(h.empty());
    for (int i = 0; i < 64; ++i)
        ASSERT_TRUE(library.play(h)) << "request " << i;
    EXPECT_FALSE(library.play(h));
    EXPECT_EQ(library.playing(), 64) << "the dropped request stops nothing";

    library.stop_all();
    EXPECT_EQ(library.playing(), 0);
    EXPECT_TRUE(library.play(h)) << "channels are free again after stopping";
}

TEST_F(DummyOutput, FreeAndCloseStopTheirSamplesForGood) {
    open();
    const SampleHandle freed = library.load(wav("a.wav").string());
    const SampleHandle kept = library.load(wav("b.wav").string());
    ASSERT_TRUE(library.play(freed));
    ASSERT_TRUE(library.play(kept));
    library.free(freed);
    EXPECT_EQ(library.playing(), 1);
    EXPECT_FALSE(library.play(freed));
    library.free(freed);
    EXPECT_NE(library.load(wav("c.wav").string()), freed) << "handles are never reused";

    library.close();
    EXPECT_FALSE(library.is_open());
    open();
    EXPECT_FALSE(library.play(kept)) << "samples do not outlive the output they were loaded for";
}

TEST(SdlOutputStart, UnknownDriverFailsWithTheSystemsReason) {
    ScopedEnv driver{"SDL_AUDIODRIVER", "no-such-driver"};
    SdlMixerLibrary library;
    const platform::OutputStart started = library.init(22050, 64);
    EXPECT_FALSE(started.ok);
    EXPECT_NE(started.error.find("no-such-driver"), std::string::npos) << started.error;
    EXPECT_FALSE(library.is_open());
    library.close();
}

TEST(SdlOutputStart, DriverThatLoadsButCannotOpenItsDeviceIsAFailure) {
    TempDir dir;
    ScopedEnv driver{"SDL_AUDIODRIVER", "disk"};
    ScopedEnv file{"SDL_DISKAUDIOFILE", (dir.path() / "no-such-folder" / "out.raw").string()};
    SdlMixerLibrary library;
    const platform::OutputStart started = library.init(22050, 64);
    EXPECT_FALSE(started.ok);
    EXPECT_FALSE(started.error.empty());
    EXPECT_FALSE(library.is_open());

    ScopedEnv working{"SDL_AUDIODRIVER", "dummy"};
    const platform::OutputStart retried = library.init(22050, 64);
    EXPECT_TRUE(retried.ok) << "a failed start leaves nothing half open: " << retried.error;
}

// SDL would otherwise turn an interrupt into a quit event that nobody reads.
void open_output_and_interrupt() {
    ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
    SdlMixerLibrary library;
    if (library.init(22050, 64).ok) std::raise(SIGINT);
    std::exit(0);
}

TEST(SdlOutputStart, InterruptStillEndsTheProgramOnceTheOutputIsOpen) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(open_output_and_interrupt(), ::testing::KilledBySignal(SIGINT), "");
}

#ifndef _WIN32
// The sound server choice never falls back to the device: that is the other choice.
TEST(SdlOutputChoice, PreferredMeansTheSoundServersOnlyAndDirectMeansAlsa) {
    ScopedEnv unset{"SDL_AUDIODRIVER", std::nullopt};
    SdlMixerLibrary library;
    library.set_output(SoundBackend::Direct);
    const char* hint = SDL_GetHint(SDL_HINT_AUDIODRIVER);
    ASSERT_NE(hint, nullptr);
    EXPECT_STREQ(hint, "alsa");

    library.set_output(SoundBackend::Preferred);
    hint = SDL_GetHint(SDL_HINT_AUDIODRIVER);
    ASSERT_NE(hint, nullptr);
    EXPECT_STREQ(hint, "pulseaudio,pipewire");
}
#endif

}  // namespace
}  // namespace gorvo::test
