// SDL2 and SDL2_mixer opened at run time, when sound or pads are first wanted, instead of being
// linked into the program: the two libraries bring some forty more with them (sound servers,
// codecs, synthesisers, window systems), and having the loader bind all of those at every start
// costs a fifth of the time to the first frame. The headers are still used for types and
// constants; every call goes through one of the tables below.
//
// A library that is opened is never closed again: SDL keeps threads and global state that must
// not disappear while anything could still call in.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

// Mix_LoadWAV and Mix_PlayChannel are macros before 2.6 and would not be exported.
static_assert(SDL_MIXER_VERSION_ATLEAST(2, 6, 0), "SDL2_mixer 2.6 or newer is needed");

namespace gorvo::platform {

inline constexpr const char* kSdlFile = "libSDL2-2.0.so.0";
inline constexpr const char* kSdlMixerFile = "libSDL2_mixer-2.0.so.0";

// The SDL functions the program calls, typed as the headers declare them. The member is the
// exported name without its "SDL_" prefix.
#define GORVO_SDL_FUNCTIONS(X)   \
    X(SetHint)                   \
    X(ResetHint)                 \
    X(InitSubSystem)             \
    X(QuitSubSystem)             \
    X(GetError)                  \
    X(PollEvent)                 \
    X(GameControllerOpen)        \
    X(GameControllerClose)       \
    X(GameControllerGetJoystick) \
    X(JoystickInstanceID)

// The same for SDL2_mixer, without the "Mix_" prefix. Its errors are SDL's (Mix_GetError is
// only another name for SDL_GetError).
#define GORVO_SDL_MIXER_FUNCTIONS(X) \
    X(OpenAudioDevice)               \
    X(CloseAudio)                    \
    X(AllocateChannels)              \
    X(LoadWAV)                       \
    X(FreeChunk)                     \
    X(PlayChannel)                   \
    X(HaltChannel)                   \
    X(Playing)

struct SdlFunctions {
#define GORVO_SDL_MEMBER(name) decltype(&::SDL_##name) name = nullptr;
    GORVO_SDL_FUNCTIONS(GORVO_SDL_MEMBER)
#undef GORVO_SDL_MEMBER
};

struct SdlMixerFunctions {
#define GORVO_SDL_MIXER_MEMBER(name) decltype(&::Mix_##name) name = nullptr;
    GORVO_SDL_MIXER_FUNCTIONS(GORVO_SDL_MIXER_MEMBER)
#undef GORVO_SDL_MIXER_MEMBER
};

// SDL, and the mixer when asked for, opened by file name with every function looked up.
class SdlLibraries {
  public:
    // Opens sdl_file; then mixer_file unless it is null. Never throws: what went wrong is kept
    // in error().
    SdlLibraries(const char* sdl_file, const char* mixer_file);

    // Null unless the library opened and all of its functions were found.
    const SdlFunctions* sdl() const { return sdl_ok_ ? &sdl_ : nullptr; }
    const SdlMixerFunctions* mixer() const { return mixer_ok_ ? &mixer_ : nullptr; }
    // Which library failed and the system's reason; empty when everything asked for is there.
    const std::string& error() const { return error_; }

  private:
    SdlFunctions sdl_;
    SdlMixerFunctions mixer_;
    bool sdl_ok_ = false;
    bool mixer_ok_ = false;
    std::string error_;
};

// The process's SDL alone, opened on the first call (pads need nothing more).
const SdlLibraries& sdl_libraries();
// The process's SDL and SDL2_mixer, opened on the first call (the sound output).
const SdlLibraries& sdl_mixer_libraries();

}  // namespace gorvo::platform
