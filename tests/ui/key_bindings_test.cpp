// The key choice list, the binding table read from the settings store, and the hint texts.
#include <gtest/gtest.h>

#include "support/fakes.h"
#include "ui/button_hints.h"
#include "ui/key_choices.h"

namespace gorvo::ui {
namespace {

TEST(KeyChoices, CodesFollowTheChoiceList) {
    EXPECT_EQ(key_choice_code(1), '0');
    EXPECT_EQ(key_choice_code(10), '9');
    EXPECT_EQ(key_choice_code(11), 'A');
    EXPECT_EQ(key_choice_code(36), 'Z');
    // The arrows are not in the order of their codes.
    EXPECT_EQ(key_choice_code(37), 38);  // up
    EXPECT_EQ(key_choice_code(38), 40);  // down
    EXPECT_EQ(key_choice_code(39), 37);  // left
    EXPECT_EQ(key_choice_code(40), 39);  // right
    EXPECT_EQ(key_choice_code(41), 18);  // alt
    EXPECT_EQ(key_choice_code(42), 17);  // ctrl
    EXPECT_EQ(key_choice_code(43), 16);  // shift
    EXPECT_EQ(key_choice_code(44), 32);  // spacebar
    EXPECT_EQ(key_choice_code(0), 0);
    EXPECT_EQ(key_choice_code(45), 0);
}

TEST(KeyChoices, NamesForHintsAndLists) {
    EXPECT_EQ(key_choice_name(1), "'0'");
    EXPECT_EQ(key_choice_name(6), "'5'");
    EXPECT_EQ(key_choice_name(11), "'A'");
    EXPECT_EQ(key_choice_name(37), "'up arrow' key");
    EXPECT_EQ(key_choice_name(40), "'right arrow' key");
    EXPECT_EQ(key_choice_name(42), "'ctrl' key");
    EXPECT_EQ(key_choice_name(44), "'spacebar'");
    EXPECT_EQ(key_choice_list_text(10), "9");
    EXPECT_EQ(key_choice_list_text(36), "Z");
    EXPECT_EQ(key_choice_list_text(38), "<DOWN ARROW>");
    EXPECT_EQ(key_choice_list_text(43), "<SHIFT>");
    EXPECT_EQ(key_choice_name(0), "");
    EXPECT_EQ(key_choice_list_text(-3), "");
}

TEST(KeyBindingTable, AssignWordLeavesTheCodeForAChoiceOutsideTheList) {
    KeyBindings b = default_key_bindings();
    AssignWord(b, 9, KeyBinding{41, 0});
    EXPECT_EQ(b[8].code, 18);
    AssignWord(b, 9, KeyBinding{45, 0});
    EXPECT_EQ(b[8].choice, 45);
    EXPECT_EQ(b[8].code, 18);
}

TEST(KeyBindingTable, FirstRunWritesTheNineDefaultsBack) {
    test::MemorySettings store;
    const KeyBindings b = load_key_bindings(store);
    const std::vector<std::string> expected{"Key1=2",  "Key2=3",  "Key3=4",  "Key4=6", "Key5=37",
                                            "Key6=39", "Key7=40", "Key8=38", "Key9=42"};
    EXPECT_EQ(store.writes, expected);
    const std::uint16_t codes[] = {'1', '2', '3', '5', 38, 37, 39, 40, 17};
    for (int i = 0; i < kControlCount; ++i)
        EXPECT_EQ(b[i].code, codes[i]) << "slot " << i + 1;
}

TEST(KeyBindingTable, StoredChoicesAreUsedAndAChoiceOutsideTheListFallsBack) {
    test::MemorySettings store;
    store.values = {{"Key1", "11"}, {"Key5", "45"}, {"Key9", "0"}, {"Key3", "junk"}};
    const KeyBindings b = load_key_bindings(store);
    EXPECT_EQ(b[0].code, 'A');
    EXPECT_EQ(b[4].choice, 37);
    EXPECT_EQ(b[4].code, 38);
    EXPECT_EQ(b[8].choice, 42);
    EXPECT_EQ(b[2].choice, 4);
    // The fallbacks are what is written back.
    EXPECT_EQ(store.values["Key5"], "37");
    EXPECT_EQ(store.values["Key9"], "42");
    EXPECT_EQ(store.values["Key1"], "11");
}

TEST(ButtonHintTexts, NameTheDefaultKeys) {
    const ButtonHints h = Vid_Set_Button_Hints(default_key_bindings());
    EXPECT_EQ(h[im_background_closed], "click or press '5' to open the game");
    EXPECT_EQ(h[btn_game_a_top], "click or press '1' to start game A (hold to view highscore)");
    EXPECT_EQ(h[btn_game_b_top], "click or press '2' to start game B (hold to view highscore)");
    EXPECT_EQ(h[btn_time_top], "click or press '3' to view current time (hold to view alarm time)");
    EXPECT_EQ(h[btn_acl_top], "click or press '5' to reset the game");
    EXPECT_EQ(h[btn_alarm_top], "button disabled");
    EXPECT_EQ(h[btn_cross_top],
              "activate the controller overlays or use 'up arrow' key, 'left arrow' key, "
              "'right arrow' key, 'down arrow' key");
    EXPECT_EQ(h[btn_jump_top], "click or press 'ctrl' key");
    EXPECT_EQ(h[btn_ctrlr_overlay_up], "click or press 'up arrow' key");
    EXPECT_EQ(h[btn_ctrlr_overlay_left], "click or press 'left arrow' key");
    EXPECT_EQ(h[btn_ctrlr_overlay_right], "click or press 'right arrow' key");
    EXPECT_EQ(h[btn_ctrlr_overlay_down], "click or press 'down arrow' key");
    EXPECT_EQ(h[im_background_open], "");
    EXPECT_EQ(h[im_tobo_01_08], "");
}

TEST(ButtonHintTexts, FollowChangedBindings) {
    KeyBindings b = default_key_bindings();
    AssignWord(b, 9, KeyBinding{11, 0});
    AssignWord(b, 1, KeyBinding{44, 0});
    AssignWord(b, 4, KeyBinding{26, 0});
    AssignWord(b, 6, KeyBinding{41, 0});
    const ButtonHints h = Vid_Set_Button_Hints(b);
    EXPECT_EQ(h[btn_jump_top], "click or press 'A'");
    EXPECT_EQ(h[btn_game_a_top],
              "click or press 'spacebar' to start game A (hold to view highscore)");
    EXPECT_EQ(h[im_background_closed], "click or press 'P' to open the game");
    EXPECT_EQ(h[btn_acl_top], "click or press 'P' to reset the game");
    EXPECT_EQ(h[btn_ctrlr_overlay_left], "click or press 'alt' key");
    EXPECT_EQ(h[btn_cross_top],
              "activate the controller overlays or use 'up arrow' key, 'alt' key, "
              "'right arrow' key, 'down arrow' key");
}

}  // namespace
}  // namespace gorvo::ui
