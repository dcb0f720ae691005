#include "platform/gamepad_sdl.h"

#include "platform/sdl_library.h"

namespace gorvo::platform {

namespace {

PadButton button_of(Uint8 sdl_button) {
    switch (sdl_button) {
        case SDL_CONTROLLER_BUTTON_A:
            return PadButton::South;
        case SDL_CONTROLLER_BUTTON_B:
            return PadButton::East;
        case SDL_CONTROLLER_BUTTON_X:
            return PadButton::West;
        case SDL_CONTROLLER_BUTTON_Y:
            return PadButton::North;
        case SDL_CONTROLLER_BUTTON_BACK:
            return PadButton::Back;
        case SDL_CONTROLLER_BUTTON_START:
            return PadButton::Start;
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return PadButton::DpadUp;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return PadButton::DpadDown;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return PadButton::DpadLeft;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return PadButton::DpadRight;
        default:
            return PadButton::Other;
    }
}

PadAxis axis_of(Uint8 sdl_axis) {
    switch (sdl_axis) {
        case SDL_CONTROLLER_AXIS_LEFTX:
            return PadAxis::LeftX;
        case SDL_CONTROLLER_AXIS_LEFTY:
            return PadAxis::LeftY;
        default:
            return PadAxis::Other;
    }
}

}  // namespace

SdlControllerSource::SdlControllerSource() : SdlControllerSource(sdl_libraries()) {}

SdlControllerSource::SdlControllerSource(const SdlLibraries& libraries) {
    const SdlFunctions* sdl = libraries.sdl();
    if (sdl == nullptr) {
        reason_ = libraries.error();
        return;
    }
    sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Without SDL video there is no window for SDL to watch; the program decides itself when
    // pad input counts.
    sdl->SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (sdl->InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        const char* why = sdl->GetError();
        reason_ = why != nullptr && *why != '\0' ? why : "the game controller layer did not start";
        return;
    }
    sdl_ = sdl;
    started_ = true;
}

SdlControllerSource::~SdlControllerSource() {
    if (!started_) return;
    for (auto& [id, pad] : pads_)
        sdl_->GameControllerClose(pad);
    pads_.clear();
    sdl_->QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlControllerSource::poll(std::vector<PadEvent>& out) {
    if (!started_) return;
    SDL_Event e;
    while (sdl_->PollEvent(&e) != 0) {
        switch (e.type) {
            case SDL_CONTROLLERDEVICEADDED:
                open(e.cdevice.which, out);
                break;
            case SDL_CONTROLLERDEVICEREMOVED:
                close(e.cdevice.which, out);
                break;
            case SDL_CONTROLLERBUTTONDOWN:
            case SDL_CONTROLLERBUTTONUP:
                if (pads_.count(e.cbutton.which) == 0) break;
                out.push_back({PadEvent::Type::Button, e.cbutton.which, button_of(e.cbutton.button),
                               e.type == SDL_CONTROLLERBUTTONDOWN});
                break;
            case SDL_CONTROLLERAXISMOTION:
                if (pads_.count(e.caxis.which) == 0) break;
                out.push_back(PadEvent::move(e.caxis.which, axis_of(e.caxis.axis), e.caxis.value));
                break;
            default:
                break;  // joystick-level and other subsystems' events: not ours to act on
        }
    }
}

void SdlControllerSource::open(int device_index, std::vector<PadEvent>& out) {
    SDL_GameController* pad = sdl_->GameControllerOpen(device_index);
    if (pad == nullptr) return;  // gone again before it could be opened
    const int instance = sdl_->JoystickInstanceID(sdl_->GameControllerGetJoystick(pad));
    if (!pads_.emplace(instance, pad).second) {
        // Already open: SDL reports pads present at start once more. The second open only
        // added a reference.
        sdl_->GameControllerClose(pad);
        return;
    }
    out.push_back(PadEvent::added(instance));
}

void SdlControllerSource::close(int instance, std::vector<PadEvent>& out) {
    auto found = pads_.find(instance);
    if (found == pads_.end()) return;
    sdl_->GameControllerClose(found->second);
    pads_.erase(found);
    out.push_back(PadEvent::removed(instance));
}

}  // namespace gorvo::platform
