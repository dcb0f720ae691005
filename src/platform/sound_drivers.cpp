#include "platform/sound_drivers.h"

#include <array>

namespace gorvo::platform {

namespace {

#ifdef _WIN32
constexpr std::array<SoundDriver, 3> kDrivers{{
    {0, "Microsoft DirectSound", SoundBackend::Preferred},
    {1, "Windows MultiMedia", SoundBackend::Direct},
    {2, "(no sound)", std::nullopt},
}};
#else
constexpr std::array<SoundDriver, 3> kDrivers{{
    {0, "Sound server (PipeWire / PulseAudio)", SoundBackend::Preferred},
    {1, "ALSA direct", SoundBackend::Direct},
    {2, "(no sound)", std::nullopt},
}};
#endif

}  // namespace

std::span<const SoundDriver> sound_drivers() {
    return kDrivers;
}

const SoundDriver* sound_driver_for_mode(int sound_mode) {
    for (const SoundDriver& d : kDrivers) {
        if (d.sound_mode == sound_mode) return &d;
    }
    return nullptr;
}

}  // namespace gorvo::platform
