// Records the presses and releases a mapper or bridge hands to the game, as "+Jump", "-Up".
#pragma once

#include <string>
#include <vector>

#include "core/handheld.h"
#include "platform/gamepad_mapper.h"

namespace gorvo::test {

inline const char* control_name(Control c) {
    static const char* const names[] = {"GameA", "GameB", "Time", "Acl", "Up",
                                        "Left",  "Right", "Down", "Jump"};
    return names[static_cast<int>(c)];
}

struct ActionLog {
    std::vector<std::string> actions;

    platform::GamepadMapper::Action sink() {
        return [this](Control c, bool pressed) {
            actions.push_back((pressed ? "+" : "-") + std::string(control_name(c)));
        };
    }
    // Everything logged since the last call.
    std::vector<std::string> take() {
        std::vector<std::string> out;
        out.swap(actions);
        return out;
    }
};

}  // namespace gorvo::test
