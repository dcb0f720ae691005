// Paints the images of the main window into one frame, as the drawing rule asks: stacking order,
// each picture at its natural size from its rectangle's top-left corner and clipped to the
// rectangle, alpha blended; a picture without alpha on a transparent image leaves out its
// bottom-left colour. The backdrop alone fills the window, centred or stretched. Only the areas
// asked for are painted again.
//
// On a screen of high pixel density the same frame is also painted at the screen's resolution:
// sizes and positions stay those of the window, a picture's double-size companion is drawn from
// a ratio of 1.5 on, and a picture without one is scaled smoothly.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <map>
#include <optional>

#include "core/images.h"

class QPainter;

namespace gorvo::ui {

struct FrameStyle {
    QColor background;
    // The see-through colour of a translucent window: its pixels end up with alpha 0.
    std::optional<QColor> clear_colour;
    bool backdrop_stretch = false;
    // The see-through colour of a window whose shape is cut in window pixels. Inside the shape,
    // screen pixels that a finer picture leaves uncovered take their window pixel's colour, so
    // that the see-through colour never shows along the edge of the shape.
    std::optional<QColor> shape_colour = std::nullopt;
};

class FramePainter {
  public:
    // A new frame of the given size (in window pixels), filled with the background; pictures no
    // image shows any more are dropped from the cache. Paint it with redraw().
    void reset(QSize size, const FrameStyle& style);
    // Paints `area` (window pixels) of the frame and of the screen frame anew.
    void redraw(const Images& images, const QRect& area);
    // One pixel per window pixel: the measure of the window's shape.
    const QImage& frame() const { return frame_; }

    // Screen pixels per window pixel. A new ratio paints the whole screen frame anew.
    void set_pixel_ratio(qreal ratio, const Images& images);
    qreal pixel_ratio() const { return ratio_; }
    // The frame at the screen's resolution, with that device pixel ratio; at a ratio of 1 (or
    // when the screen frame could not be had) the frame itself.
    const QImage& screen_frame() const;
    // Copies the screen frame onto a painter of the window, `region` in window pixels.
    void paint(QPainter& painter, const QRegion& region) const;

  private:
    struct Converted {
        PicturePtr source;  // kept so that the address is not reused while cached
        QImage plain;
        QImage keyed;        // built on first use
        QImage hires_plain;  // the double-size companion, built on first use
        QImage hires_keyed;
    };
    const QImage& converted(const PicturePtr& picture, bool transparent, bool hires);
    void allocate_screen_frame();
    void paint_layer(QImage& layer, const Images& images, const QRect& area);
    void paint_screen(const Images& images, const QRect& area);
    void draw_backdrop(QPainter& painter, const QImage& picture, const Picture& source) const;
    void clear_see_through(QImage& layer, const QRect& pixels) const;
    void fill_shape_gaps(const QRect& pixels);

    QImage frame_;
    QImage screen_;  // null at a ratio of 1
    qreal ratio_ = 1.0;
    FrameStyle style_;
    std::map<const Picture*, Converted> cache_;
};

// The part of `area` where the window is not see-through: neither of the key colour nor fully
// transparent. The window's shape (or input region) in windowed mode.
QRegion solid_region(const QImage& frame, const QRect& area, QColor key);

}  // namespace gorvo::ui
