// Pictures for the tests of drawing at a high pixel ratio: plain colours, and companions whose
// pattern only a screen of that density can show.
#pragma once

#include <QColor>
#include <QImage>

#include "core/picture.h"

namespace gorvo::test {

// A picture of one colour; `has_alpha` false makes it a plain bitmap.
PicturePtr solid_picture(int width, int height, QColor colour, bool has_alpha = true);

// Pixels alternate between the two colours like a chess board, `first` at the top left.
PicturePtr checkered_picture(int width, int height, QColor first, QColor second,
                             bool has_alpha = true);

// A picture from a QImage's pixels.
PicturePtr picture_of(const QImage& image, bool has_alpha = true);

// `picture` with `companion` as its double-size companion.
PicturePtr with_companion(const PicturePtr& picture, const PicturePtr& companion);

// The colour of one picture pixel, opaque or not.
QColor colour_at(const Picture& picture, int x, int y);

}  // namespace gorvo::test
