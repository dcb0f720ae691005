#include "replay/actions.h"

namespace gorvo::replay {

static_assert(press_action(Control::GameA) == Action::game_a_down);
static_assert(release_action(Control::GameB) == Action::game_b_up);
static_assert(press_action(Control::Jump) == Action::jump_down);
static_assert(release_action(Control::Jump) == Action::jump_up);

void apply_action(Handheld& hh, const ScriptEvent& e) {
    const Action a = e.action;
    const int index = static_cast<int>(a);
    if (index < 2 * kControlCount) {
        const auto control = static_cast<Control>(index / 2);
        if (index % 2 == 0) {
            hh.press(control);
        } else {
            hh.release(control);
        }
        return;
    }
    switch (a) {
        case Action::open:
            // A hidden image takes no click.
            if (hh.images().visible(im_background_closed)) hh.im_background_closedClick();
            return;
        case Action::reset_hiscores:
            hh.reset_hiscores();
            return;
        case Action::overlay:
            hh.set_ctrlr_overlay(e.value != 0);
            return;
        default:
            return;  // the clock, the notes and `end` are the runner's
    }
}

}  // namespace gorvo::replay
