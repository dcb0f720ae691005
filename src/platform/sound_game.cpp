#include "platform/sound_game.h"

#include <utility>

#include "core/stored_settings.h"
#include "platform/sound_drivers.h"

namespace gorvo::platform {

namespace {

constexpr const char* kSoundFolderMessage =
    "Sound folder unproperly installed. Please reinstall the game.";

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// The entries of the list other than the one that failed, as the player picks them:
// "\"ALSA direct\" or \"(no sound)\"".
std::string other_drivers(const SoundDriver& failed) {
    std::string names;
    for (const SoundDriver& d : sound_drivers()) {
        if (d.sound_mode == failed.sound_mode) continue;
        if (!names.empty()) names += " or ";
        names += quoted(d.text);
    }
    return names;
}

std::string output_message(const SoundDriver& driver, const std::string& reason) {
    const bool has_stop = !reason.empty() && reason.back() == '.';
    return "The sound output " + quoted(driver.text) + " could not be opened: " + reason +
           (has_stop ? "" : ".") + "\n\nAt the next start, choose " + other_drivers(driver) + ".";
}

std::size_t index_of(Sound sound) {
    return static_cast<std::size_t>(sound);
}

}  // namespace

std::string sound_file(Sound sound) {
    return "Sound/" + std::string(sound_name(sound)) + ".wav";
}

GameSound::GameSound(SoundLibrary& library, SettingsStore& settings)
    : library_(library), settings_(settings) {}

SoundStart GameSound::start(int sound_mode) {
    if (state_ == State::Started) return {};
    if (state_ == State::Failed) return {false, failure_};

    const SoundDriver* driver = sound_driver_for_mode(sound_mode);
    if (driver == nullptr) return fail("No sound driver was chosen.");
    settings_.write_int(stored::kSoundMode.name, driver->sound_mode);
    if (!driver->output) {
        state_ = State::Started;  // the game runs silently; the library is never touched
        return {};
    }

    library_.set_output(*driver->output);
    const OutputStart opened = library_.init(kMixRate, kChannels);
    if (!opened.ok) return fail(output_message(*driver, opened.error));
    load_samples();
    // Only Chain decides: a missing folder shows there first. Any other sample that did not load
    // keeps an empty handle and its events stay silent.
    if (handles_[index_of(Sound::Chain)].empty()) {
        // The game ends with the message: the device and the samples that did load are given
        // back first, so that nothing of the sound system is still running as the process ends.
        shutdown();
        return fail(kSoundFolderMessage);
    }

    sound_on_ = true;
    state_ = State::Started;
    return {};
}

void GameSound::load_samples() {
    for (int i = 0; i < kSoundCount; ++i) {
        handles_[static_cast<std::size_t>(i)] = library_.load(sound_file(static_cast<Sound>(i)));
    }
}

SoundStart GameSound::fail(std::string message) {
    // Reset before the message is shown, so the next run offers the driver choice again even if
    // this one is killed while the message is on screen.
    settings_.write_int(stored::kSoundMode.name, stored::kSoundMode.default_value);
    settings_.write_bool(stored::kSplashScreen.name, true);
    state_ = State::Failed;
    failure_ = std::move(message);
    return {false, failure_};
}

void GameSound::play(Sound sound) {
    if (!sound_on_) return;
    const SampleHandle h = handles_[index_of(sound)];
    if (!h.empty()) library_.play(h);
    if (listener_ != nullptr) listener_->play(sound);
}

void GameSound::silence() {
    if (!sound_on_) return;
    library_.stop_all();
    if (listener_ != nullptr) listener_->silence();
}

void GameSound::shutdown() {
    for (SampleHandle& h : handles_)
        library_.free(h);
    library_.close();
    sound_on_ = false;
    handles_.fill({});
}

SampleHandle GameSound::handle(Sound sound) const {
    return handles_[index_of(sound)];
}

}  // namespace gorvo::platform
