#include "platform/sdl_library.h"

#include <dlfcn.h>

namespace gorvo::platform {

namespace {

std::string dl_reason() {
    const char* text = dlerror();
    return text != nullptr && *text != '\0' ? text : "no reason given by the system";
}

// RTLD_LOCAL: SDL's symbols stay out of the global scope, so nothing else in the process binds
// to them by accident. A library already in the process (a test that links SDL itself) is
// found by its name and shared, not loaded twice.
void* open_library(const char* file, std::string& error) {
    void* handle = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) error = std::string(file) + " could not be loaded: " + dl_reason();
    return handle;
}

template <class Function>
bool find(void* handle, const char* file, const char* symbol, Function& out, std::string& error) {
    dlerror();  // a stale message must not be taken for this look-up's
    void* address = dlsym(handle, symbol);
    if (address == nullptr) {
        error = std::string(file) + " has no " + symbol + ": " + dl_reason();
        return false;
    }
    out = reinterpret_cast<Function>(address);
    return true;
}

}  // namespace

SdlLibraries::SdlLibraries(const char* sdl_file, const char* mixer_file) {
    void* sdl = open_library(sdl_file, error_);
    if (sdl == nullptr) return;
    bool found = true;
#define GORVO_SDL_FIND(name) found = found && find(sdl, sdl_file, "SDL_" #name, sdl_.name, error_);
    GORVO_SDL_FUNCTIONS(GORVO_SDL_FIND)
#undef GORVO_SDL_FIND
    sdl_ok_ = found;
    if (!sdl_ok_ || mixer_file == nullptr) return;

    void* mixer = open_library(mixer_file, error_);
    if (mixer == nullptr) return;
#define GORVO_SDL_MIXER_FIND(name) \
    found = found && find(mixer, mixer_file, "Mix_" #name, mixer_.name, error_);
    GORVO_SDL_MIXER_FUNCTIONS(GORVO_SDL_MIXER_FIND)
#undef GORVO_SDL_MIXER_FIND
    mixer_ok_ = found;
}

// Function-local statics: the first caller opens, any caller at the same time waits for it.
const SdlLibraries& sdl_libraries() {
    static const SdlLibraries libraries(kSdlFile, nullptr);
    return libraries;
}

const SdlLibraries& sdl_mixer_libraries() {
    static const SdlLibraries libraries(kSdlFile, kSdlMixerFile);
    return libraries;
}

}  // namespace gorvo::platform
