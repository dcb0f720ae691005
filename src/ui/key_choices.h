// The 44 keys a control can be bound to, their names and key codes, and the table of the nine
// bindings that the key handlers read. Qt-free: the key codes are those of the key choice list
// (the upper-case character for digits and letters, 16/17/18 shift/ctrl/alt, 32 space and
// 37..40 the arrows), whatever the platform reports.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/handheld.h"
#include "core/ports.h"
#include "core/stored_settings.h"

namespace gorvo::ui {

constexpr int kKeyChoiceCount = 44;

// Key codes that are not characters.
constexpr std::uint16_t kCodeShift = 16;
constexpr std::uint16_t kCodeCtrl = 17;
constexpr std::uint16_t kCodeAlt = 18;
constexpr std::uint16_t kCodeSpace = 32;
constexpr std::uint16_t kCodeLeft = 37;
constexpr std::uint16_t kCodeUp = 38;
constexpr std::uint16_t kCodeRight = 39;
constexpr std::uint16_t kCodeDown = 40;

// key_choice_names: the display name used in hints ("'5'", "'ctrl' key"); empty outside 1..44.
std::string key_choice_name(int choice);
// The text of the choice in the key settings lists ("5", "<CTRL>"); empty outside 1..44.
std::string key_choice_list_text(int choice);
// The key code of a choice; 0 outside 1..44.
std::uint16_t key_choice_code(int choice);

// Default choices of Key1..Key9, from the table of stored settings.
constexpr std::array<int, kControlCount> kDefaultKeyChoices = [] {
    std::array<int, kControlCount> choices{};
    for (int i = 0; i < kControlCount; ++i)
        choices[i] = stored::kKeys[i].default_value;
    return choices;
}();

struct KeyBinding {
    std::int32_t choice = 0;
    std::uint16_t code = 0;
};
// Slot k (1..9) is element k - 1, in the order of Control.
using KeyBindings = std::array<KeyBinding, kControlCount>;

// Sets slot's choice from the record, and its code when the choice is in 1..44 (a code is left
// as it was for a choice outside the list).
void AssignWord(KeyBindings& bindings, int slot, const KeyBinding& record);

KeyBindings default_key_bindings();

// The creation step: reads Key1..Key9 with their defaults (a choice outside 1..44 falls back to
// the slot's default), writes each back at once, and derives the codes.
KeyBindings load_key_bindings(SettingsStore& settings);

// The control of the first binding, in slot order, whose code equals `code`.
std::optional<Control> control_for_code(const KeyBindings& bindings, std::uint16_t code);

}  // namespace gorvo::ui
