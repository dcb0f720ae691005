// The sound library as the game uses it: seven operations and nothing else. The real one runs
// over SDL2_mixer (sound_sdl_mixer.h); tests put a counting fake in its place.
#pragma once

#include <cstdint>
#include <string>

namespace gorvo::platform {

// The two output back-ends the player can choose between (list positions 0 and 1).
enum class SoundBackend {
    Preferred,  // the desktop's own sound path: its sound server, or DirectSound on Windows
    Direct,     // straight to the device: ALSA, or Windows multimedia output
};

// A sample loaded into memory. The empty handle stands for a load that failed; every operation
// accepts it and does nothing with it.
struct SampleHandle {
    std::uint32_t id = 0;
    bool empty() const { return id == 0; }
    friend bool operator==(SampleHandle, SampleHandle) = default;
};

struct OutputStart {
    bool ok = false;
    std::string error;  // the system's reason when !ok
};

class SoundLibrary {
  public:
    virtual ~SoundLibrary() = default;
    // Chooses the back-end that init() opens.
    virtual void set_output(SoundBackend backend) = 0;
    // Opens the output with the given mixing rate and number of simultaneous sounds.
    virtual OutputStart init(int mix_rate, int channels) = 0;
    // Reads a WAV file completely into memory; empty handle when it cannot.
    virtual SampleHandle load(const std::string& path) = 0;
    // Starts the sample on a free channel, leaving the others alone. False when it did not start
    // (empty handle, nothing open, or every channel busy: the request is dropped).
    virtual bool play(SampleHandle sample) = 0;
    // Stops every channel at once.
    virtual void stop_all() = 0;
    virtual void free(SampleHandle sample) = 0;
    // Closes the output. Harmless when nothing was opened.
    virtual void close() = 0;
};

}  // namespace gorvo::platform
