// A small painted illustration of the open two-screen handheld, with a scene on its screens.
// Used where the pictures show the product as a whole: the splash box picture and the About
// window's picture.
#pragma once

class QPainter;
class QRectF;

namespace gorvo::media {

// Paints the open unit fitted into `box` (aspect ratio kept, centred). Drawn on a 116 × 160
// grid, so at exactly that size every line falls on whole pixels.
void draw_handheld(QPainter& p, const QRectF& box);

}  // namespace gorvo::media
