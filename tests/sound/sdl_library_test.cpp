// SDL and SDL2_mixer opened at run time: on this machine every function is found and the SDL
// reached through the table is the process's one; a library that is missing, or one that
// lacks the functions, gives a reason naming it, and the sound start fails with that reason
// instead of crashing.
#include <SDL.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/sdl_library.h"
#include "platform/sound_game.h"
#include "platform/sound_sdl_mixer.h"
#include "sound_fixtures.h"
#include "support/fakes.h"

namespace gorvo::test {
namespace {

using platform::SdlLibraries;

constexpr const char* kMissingFile = "libgorvo-missing-sdl.so.0";

// The text after "<file> could not be loaded: " must be the system's, not empty.
void expect_cannot_load(const std::string& error, const std::string& file) {
    const std::string lead = file + " could not be loaded: ";
    ASSERT_EQ(error.rfind(lead, 0), 0u) << error;
    EXPECT_GT(error.size(), lead.size()) << "the system's reason is missing: " << error;
}

TEST(SdlLibraries, EveryFunctionIsFoundOnThisMachine) {
    const SdlLibraries& libraries = platform::sdl_mixer_libraries();
    ASSERT_EQ(libraries.error(), "");
    ASSERT_NE(libraries.sdl(), nullptr);
    ASSERT_NE(libraries.mixer(), nullptr);
#define GORVO_EXPECT_SDL(name) EXPECT_NE(libraries.sdl()->name, nullptr) << #name;
    GORVO_SDL_FUNCTIONS(GORVO_EXPECT_SDL)
#undef GORVO_EXPECT_SDL
#define GORVO_EXPECT_MIXER(name) EXPECT_NE(libraries.mixer()->name, nullptr) << #name;
    GORVO_SDL_MIXER_FUNCTIONS(GORVO_EXPECT_MIXER)
#undef GORVO_EXPECT_MIXER
    EXPECT_EQ(&platform::sdl_mixer_libraries(), &libraries) << "opened once";
}

bool mixer_in_process() {
    void* handle = dlopen(platform::kSdlMixerFile, RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) return false;
    dlclose(handle);  // NOLOAD still counted a reference
    return true;
}

// Pads alone must not bring in the mixer and everything it loads.
TEST(SdlLibraries, PadsOpenSdlWithoutTheMixer) {
    if (mixer_in_process()) GTEST_SKIP() << "an earlier test in this process opened the mixer";
    const SdlLibraries& libraries = platform::sdl_libraries();
    ASSERT_NE(libraries.sdl(), nullptr) << libraries.error();
    EXPECT_EQ(libraries.mixer(), nullptr);
    EXPECT_EQ(libraries.error(), "");
    EXPECT_FALSE(mixer_in_process());
}

// The tests make virtual pads and read hints through the SDL they link; that only works when
// the opened SDL is the very same library, with the same state.
TEST(SdlLibraries, TheOpenedSdlIsTheOneAlreadyInTheProcess) {
    const platform::SdlFunctions* sdl = platform::sdl_libraries().sdl();
    ASSERT_NE(sdl, nullptr);
    ASSERT_TRUE(sdl->SetHint("GORVO_TEST_HINT", "shared"));
    const char* seen = SDL_GetHint("GORVO_TEST_HINT");
    ASSERT_NE(seen, nullptr);
    EXPECT_STREQ(seen, "shared");
    sdl->ResetHint("GORVO_TEST_HINT");
}

TEST(SdlLibraries, MissingSdlIsNamedWithTheSystemsReasonAndTheMixerIsNotTried) {
    const SdlLibraries libraries(kMissingFile, platform::kSdlMixerFile);
    EXPECT_EQ(libraries.sdl(), nullptr);
    EXPECT_EQ(libraries.mixer(), nullptr);
    expect_cannot_load(libraries.error(), kMissingFile);
}

TEST(SdlLibraries, MissingMixerLeavesSdlUsable) {
    const SdlLibraries libraries(platform::kSdlFile, kMissingFile);
    EXPECT_NE(libraries.sdl(), nullptr);
    EXPECT_EQ(libraries.mixer(), nullptr);
    expect_cannot_load(libraries.error(), kMissingFile);
}

TEST(SdlLibraries, ALibraryWithoutTheFunctionsNamesTheFirstMissingOne) {
    // The C library is certainly there and certainly not SDL.
    const SdlLibraries libraries("libc.so.6", nullptr);
    EXPECT_EQ(libraries.sdl(), nullptr);
    EXPECT_EQ(libraries.error().rfind("libc.so.6 has no SDL_SetHint: ", 0), 0u)
        << libraries.error();
}

const SdlLibraries& missing_libraries() {
    static const SdlLibraries missing(kMissingFile, platform::kSdlMixerFile);
    return missing;
}

TEST(SdlLibraries, WithoutTheLibrariesTheSoundOutputFailsToOpenAndNothingElseHappens) {
    platform::SdlMixerLibrary library(&missing_libraries);
    library.set_output(platform::SoundBackend::Direct);
    const platform::OutputStart started = library.init(22050, 64);
    EXPECT_FALSE(started.ok);
    EXPECT_EQ(started.error, missing_libraries().error());
    EXPECT_FALSE(library.is_open());
    EXPECT_TRUE(library.load("Sound/Chain.wav").empty());
    EXPECT_FALSE(library.play(platform::SampleHandle{1}));
    library.stop_all();
    EXPECT_EQ(library.playing(), 0);
    library.close();
}

TEST(SdlLibraries, WithoutTheLibrariesTheStartStopsWithTheOutputMessage) {
    TempDir program;
    write_sound_folder(program.path(), kRate, 500);
    ScopedCwd cwd(program.path());
    platform::SdlMixerLibrary library(&missing_libraries);
    MemorySettings settings;
    platform::GameSound sound(library, settings);

    const platform::SoundStart started = sound.start(1);
    EXPECT_FALSE(started.go_on);
    EXPECT_EQ(started.message.rfind("The sound output \"ALSA direct\" could not be opened: " +
                                        missing_libraries().error(),
                                    0),
              0u)
        << started.message;
    EXPECT_EQ(settings.values["SoundMode"], "-1");
    EXPECT_EQ(settings.values["SplashScreen"], "1");
    EXPECT_FALSE(sound.sound_on());
    sound.shutdown();
}

}  // namespace
}  // namespace gorvo::test
