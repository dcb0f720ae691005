// The sound library over SDL2 + SDL2_mixer. One instance per process: SDL's audio is global.
// Samples are decoded into the mixer's format when loaded, so playing one is a single call into
// the mixer with no file access and no wait for the device.
#pragma once

#include <string_view>
#include <vector>

#include "platform/sound_library.h"

struct Mix_Chunk;

namespace gorvo::platform {

class SdlMixerLibrary final : public SoundLibrary {
  public:
    SdlMixerLibrary() = default;
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

    // SDL's driver name for a back-end on this platform; empty means SDL's own choice.
    static std::string_view driver_name(SoundBackend backend);

  private:
    Mix_Chunk* chunk(SampleHandle sample) const;

    bool open_ = false;
    // Handle id n is chunks_[n - 1]; a freed slot stays as nullptr so ids are never reused.
    std::vector<Mix_Chunk*> chunks_;
};

}  // namespace gorvo::platform
