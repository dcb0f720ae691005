// The sound library over SDL2 + SDL2_mixer. One instance per process: SDL's audio is global.
// Samples are decoded into the mixer's format when loaded, so playing one is a single call into
// the mixer with no file access and no wait for the device.
//
// The two libraries are opened when an output is first chosen or opened, not when the instance
// is made: a game without sound never loads them. When they cannot be opened, init() fails with
// the loader's reason.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sound_library.h"

struct Mix_Chunk;

namespace gorvo::platform {

class SdlLibraries;
struct SdlFunctions;
struct SdlMixerFunctions;

class SdlMixerLibrary final : public SoundLibrary {
  public:
    // Frames per device buffer at the mix rate of 22050 Hz: about 20 ms. Measured through a
    // sound server: 384 frames let the sound break up now and then, 512 make a sound come out up
    // to 42 ms after the game asked for it; this keeps both inside what a player notices.
    static constexpr int kBufferFrames = 448;

    // Where SDL and the mixer come from; called when they are first needed.
    using Open = const SdlLibraries& (*)();

    SdlMixerLibrary();
    explicit SdlMixerLibrary(Open open_libraries);
    ~SdlMixerLibrary() override;
    SdlMixerLibrary(const SdlMixerLibrary&) = delete;
    SdlMixerLibrary& operator=(const SdlMixerLibrary&) = delete;

    void set_output(SoundBackend backend) override;
    OutputStart init(int mix_rate, int channels) override;
    SampleHandle load(const std::string& path) override;
    bool play(SampleHandle sample) override;
    void stop_all() override;
    void free(SampleHandle sample) override;
    // Frees whatever is still loaded, then closes the device.
    void close() override;

    bool is_open() const { return open_; }
    // How many channels are sounding right now (0 when closed).
    int playing() const;

    // SDL's driver names for a back-end on this platform, in the order they are tried.
    static std::string_view driver_name(SoundBackend backend);

  private:
    Mix_Chunk* chunk(SampleHandle sample) const;
    // The reason to give when the audio subsystem did not start for the chosen back-end.
    std::string init_failure() const;
    // Opens the libraries on first use; false when they are missing.
    bool loaded();

    Open open_libraries_;
    const SdlFunctions* sdl_ = nullptr;
    const SdlMixerFunctions* mix_ = nullptr;
    bool open_ = false;
    std::optional<SoundBackend> backend_;  // none until set_output
    // Handle id n is chunks_[n - 1]; a freed slot stays as nullptr so ids are never reused.
    std::vector<Mix_Chunk*> chunks_;
};

}  // namespace gorvo::platform
