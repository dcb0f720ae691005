// Draws one figure of a manual page: a part of the handheld, from the skin's own drawing,
// with labels that point at its parts and a caption.
#pragma once

#include <QRectF>
#include <QString>

#include "manual_text.h"

class QPainter;

namespace gorvo::media {

class SkinArt;

// Paints `figure` inside `slot` (page pixels). Returns an empty string, or a message when the
// figure names an element the drawing lacks or its labels do not fit.
QString paint_figure(QPainter& p, const Figure& figure, const QRectF& slot, SkinArt& art);

}  // namespace gorvo::media
