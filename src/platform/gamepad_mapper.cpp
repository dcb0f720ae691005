#include "platform/gamepad_mapper.h"

#include <cstdlib>
#include <utility>

namespace gorvo::platform {

namespace {

// How far the stick is pushed towards a direction; negative when pushed away from it.
int deflection_towards(Control direction, int x, int y) {
    switch (direction) {
        case Control::Right:
            return x;
        case Control::Left:
            return -x;
        case Control::Down:
            return y;
        case Control::Up:
            return -y;
        default:
            return 0;
    }
}

// The direction the stick is pushed furthest towards, if it is pushed far enough to press.
std::optional<Control> pushed_direction(int x, int y) {
    const int ax = std::abs(x);
    const int ay = std::abs(y);
    if (ax < GamepadMapper::kStickPress && ay < GamepadMapper::kStickPress) return std::nullopt;
    if (ax >= ay) return x > 0 ? Control::Right : Control::Left;
    return y > 0 ? Control::Down : Control::Up;
}

}  // namespace

GamepadMapper::GamepadMapper(Action action) : action_(std::move(action)) {}

std::optional<Control> GamepadMapper::control_of(PadButton button) {
    switch (button) {
        case PadButton::South:
            return Control::Jump;
        case PadButton::Start:
            return Control::GameA;
        case PadButton::Back:
            return Control::GameB;
        case PadButton::North:
            return Control::Time;
        case PadButton::West:
            return Control::Acl;
        case PadButton::DpadUp:
            return Control::Up;
        case PadButton::DpadDown:
            return Control::Down;
        case PadButton::DpadLeft:
            return Control::Left;
        case PadButton::DpadRight:
            return Control::Right;
        default:
            return std::nullopt;
    }
}

bool GamepadMapper::handle(const PadEvent& event) {
    switch (event.type) {
        case PadEvent::Type::Added:
            return false;
        case PadEvent::Type::Removed: {
            auto found = pads_.find(event.pad);
            if (found == pads_.end()) return false;
            release_pad(found->second);
            pads_.erase(found);
            return false;
        }
        case PadEvent::Type::Button:
            on_button(pads_[event.pad], event.button, event.down);
            return event.down;
        case PadEvent::Type::Axis: {
            if (event.axis == PadAxis::Other) return false;
            Pad& pad = pads_[event.pad];
            (event.axis == PadAxis::LeftX ? pad.x : pad.y) = event.value;
            on_stick(pad);
            return std::abs(event.value) >= kStickRelease;
        }
    }
    return false;
}

void GamepadMapper::on_button(Pad& pad, PadButton button, bool down) {
    const std::optional<Control> control = control_of(button);
    if (!control) return;
    // A repeated press or a release of a button pressed while the window was not listening
    // changes nothing: only the first press and its matching release reach the game.
    if (down) {
        if (pad.buttons.insert(button).second) hold(*control);
    } else if (pad.buttons.erase(button) != 0) {
        let_go(*control);
    }
}

void GamepadMapper::on_stick(Pad& pad) {
    if (pad.stick) {
        if (deflection_towards(*pad.stick, pad.x, pad.y) >= kStickRelease) return;
        let_go(*pad.stick);
        pad.stick.reset();
    }
    pad.stick = pushed_direction(pad.x, pad.y);
    if (pad.stick) hold(*pad.stick);
}

void GamepadMapper::release_pad(Pad& pad) {
    for (PadButton button : pad.buttons)
        let_go(*control_of(button));
    pad.buttons.clear();
    if (pad.stick) let_go(*pad.stick);
    pad = Pad{};
}

void GamepadMapper::release_all() {
    for (auto& [id, pad] : pads_)
        release_pad(pad);
    pads_.clear();
}

bool GamepadMapper::holds_anything() const {
    for (int n : holders_) {
        if (n > 0) return true;
    }
    return false;
}

void GamepadMapper::hold(Control c) {
    if (holders_[index(c)]++ == 0) action_(c, true);
}

void GamepadMapper::let_go(Control c) {
    if (--holders_[index(c)] == 0) action_(c, false);
}

}  // namespace gorvo::platform
