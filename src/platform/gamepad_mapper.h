// Turns pad events into presses and releases of the handheld's nine controls, exactly as the
// keyboard would make them: every press is followed by one release, never two presses in a
// row, so the game cannot tell a pad from the keys.
//
// Default layout: D-pad and left stick are the cross pad, South jumps, Start is Game A,
// Back is Game B, North is Time and West is ACL.
//
// The left stick presses a direction at half deflection and lets it go only below 30 % along
// that direction, so a stick resting near the threshold does not chatter; it holds one
// direction at a time, the one it was pushed furthest towards.
//
// A control may be held by several things at once: the D-pad and the stick of one pad, or two
// pads. The game sees the first of them press it and the last of them let it go, so a player
// who slides from D-pad to stick in the same direction keeps walking instead of stopping.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "core/handheld.h"
#include "platform/gamepad_source.h"

namespace gorvo::platform {

class GamepadMapper {
  public:
    using Action = std::function<void(Control, bool pressed)>;

    // Half deflection presses; below 30 % along the held direction lets go.
    static constexpr int kStickPress = 16384;
    static constexpr int kStickRelease = 9830;

    explicit GamepadMapper(Action action);

    // Acts on one event. True when the event shows a player at the pad (a button pressed or the
    // stick pushed), which keeps the screen awake.
    bool handle(const PadEvent& event);
    // Lets go of everything every pad holds and forgets the sticks' positions.
    void release_all();

    bool holds(Control c) const { return holders_[index(c)] > 0; }
    bool holds_anything() const;

    // The control a button stands for, if any.
    static std::optional<Control> control_of(PadButton button);

  private:
    struct Pad {
        std::set<PadButton> buttons;  // pressed buttons that stand for a control
        int x = 0;
        int y = 0;
        std::optional<Control> stick;  // the direction the stick holds
    };

    static std::size_t index(Control c) { return static_cast<std::size_t>(c); }
    void on_button(Pad& pad, PadButton button, bool down);
    void on_stick(Pad& pad);
    void release_pad(Pad& pad);
    void hold(Control c);
    void let_go(Control c);

    Action action_;
    std::map<int, Pad> pads_;
    std::array<int, kControlCount> holders_{};
};

}  // namespace gorvo::platform
