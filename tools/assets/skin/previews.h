// Preview sheets of the art: the closed and open unit and a few moments of play, composed from
// the rendered pictures exactly as the game stacks them, so the art can be judged at 100 %
// without starting the game.
#pragma once

#include <QImage>
#include <QString>

#include "skin_pictures.h"

namespace gorvo::assets {

struct FullscreenLook {
    QImage backdrop;  // stretched over the screen
    QImage logo;      // top-right corner
    QColor background;
};

// Writes every sheet into `dir`; error text or empty.
QString write_previews(const PictureSet& pictures, const FullscreenLook& fullscreen,
                       const QString& dir);

}  // namespace gorvo::assets
