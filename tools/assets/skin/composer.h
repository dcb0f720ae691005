// Paints the window as the game does: the visible images in stacking order, each picture at
// its natural size from its rectangle's corner and cut to the rectangle.
#pragma once

#include <QColor>
#include <QImage>

#include "core/images.h"
#include "skin_pictures.h"

namespace gorvo::assets {

// Gives every skin image its own picture as the skin loader does (only which picture an image
// shows matters here, so the core's picture stays an empty placeholder).
void attach_own_pictures(Images& images, const PictureSet& pictures);

// The 605 x 748 game area at scale 1 over `background`.
QImage compose(const Images& images, const PictureSet& pictures, QColor background);

}  // namespace gorvo::assets
