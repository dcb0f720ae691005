// The sound start, play, silence and shutdown against a counting library: which library calls
// happen, in which order, and what is stored.
#include <gtest/gtest.h>

#include "counting_library.h"
#include "platform/sound_drivers.h"
#include "platform/sound_game.h"
#include "sound_fixtures.h"
#include "support/fakes.h"

namespace gorvo::test {
namespace {

using platform::GameSound;
using platform::SoundBackend;

const std::vector<std::string> kLoadsInOrder = {"load Sound/Chain.wav",    "load Sound/Chance.wav",
                                                "load Sound/Enemy_1.wav",  "load Sound/Enemy_2.wav",
                                                "load Sound/Gameover.wav", "load Sound/Jump.wav",
                                                "load Sound/Key.wav",      "load Sound/Miss.wav",
                                                "load Sound/Safe.wav",     "load Sound/Step.wav"};

struct GameSoundTest : ::testing::Test {
    CountingLibrary library;
    MemorySettings settings;
    GameSound sound{library, settings};

    void play_every_sound() {
        for (int i = 0; i < kSoundCount; ++i)
            sound.play(static_cast<Sound>(i));
    }
};

TEST_F(GameSoundTest, NoSoundTouchesTheLibraryOnlyAtShutdown) {
    const platform::SoundStart started = sound.start(2);
    EXPECT_TRUE(started.go_on);
    EXPECT_FALSE(sound.sound_on());
    EXPECT_EQ(settings.writes, std::vector<std::string>{"SoundMode=2"});

    play_every_sound();
    sound.silence();
    EXPECT_TRUE(library.calls.empty());

    sound.shutdown();
    std::vector<std::string> expected(kSoundCount, "free 0");
    expected.push_back("close");
    EXPECT_EQ(library.calls, expected);
}

TEST_F(GameSoundTest, DriverStartOpensThenLoadsInTableOrderAndFreesInTableOrder) {
    ASSERT_TRUE(sound.start(0).go_on);
    EXPECT_TRUE(sound.sound_on());
    EXPECT_EQ(settings.writes, std::vector<std::string>{"SoundMode=0"});

    ASSERT_GE(library.calls.size(), 2u);
    EXPECT_EQ(library.calls[0], "set_output Preferred");
    EXPECT_EQ(library.calls[1], "init 22050 64");
    EXPECT_EQ(library.calls_of("load"), kLoadsInOrder);
    EXPECT_EQ(library.calls.size(), 12u);

    library.calls.clear();
    sound.shutdown();
    EXPECT_EQ(library.calls,
              (std::vector<std::string>{"free 1", "free 2", "free 3", "free 4", "free 5", "free 6",
                                        "free 7", "free 8", "free 9", "free 10", "close"}));
    library.calls.clear();
    sound.play(Sound::Key);
    sound.silence();
    EXPECT_TRUE(library.calls.empty()) << "nothing plays after shutdown";
}

TEST_F(GameSoundTest, SecondDriverSelectsTheDirectOutput) {
    ASSERT_TRUE(sound.start(1).go_on);
    EXPECT_EQ(library.calls.front(), "set_output Direct");
    EXPECT_EQ(settings.writes, std::vector<std::string>{"SoundMode=1"});
}

TEST_F(GameSoundTest, PlayStartsEachRequestWithoutStoppingOthersAndSilenceStopsAll) {
    ASSERT_TRUE(sound.start(0).go_on);
    library.calls.clear();
    sound.play(Sound::Key);
    sound.play(Sound::Key);
    sound.play(Sound::Chain);
    sound.play(Sound::Step);
    sound.silence();
    EXPECT_EQ(library.calls,
              (std::vector<std::string>{"play 7", "play 7", "play 1", "play 10", "stop_all"}));
}

TEST_F(GameSoundTest, MissingChainStopsWithTheFolderMessageAndResetsTheChoice) {
    library.missing_files = {"Sound/Chain.wav"};
    const platform::SoundStart started = sound.start(0);
    EXPECT_FALSE(started.go_on);
    EXPECT_EQ(started.message, kFolderMessage);
    EXPECT_EQ(library.calls_of("load"), kLoadsInOrder) << "every load is attempted";
    // The device is given back before the message, with the samples that did load.
    EXPECT_EQ(library.calls.back(), "close");
    EXPECT_EQ(library.calls_of("free").size(), kLoadsInOrder.size());
    EXPECT_EQ(settings.writes,
              (std::vector<std::string>{"SoundMode=0", "SoundMode=-1", "SplashScreen=1"}));
    EXPECT_FALSE(sound.sound_on());

    library.calls.clear();
    sound.play(Sound::Key);
    EXPECT_TRUE(library.calls.empty());
    // Asking again does not start a second time.
    EXPECT_FALSE(sound.start(0).go_on);
    EXPECT_TRUE(library.calls.empty());
}

TEST_F(GameSoundTest, OutputThatCannotOpenIsReportedAsSuchNotAsAMissingFolder) {
    library.init_error = "ALSA: Couldn't open audio device: No such file or directory";
    const platform::SoundStart started = sound.start(1);
    EXPECT_FALSE(started.go_on);
    // The back-end named, the system's reason, and the other two entries of the list offered.
    EXPECT_EQ(started.message,
              "The sound output \"ALSA direct\" could not be opened: " + library.init_error +
                  ".\n\nAt the next start, choose \"Sound server (PipeWire / PulseAudio)\" or "
                  "\"(no sound)\".");
    EXPECT_TRUE(library.calls_of("load").empty()) << "nothing to load into a closed output";
    EXPECT_EQ(settings.writes,
              (std::vector<std::string>{"SoundMode=1", "SoundMode=-1", "SplashScreen=1"}));
    EXPECT_FALSE(sound.sound_on());
}

TEST_F(GameSoundTest, StartsAtMostOnce) {
    ASSERT_TRUE(sound.start(0).go_on);
    const auto calls = library.calls;
    EXPECT_TRUE(sound.start(1).go_on);
    EXPECT_TRUE(sound.start(2).go_on);
    EXPECT_EQ(library.calls, calls);
    EXPECT_EQ(settings.writes, std::vector<std::string>{"SoundMode=0"});
}

TEST_F(GameSoundTest, ChoiceOutsideTheListStartsNothingAndOffersTheChoiceAgain) {
    const platform::SoundStart started = sound.start(3);
    EXPECT_FALSE(started.go_on);
    EXPECT_FALSE(started.message.empty());
    EXPECT_TRUE(library.calls.empty());
    EXPECT_EQ(settings.values["SoundMode"], "-1");
    EXPECT_EQ(settings.values["SplashScreen"], "1");
}

TEST(SoundDrivers, StoredValuesKeepTheirMeaning) {
    const auto drivers = platform::sound_drivers();
    ASSERT_EQ(drivers.size(), 3u);
    for (std::size_t i = 0; i < drivers.size(); ++i) {
        EXPECT_EQ(drivers[i].sound_mode, static_cast<int>(i)) << "list position = stored value";
        EXPECT_EQ(platform::sound_driver_for_mode(static_cast<int>(i)), &drivers[i]);
    }
    EXPECT_EQ(drivers[0].output, SoundBackend::Preferred);
    EXPECT_EQ(drivers[1].output, SoundBackend::Direct);
    EXPECT_FALSE(drivers[2].output.has_value());
    for (int stored : {-1, -5, 3, 100}) {
        EXPECT_EQ(platform::sound_driver_for_mode(stored), nullptr) << stored;
    }
}

}  // namespace
}  // namespace gorvo::test
