#include "ui/key_choices.h"

namespace gorvo::ui {

namespace {

bool in_list(int choice) {
    return choice >= 1 && choice <= kKeyChoiceCount;
}

// The character of a digit or letter choice (1..36).
char character_of(int choice) {
    return choice <= 10 ? static_cast<char>('0' + choice - 1)
                        : static_cast<char>('A' + choice - 11);
}

struct NamedKey {
    const char* hint_name;
    const char* list_text;
    std::uint16_t code;
};

// Choices 37..44.
constexpr NamedKey kNamedKeys[] = {
    {"'up arrow' key", "<UP ARROW>", kCodeUp},
    {"'down arrow' key", "<DOWN ARROW>", kCodeDown},
    {"'left arrow' key", "<LEFT ARROW>", kCodeLeft},
    {"'right arrow' key", "<RIGHT ARROW>", kCodeRight},
    {"'alt' key", "<ALT>", kCodeAlt},
    {"'ctrl' key", "<CTRL>", kCodeCtrl},
    {"'shift' key", "<SHIFT>", kCodeShift},
    {"'spacebar'", "<SPACEBAR>", kCodeSpace},
};

const NamedKey& named_key(int choice) {
    return kNamedKeys[choice - 37];
}

}  // namespace

std::string key_choice_name(int choice) {
    if (!in_list(choice)) return {};
    if (choice <= 36) return std::string{'\'', character_of(choice), '\''};
    return named_key(choice).hint_name;
}

std::string key_choice_list_text(int choice) {
    if (!in_list(choice)) return {};
    if (choice <= 36) return std::string(1, character_of(choice));
    return named_key(choice).list_text;
}

std::uint16_t key_choice_code(int choice) {
    if (!in_list(choice)) return 0;
    if (choice <= 36) return static_cast<std::uint16_t>(character_of(choice));
    return named_key(choice).code;
}

void AssignWord(KeyBindings& bindings, int slot, const KeyBinding& record) {
    KeyBinding& b = bindings[static_cast<std::size_t>(slot - 1)];
    b.choice = record.choice;
    if (in_list(record.choice)) b.code = key_choice_code(record.choice);
}

KeyBindings default_key_bindings() {
    KeyBindings bindings{};
    for (int slot = 1; slot <= kControlCount; ++slot) {
        AssignWord(bindings, slot, KeyBinding{kDefaultKeyChoices[slot - 1], 0});
    }
    return bindings;
}

KeyBindings load_key_bindings(SettingsStore& settings) {
    KeyBindings bindings{};
    std::array<int, kControlCount> choices{};
    for (int slot = 1; slot <= kControlCount; ++slot) {
        const int fallback = kDefaultKeyChoices[slot - 1];
        const int read = settings.read_int(stored::kKeys[slot - 1].name, fallback);
        choices[slot - 1] = in_list(read) ? read : fallback;
    }
    for (int slot = 1; slot <= kControlCount; ++slot) {
        settings.write_int(stored::kKeys[slot - 1].name, choices[slot - 1]);
        AssignWord(bindings, slot, KeyBinding{choices[slot - 1], 0});
    }
    return bindings;
}

std::optional<Control> control_for_code(const KeyBindings& bindings, std::uint16_t code) {
    if (code == 0) return std::nullopt;
    for (int i = 0; i < kControlCount; ++i) {
        if (bindings[i].code == code) return static_cast<Control>(i);
    }
    return std::nullopt;
}

}  // namespace gorvo::ui
