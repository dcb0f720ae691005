// The sound start with real files on SDL's dummy driver: which installations start, which stop
// the program with which message, and that the files are looked up from the working directory.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/sound_game.h"
#include "platform/sound_sdl_mixer.h"
#include "sound_fixtures.h"
#include "support/fakes.h"

namespace gorvo::test {
namespace {

using platform::GameSound;
using platform::SdlMixerLibrary;

constexpr int kFrames = 3 * kRate;

struct SoundFiles : ::testing::Test {
    ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
    TempDir program;  // the program folder, holding Sound/ unless a test removes it
    SdlMixerLibrary library;
    MemorySettings settings;
    GameSound sound{library, settings};

    platform::SoundStart start_in(const fs::path& working_dir) {
        ScopedCwd cwd(working_dir);
        return sound.start(0);
    }
    void expect_stopped_with_folder_message(const platform::SoundStart& started) {
        EXPECT_FALSE(started.go_on);
        EXPECT_EQ(started.message, kFolderMessage);
        EXPECT_EQ(settings.values["SoundMode"], "-1");
        EXPECT_EQ(settings.values["SplashScreen"], "1");
        EXPECT_FALSE(sound.sound_on());
    }
};

TEST_F(SoundFiles, CompleteFolderStartsAndEverySoundPlays) {
    write_sound_folder(program.path(), kFrames, 500);
    ASSERT_TRUE(start_in(program.path()).go_on);
    EXPECT_EQ(settings.values["SoundMode"], "0");
    for (int i = 0; i < kSoundCount; ++i)
        sound.play(static_cast<Sound>(i));
    EXPECT_EQ(library.playing(), kSoundCount);
    sound.shutdown();
    EXPECT_FALSE(library.is_open());
}

TEST_F(SoundFiles, MissingOrBrokenChainStopsTheProgram) {
    {
        SCOPED_TRACE("no Sound folder");
        expect_stopped_with_folder_message(start_in(program.path()));
    }
    for (bool broken : {false, true}) {
        SCOPED_TRACE(broken ? "Chain.wav unreadable" : "Chain.wav missing");
        SdlMixerLibrary lib;
        MemorySettings store;
        GameSound other{lib, store};
        TempDir folder;
        write_sound_folder(folder.path(), kFrames, 500, Sound::Chain);
        if (broken) std::ofstream(folder.path() / "Sound" / "Chain.wav") << "RIFF....WAVE";
        ScopedCwd cwd(folder.path());
        const platform::SoundStart started = other.start(0);
        EXPECT_FALSE(started.go_on);
        EXPECT_EQ(started.message, kFolderMessage);
        EXPECT_EQ(store.values["SoundMode"], "-1");
        EXPECT_EQ(store.values["SplashScreen"], "1");
    }
}

TEST_F(SoundFiles, AnotherMissingFileLeavesOnlyThatSoundSilent) {
    write_sound_folder(program.path(), kFrames, 500, Sound::Jump);
    ASSERT_TRUE(start_in(program.path()).go_on);
    EXPECT_TRUE(sound.handle(Sound::Jump).empty());
    sound.play(Sound::Jump);
    EXPECT_EQ(library.playing(), 0);
    sound.play(Sound::Key);
    EXPECT_EQ(library.playing(), 1);
}

TEST_F(SoundFiles, SamplesAreFoundFromTheWorkingDirectoryNotTheProgramFolder) {
    write_sound_folder(program.path(), kFrames, 500);
    TempDir elsewhere;
    expect_stopped_with_folder_message(start_in(elsewhere.path()));

    SdlMixerLibrary lib;
    MemorySettings store;
    GameSound from_program_folder{lib, store};
    ScopedCwd cwd(program.path());
    EXPECT_TRUE(from_program_folder.start(0).go_on);
}

TEST_F(SoundFiles, OutputThatCannotOpenNamesTheDriverAndTheReason) {
    write_sound_folder(program.path(), kFrames, 500);
    ScopedEnv broken{"SDL_AUDIODRIVER", "no-such-driver"};
    const platform::SoundStart started = start_in(program.path());
    EXPECT_FALSE(started.go_on);
    EXPECT_NE(started.message, kFolderMessage);
    EXPECT_NE(started.message.find("Sound server (PipeWire / PulseAudio)"), std::string::npos)
        << started.message;
    EXPECT_NE(started.message.find("no-such-driver"), std::string::npos) << started.message;
    EXPECT_EQ(settings.values["SoundMode"], "-1");
    EXPECT_EQ(settings.values["SplashScreen"], "1");
}

}  // namespace
}  // namespace gorvo::test
