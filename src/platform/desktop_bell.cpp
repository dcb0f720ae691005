#include "platform/desktop_bell.h"

#include <dlfcn.h>

#include <cstdint>

namespace gorvo::platform {

// libcanberra's interface, declared here as its header declares it: the library is opened at
// run time, and these four calls are all the bell needs. Their form has not changed since the
// library's soname was set.
struct ca_context;

struct CanberraFunctions {
    int (*context_create)(ca_context**) = nullptr;
    int (*context_change_props)(ca_context*, ...) = nullptr;  // name, value, ..., null
    int (*context_play)(ca_context*, std::uint32_t, ...) = nullptr;
    const char* (*strerror)(int) = nullptr;
    ca_context* context = nullptr;
};

namespace {

constexpr int kSuccess = 0;  // CA_SUCCESS
constexpr const char* kEnd = nullptr;
// The theme's event for the desktop's own bell; a theme without it falls back to its "bell".
constexpr const char* kBellEvent = "bell-window-system";

std::string dl_reason() {
    const char* text = dlerror();
    return text != nullptr && *text != '\0' ? text : "no reason given by the system";
}

template <class Function>
bool find(void* library, const char* file, const char* symbol, Function& out, std::string& error) {
    dlerror();  // a stale message must not be taken for this look-up's
    void* address = dlsym(library, symbol);
    if (address == nullptr) {
        error = std::string(file) + " has no " + symbol + ": " + dl_reason();
        return false;
    }
    out = reinterpret_cast<Function>(address);
    return true;
}

}  // namespace

Canberra::Canberra(const char* file) : functions_(std::make_unique<CanberraFunctions>()) {
    void* library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        error_ = std::string(file) + " could not be loaded: " + dl_reason();
        return;
    }
    CanberraFunctions& f = *functions_;
    if (!find(library, file, "ca_context_create", f.context_create, error_) ||
        !find(library, file, "ca_context_change_props", f.context_change_props, error_) ||
        !find(library, file, "ca_context_play", f.context_play, error_) ||
        !find(library, file, "ca_strerror", f.strerror, error_)) {
        return;
    }
    // The context finds the sound server (or device) when the first sound is played, and looks
    // again at every later sound for as long as it has none.
    if (const int code = f.context_create(&f.context); code != kSuccess) {
        error_ = std::string("no event sound context: ") + f.strerror(code);
        return;
    }
    // How the desktop's sound settings name the sounds of this program.
    f.context_change_props(f.context, "application.name", "Gorvo250", kEnd);
    ok_ = true;
}

Canberra::~Canberra() = default;

// A function-local static: the first caller opens, any caller at the same time waits for it.
// Never destroyed, so its context is neither closed nor lost at the end of the process.
const Canberra& process_canberra() {
    static const Canberra* const canberra = new Canberra(kCanberraFile);
    return *canberra;
}

bool DesktopBell::ring() {
    const Canberra& canberra = open_();
    const CanberraFunctions* f = canberra.functions();
    if (f == nullptr) {
        error_ = canberra.error();
        return false;
    }
    const int code = f->context_play(f->context, 0, "event.id", kBellEvent, "event.description",
                                     "High scores reset", kEnd);
    if (code != kSuccess) {
        error_ = std::string("the bell could not be played: ") + f->strerror(code);
        return false;
    }
    error_.clear();
    return true;
}

}  // namespace gorvo::platform
