#include "ui/button_hints.h"

namespace gorvo::ui {

namespace {

// name(Kn): the display name of the key bound in slot n.
std::string name(const KeyBindings& bindings, int slot) {
    return key_choice_name(bindings[static_cast<std::size_t>(slot - 1)].choice);
}

std::string click_or_press(const KeyBindings& bindings, int slot) {
    return "click or press " + name(bindings, slot);
}

}  // namespace

ButtonHints Vid_Set_Button_Hints(const KeyBindings& k) {
    ButtonHints hints;
    hints[im_background_closed] = click_or_press(k, 4) + " " + "to open the game";
    hints[btn_game_a_top] = click_or_press(k, 1) + " " + "to start game A (hold to view highscore)";
    hints[btn_game_b_top] = click_or_press(k, 2) + " " + "to start game B (hold to view highscore)";
    hints[btn_time_top] =
        click_or_press(k, 3) + " " + "to view current time (hold to view alarm time)";
    hints[btn_acl_top] = click_or_press(k, 4) + " " + "to reset the game";
    hints[btn_alarm_top] = "button disabled";
    hints[btn_cross_top] = "activate the controller overlays or use " + name(k, 5) + ", " +
                           name(k, 6) + ", " + name(k, 7) + ", " + name(k, 8);
    hints[btn_jump_top] = click_or_press(k, 9);
    hints[btn_ctrlr_overlay_up] = click_or_press(k, 5);
    hints[btn_ctrlr_overlay_left] = click_or_press(k, 6);
    hints[btn_ctrlr_overlay_right] = click_or_press(k, 7);
    hints[btn_ctrlr_overlay_down] = click_or_press(k, 8);
    return hints;
}

}  // namespace gorvo::ui
