#include "ui/window_placement.h"

namespace gorvo::ui {

namespace {

int centred_origin(int screen, int window) {
    const int origin = (screen - window) / 2;  // integer division truncates toward zero
    return origin < 0 ? 0 : origin;
}

}  // namespace

Placement centred(skin::ScreenSize screen, int width, int height) {
    return Placement{centred_origin(screen.width, width), centred_origin(screen.height, height),
                     width, height};
}

}  // namespace gorvo::ui
