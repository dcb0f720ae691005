#include "platform/sound_sdl_mixer.h"

#include <cstdlib>
#include <string>

#include "platform/sdl_library.h"

namespace gorvo::platform {

namespace {

constexpr int kSpeakerChannels = 2;

std::string sdl_reason(const char* text) {
    std::string reason = text != nullptr ? text : "";
    return reason.empty() ? "no reason given by the system" : reason;
}

// The name the desktop's sound settings show for the game's sound.
constexpr const char* kAppName = "Gorvo250";

#ifndef _WIN32
// What SDL's error says when the sound servers are the only drivers allowed and none of them
// could be reached; SDL itself only keeps the last server's own words, which name a library
// call and not the problem.
constexpr const char* kNoServerReason = "no sound server (PipeWire or PulseAudio) answered";

// A driver named by the user in the environment wins over the one the game names.
bool driver_named_by_user() {
    const char* named = std::getenv("SDL_AUDIODRIVER");
    return named != nullptr && *named != '\0';
}
#endif

}  // namespace

SdlMixerLibrary::SdlMixerLibrary() : SdlMixerLibrary(&sdl_mixer_libraries) {}

SdlMixerLibrary::SdlMixerLibrary(Open open_libraries) : open_libraries_(open_libraries) {}

SdlMixerLibrary::~SdlMixerLibrary() {
    close();
}

bool SdlMixerLibrary::loaded() {
    if (mix_ != nullptr) return true;
    const SdlLibraries& libraries = open_libraries_();
    if (libraries.sdl() == nullptr || libraries.mixer() == nullptr) return false;
    sdl_ = libraries.sdl();
    mix_ = libraries.mixer();
    return true;
}

std::string_view SdlMixerLibrary::driver_name(SoundBackend backend) {
#ifdef _WIN32
    return backend == SoundBackend::Preferred ? "directsound" : "winmm";
#else
    // The sound servers alone, in SDL's own order: PulseAudio's protocol is also spoken by
    // PipeWire's Pulse server, and SDL's PipeWire driver covers a PipeWire without it. Never a
    // fall-back to the device itself: that is the other choice, "ALSA direct", and a fall-back
    // would only fail on the device the server holds, with a message that hides the real cause.
    return backend == SoundBackend::Preferred ? "pulseaudio,pipewire" : "alsa";
#endif
}

void SdlMixerLibrary::set_output(SoundBackend backend) {
    // The driver has to be named through the hint: a name given to SDL_AudioInit is forgotten
    // when the mixer opens the device. A driver named in SDL_AUDIODRIVER by the user still wins.
    // Without the libraries there is no hint to set; init() reports why.
    if (!loaded()) return;
    backend_ = backend;
    const std::string name(driver_name(backend));
    sdl_->SetHint(SDL_HINT_AUDIODRIVER, name.c_str());
}

OutputStart SdlMixerLibrary::init(int mix_rate, int channels) {
    if (open_) return {false, "the sound output is already open"};
    if (!loaded()) return {false, open_libraries_().error()};
    // SDL must leave SIGINT and SIGTERM to the program.
    sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl_->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, kAppName);
    // Only a driver that reaches its server or device initialises, so a failure here with the
    // servers asked for means that none is running for this session.
    if (sdl_->InitSubSystem(SDL_INIT_AUDIO) != 0) return {false, init_failure()};
    // A driver can initialise and still fail to open its device, so the open is checked too.
    // No format change is allowed: the mix runs at exactly the rate asked for and SDL converts
    // for the device if it must.
    if (mix_->OpenAudioDevice(mix_rate, AUDIO_S16SYS, kSpeakerChannels, kBufferFrames, nullptr,
                              0) != 0) {
        std::string reason = sdl_reason(sdl_->GetError());
        sdl_->QuitSubSystem(SDL_INIT_AUDIO);
        return {false, reason};
    }
    if (mix_->AllocateChannels(channels) != channels) {
        std::string reason = sdl_reason(sdl_->GetError());
        mix_->CloseAudio();
        sdl_->QuitSubSystem(SDL_INIT_AUDIO);
        return {false, reason};
    }
    open_ = true;
    return {true, {}};
}

std::string SdlMixerLibrary::init_failure() const {
#ifndef _WIN32
    if (backend_ == SoundBackend::Preferred && !driver_named_by_user()) return kNoServerReason;
#endif
    return sdl_reason(sdl_->GetError());
}

SampleHandle SdlMixerLibrary::load(const std::string& path) {
    if (!open_) return {};
    Mix_Chunk* decoded = mix_->LoadWAV(path.c_str());
    if (decoded == nullptr) return {};
    chunks_.push_back(decoded);
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
    return mix_->PlayChannel(-1, c, 0) >= 0;
}

void SdlMixerLibrary::stop_all() {
    if (open_) mix_->HaltChannel(-1);
}

void SdlMixerLibrary::free(SampleHandle sample) {
    Mix_Chunk* c = chunk(sample);
    if (c == nullptr) return;
    mix_->FreeChunk(c);  // stops any channel still playing it first
    chunks_[sample.id - 1] = nullptr;
}

void SdlMixerLibrary::close() {
    for (std::uint32_t id = 1; id <= chunks_.size(); ++id)
        free({id});
    if (!open_) return;
    mix_->CloseAudio();
    sdl_->QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

int SdlMixerLibrary::playing() const {
    return open_ ? mix_->Playing(-1) : 0;
}

}  // namespace gorvo::platform
