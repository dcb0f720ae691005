// The six small pictures of the manual viewer's buttons, painted when the program starts:
// previous page, next page and close, each in a released (raised) and a pressed (sunken) look.
#pragma once

#include <QImage>
#include <array>

#include "ui/windows/manual_state.h"

namespace gorvo::ui {

// One 16 x 14 picture per button image, indexed by ManualImage.
using ManualButtonPictures = std::array<QImage, kManualImageCount>;

ManualButtonPictures paint_manual_buttons();

}  // namespace gorvo::ui
