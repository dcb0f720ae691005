// The built-in picture of the game menu button's background: a black title band with the
// three-line menu symbol and the title, over a translucent black panel for the menu's entries.
#pragma once

#include "core/picture.h"

namespace gorvo::ui {

// 256 x 512 with alpha: rows 0..31 opaque, the rest black at alpha 204.
PicturePtr game_menu_picture();

}  // namespace gorvo::ui
