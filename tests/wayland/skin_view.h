// The shipped skin as it should look on the screen: each picture at its place in the game's
// window, read from the program folder the way the game reads it, and compared with
// screenshots.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/images.h"

namespace gorvo::test {

class SkinView {
  public:
    // No value when the program folder has no readable Config.ini.
    static std::optional<SkinView> load(const QString& program_dir);

    QSize game_size() const { return game_size_; }
    QRect rect(ImageId id) const { return rects_[id]; }

    // The share of the picture's solid pixels, where no picture above it may lie, that `shot`
    // shows in the picture's colours, the game's window being at `origin`.
    // `step`: only every step-th pixel of every step-th line is looked at.
    double shown(ImageId id, const QImage& shot, QPoint origin, int step = 1) const;
    // The share of a segment's mostly opaque pixels that look the same in two screenshots; pixels
    // that another segment may also light are left out.
    double alike(ImageId id, const QImage& a, const QImage& b, QPoint origin) const;
    // The share of a case picture's see-through pixels where `shot` shows what `desktop`
    // showed before the window came.
    double desktop_around(ImageId case_picture, const QImage& shot, const QImage& desktop,
                          QPoint origin) const;
    // A see-through pixel of a case picture, inside its window, between two solid ones.
    QPoint clear_point(ImageId case_picture) const;
    // A solid pixel of `id` that no other picture covers: where a press reaches `id` itself.
    QPoint bare_point(ImageId id) const;

    // Where the window showing a case picture is: `shot` compared with the desktop shown
    // before it came; no value when the case is not to be found there.
    std::optional<QPoint> locate(ImageId case_picture, const QImage& shot,
                                 const QImage& desktop) const;

  private:
    // Drawn over what lies below: opaque enough, and not the see-through colour.
    bool solid(ImageId id, int x, int y, int min_alpha = 255) const;
    bool clear(ImageId id, int x, int y) const;
    // The pixels of `id`'s rectangle (line by line) where a picture drawn above it may lie;
    // `segments_only`: where another segment may lie.
    // Made once for each picture.
    const std::vector<bool>& cover(ImageId id, bool segments_only) const;

    QSize game_size_;
    QRgb see_through_ = 0;
    std::array<QRect, kImageCount> rects_{};
    std::array<QImage, kImageCount> pictures_{};
    mutable std::array<std::vector<bool>, kImageCount> cover_{};
    mutable std::array<std::vector<bool>, kImageCount> segment_cover_{};
};

// Two colours alike but for rounding.
bool same_colour(QRgb a, QRgb b);
// How many pixels of `area` differ between two screenshots (both of 32 bits a pixel).
int pixels_changed(const QImage& a, const QImage& b, const QRect& area);

}  // namespace gorvo::test
