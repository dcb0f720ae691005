// The main window's sound side: starts the library for the chosen driver, loads the ten samples,
// plays and silences them for the game, and shuts the library down at the close step.
#pragma once

#include <array>
#include <string>

#include "core/ports.h"
#include "platform/sound_library.h"

namespace gorvo::platform {

// What the start action does next.
struct SoundStart {
    bool go_on = true;
    // When !go_on: the text for the error box. SoundMode and SplashScreen are already reset, so
    // the next run offers the driver choice again; the caller shows the text and ends the program.
    std::string message;
};

class GameSound final : public SoundOutput {
  public:
    static constexpr int kMixRate = 22050;
    static constexpr int kChannels = 64;

    GameSound(SoundLibrary& library, SettingsStore& settings);

    // Stores the choice (a list position of sound_drivers()), opens the output and loads
    // Sound/<name>.wav relative to the working directory. Runs once; later calls change nothing.
    SoundStart start(int sound_mode);

    // Snd_Play and Snd_Silence: nothing happens unless a sound driver was started.
    void play(Sound sound) override;
    void silence() override;

    // Frees the ten samples in table order and closes the library; harmless when nothing was
    // started. Nothing plays afterwards.
    void shutdown();

    bool sound_on() const { return sound_on_; }
    // Told of every play and silence that went to the library, right after it; null for none.
    // Lets what the game asked for be set against what the loudspeaker gave.
    void set_listener(SoundOutput* listener) { listener_ = listener; }
    SampleHandle handle(Sound sound) const;

  private:
    enum class State { NotStarted, Started, Failed };

    void load_samples();
    SoundStart fail(std::string message);

    SoundLibrary& library_;
    SettingsStore& settings_;
    State state_ = State::NotStarted;
    bool sound_on_ = false;
    std::string failure_;
    SoundOutput* listener_ = nullptr;
    std::array<SampleHandle, kSoundCount> handles_{};
};

// The relative path of a sample file, "Sound/Chain.wav" ... "Sound/Step.wav".
std::string sound_file(Sound sound);

}  // namespace gorvo::platform
