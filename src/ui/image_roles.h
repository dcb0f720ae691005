// What each image of the main window does with the mouse, and which image the pointer is on.
// Qt-free: the main window turns its mouse events into these.
#pragma once

#include <optional>

#include "core/handheld.h"
#include "core/images.h"

namespace gorvo::ui {

// The topmost visible image whose rectangle holds the point, whether or not its picture has a
// pixel there; kNoImage over no image.
ImageId image_at(const Images& images, int x, int y);

// The control an on-screen button presses: the five _top buttons and the four overlay buttons.
std::optional<Control> button_control(ImageId id);

// The surfaces that drag the window in windowed mode: the case (open or closed), the two screen
// covers, the alarm button and the cross pad.
bool is_drag_surface(ImageId id);

}  // namespace gorvo::ui
