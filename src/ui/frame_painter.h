// Paints the images of the main window into one frame, as the drawing rule asks: stacking order,
// each picture at its natural size from its rectangle's top-left corner and clipped to the
// rectangle, alpha blended; a picture without alpha on a transparent image leaves out its
// bottom-left colour. The backdrop alone fills the window, centred or stretched. Only the areas
// asked for are painted again.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <map>
#include <optional>

#include "core/images.h"

namespace gorvo::ui {

struct FrameStyle {
    QColor background;
    // The see-through colour of a translucent window: its pixels end up with alpha 0.
    std::optional<QColor> clear_colour;
    bool backdrop_stretch = false;
};

class FramePainter {
  public:
    // A new frame of the given size, filled with the background; pictures no image shows any
    // more are dropped from the cache. Paint it with redraw().
    void reset(QSize size, const FrameStyle& style);
    void redraw(const Images& images, const QRect& area);
    const QImage& frame() const { return frame_; }

  private:
    struct Converted {
        PicturePtr source;  // kept so that the address is not reused while cached
        QImage plain;
        QImage keyed;  // built on first use
    };
    const QImage& converted(const PicturePtr& picture, bool keyed);
    void draw_backdrop(QPainter& painter, const QImage& picture);
    void clear_see_through(const QRect& area);

    QImage frame_;
    FrameStyle style_;
    std::map<const Picture*, Converted> cache_;
};

// The part of `area` where the window is not see-through: neither of the key colour nor fully
// transparent. The window's shape (or input region) in windowed mode.
QRegion solid_region(const QImage& frame, const QRect& area, QColor key);

}  // namespace gorvo::ui
