// Vid_Set_Button_Hints: the hint texts of the case and its buttons, naming the bound keys.
#pragma once

#include <array>
#include <string>

#include "core/image_ids.h"
#include "ui/key_choices.h"

namespace gorvo::ui {

// One text per image; empty for the images that have no hint.
using ButtonHints = std::array<std::string, kImageCount>;

ButtonHints Vid_Set_Button_Hints(const KeyBindings& bindings);

}  // namespace gorvo::ui
