// Game controllers through SDL's game-controller layer. Only that part of SDL is started (with
// the event queue it brings), never its video, and SDL is told to leave the process's signals
// alone. Pads are opened as SDL reports them plugged in, including those present at start,
// and closed when they are unplugged.
//
// SDL is opened when the first source is made (sdl_library.h); without it the source reports
// itself not available, with the loader's reason.
//
// SDL offers no file descriptor to wait on, so plugging a pad in is noticed by polling: the
// caller polls slowly while no pad is open and fast while one is.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/gamepad_source.h"

typedef struct _SDL_GameController SDL_GameController;

namespace gorvo::platform {

class SdlLibraries;
struct SdlFunctions;

class SdlControllerSource : public ControllerSource {
  public:
    // Over the process's SDL.
    SdlControllerSource();
    explicit SdlControllerSource(const SdlLibraries& libraries);
    ~SdlControllerSource() override;
    SdlControllerSource(const SdlControllerSource&) = delete;
    SdlControllerSource& operator=(const SdlControllerSource&) = delete;

    bool available() const override { return started_; }
    std::string reason() const override { return reason_; }
    // Linux creates an event device here for every controller plugged in.
    std::string device_folder() const override { return "/dev/input"; }
    void poll(std::vector<PadEvent>& out) override;
    int open_count() const override { return static_cast<int>(pads_.size()); }

  private:
    void open(int device_index, std::vector<PadEvent>& out);
    void close(int instance, std::vector<PadEvent>& out);

    const SdlFunctions* sdl_ = nullptr;  // set when started
    bool started_ = false;
    std::string reason_;
    std::map<int, SDL_GameController*> pads_;  // by SDL's instance id
};

}  // namespace gorvo::platform
