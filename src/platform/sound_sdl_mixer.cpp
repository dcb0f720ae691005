#include "platform/sound_sdl_mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

namespace gorvo::platform {

namespace {

// Frames per device buffer: about 23 ms at 22050 Hz, short enough for the game's beeps to
// follow the picture.
constexpr int kBufferFrames = 512;
constexpr int kSpeakerChannels = 2;

std::string sdl_reason(const char* text) {
    std::string reason = text != nullptr ? text : "";
    return reason.empty() ? "no reason given by the system" : reason;
}

}  // namespace

SdlMixerLibrary::~SdlMixerLibrary() {
    close();
}

std::string_view SdlMixerLibrary::driver_name(SoundBackend backend) {
#ifdef _WIN32
    return backend == SoundBackend::Preferred ? "directsound" : "winmm";
#else
    // SDL's own choice on Linux is the running sound server (PipeWire or PulseAudio).
    return backend == SoundBackend::Preferred ? "" : "alsa";
#endif
}

void SdlMixerLibrary::set_output(SoundBackend backend) {
    // The driver has to be named through the hint: a name given to SDL_AudioInit is forgotten
    // when the mixer opens the device. A driver named in SDL_AUDIODRIVER by the user still wins.
    const std::string name(driver_name(backend));
    if (name.empty()) {
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    } else {
        SDL_SetHint(SDL_HINT_AUDIODRIVER, name.c_str());
    }
}

OutputStart SdlMixerLibrary::init(int mix_rate, int channels) {
    if (open_) return {false, "the sound output is already open"};
    // SDL must leave SIGINT and SIGTERM to the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return {false, sdl_reason(SDL_GetError())};
    // A driver can initialise and still fail to open its device, so the open is checked too.
    // No format change is allowed: the mix runs at exactly the rate asked for and SDL converts
    // for the device if it must.
    if (Mix_OpenAudioDevice(mix_rate, AUDIO_S16SYS, kSpeakerChannels, kBufferFrames, nullptr, 0) !=
        0) {
        std::string reason = sdl_reason(Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return {false, reason};
    }
    if (Mix_AllocateChannels(channels) != channels) {
        std::string reason = sdl_reason(Mix_GetError());
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return {false, reason};
    }
    open_ = true;
    return {true, {}};
}

SampleHandle SdlMixerLibrary::load(const std::string& path) {
    if (!open_) return {};
    Mix_Chunk* loaded = Mix_LoadWAV(path.c_str());
    if (loaded == nullptr) return {};
    chunks_.push_back(loaded);
    return {static_cast<std::uint32_t>(chunks_.size())};
}

Mix_Chunk* SdlMixerLibrary::chunk(SampleHandle sample) const {
    if (sample.empty() || sample.id > chunks_.size()) return nullptr;
    return chunks_[sample.id - 1];
}

bool SdlMixerLibrary::play(SampleHandle sample) {
    Mix_Chunk* c = chunk(sample);
    if (!open_ || c == nullptr) return false;
    // -1: any free channel. With all channels busy the mixer refuses and the request is dropped.
    return Mix_PlayChannel(-1, c, 0) >= 0;
}

void SdlMixerLibrary::stop_all() {
    if (open_) Mix_HaltChannel(-1);
}

void SdlMixerLibrary::free(SampleHandle sample) {
    Mix_Chunk* c = chunk(sample);
    if (c == nullptr) return;
    Mix_FreeChunk(c);  // stops any channel still playing it first
    chunks_[sample.id - 1] = nullptr;
}

void SdlMixerLibrary::close() {
    for (std::uint32_t id = 1; id <= chunks_.size(); ++id)
        free({id});
    if (!open_) return;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

int SdlMixerLibrary::playing() const {
    return open_ ? Mix_Playing(-1) : 0;
}

}  // namespace gorvo::platform
