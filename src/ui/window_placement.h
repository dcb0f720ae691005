// Where the main window goes: centred on the screen, or covering it. Qt-free.
#pragma once

#include "skin/skin_loader.h"

namespace gorvo::ui {

struct Placement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Placement&) const = default;
};

// Centre window: (screen − window) / 2 on each axis, truncated toward zero and raised to 0 when
// negative, so a window larger than the screen keeps its top-left corner visible. A fullscreen
// window is as large as the screen and so lands at 0,0.
Placement centred(skin::ScreenSize screen, int width, int height);

}  // namespace gorvo::ui
