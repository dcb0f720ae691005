// The pictures of the 147 skin images: which part of the design each one shows, how it is
// finished after rendering, and the files they are written to.
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <array>

#include "core/images.h"
#include "svg_library.h"

namespace gorvo::assets {

// Liquid-crystal segments are not quite opaque: the printed scenery shows faintly through.
constexpr double kLcdSegmentOpacity = 0.86;

// The design-coordinate area that an image's picture covers: its design rectangle, except for
// the cross pad's four pressed looks, which the game copies into btn_cross_down, so they cover
// the whole pad.
QRectF picture_area(ImageId id);

// The images that are LCD segments: everything on the two screens and the panel, the digit
// pictures included; not the case, its buttons or the screen covers.
bool is_lcd_segment(ImageId id);

// The case pictures, which lie directly on the window's see-through background.
bool is_case_outline(ImageId id);

// False for the four digit positions: their picture is the digit the game last set, and a
// reload of the skin (the fullscreen switch) must not replace it with a fixed one, so the skin
// names no file for them.
bool has_picture_file(ImageId id);

// NAME.png at scale 1, NAME@2x.png at scale 2 and so on.
QString picture_file_name(ImageId id, int scale);

// Makes the rendered picture of `id` ready to ship: LCD segments get their translucency, the
// case outline gets hard edges (half-transparent pixels there would blend with the see-through
// colour into a coloured fringe around the unit), and no visible pixel keeps the exact
// see-through colour. Returns a straight-alpha ARGB32 image.
QImage finish_picture(ImageId id, QImage rendered);

// One picture for each skin image that has a picture file, indexed by ImageId (others null).
using PictureSet = std::array<QImage, kImageCount>;

struct PictureResult {
    PictureSet pictures;
    QString error;  // empty when every picture was rendered
};

// Renders and finishes every skin picture at `scale`.
PictureResult render_skin_pictures(const SvgLibrary& svg, int scale);

// Writes the set into `skin_dir` under picture_file_name(); error text or empty.
QString write_skin_pictures(const PictureSet& pictures, const QString& skin_dir, int scale);

}  // namespace gorvo::assets
