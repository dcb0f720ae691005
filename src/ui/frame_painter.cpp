#include "ui/frame_painter.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "skin/fresh_pages.h"

namespace gorvo::ui {

namespace {

// From this ratio on a double-size companion is closer to the screen than the picture itself.
constexpr qreal kCompanionFromRatio = 1.5;
constexpr qreal kCompanionRatio = 2.0;
// Beyond any screen made: a larger ratio is taken for a mistake of the platform.
constexpr qreal kLargestRatio = 8.0;

// A fresh image whose pixels' pages are all mapped at once (see fresh_pages.h).
QImage fresh_image(QSize size, QImage::Format format) {
    QImage image(size, format);
    skin::map_pages_for_writing(image.bits(), static_cast<std::size_t>(image.sizeInBytes()));
    return image;
}

QImage to_qimage(const Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0) return {};
    QImage image = fresh_image(QSize(picture.width, picture.height), QImage::Format_RGBA8888);
    if (image.isNull()) return {};
    const std::size_t row = static_cast<std::size_t>(picture.width) * 4;
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.scanLine(y), picture.pixel(0, y), row);
    // Same size of pixel: converted where it is.
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return image;
}

// The picture's bottom-left colour left out, as for a plain bitmap on a transparent image.
QImage without_bottom_left_colour(const QImage& opaque) {
    QImage out = opaque;
    const QRgb key = out.pixel(0, out.height() - 1);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (line[x] == key) line[x] = 0;
        }
    }
    return out;
}

// `plain`, or its keyed form (made once into `keyed`) when the colour key applies.
const QImage& keyed_if(bool key_applies, const QImage& plain, QImage& keyed) {
    if (!key_applies || plain.isNull()) return plain;
    if (keyed.isNull()) keyed = without_bottom_left_colour(plain);
    return keyed;
}

bool see_through(QRgb pixel, QRgb key) {
    return qAlpha(pixel) == 0 || pixel == key;
}

// The pixels of a layer at `ratio` that the window area touches, whole pixels only.
QRect layer_pixels(const QRect& area, qreal ratio) {
    return QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio)
        .toAlignedRect();
}

// Layer pixels back in window coordinates, where a painter on the layer works.
QRectF in_window(const QRect& pixels, qreal ratio) {
    return QRectF(pixels.x() / ratio, pixels.y() / ratio, pixels.width() / ratio,
                  pixels.height() / ratio);
}

qreal sane_ratio(qreal ratio) {
    if (!std::isfinite(ratio) || ratio <= 0.0) return 1.0;
    return std::min(ratio, kLargestRatio);
}

}  // namespace

void FramePainter::reset(QSize size, const FrameStyle& style) {
    style_ = style;
    frame_ = fresh_image(size, QImage::Format_ARGB32_Premultiplied);
    frame_.fill(style.background);
    allocate_screen_frame();
    for (auto it = cache_.begin(); it != cache_.end();) {
        it = it->second.source.use_count() == 1 ? cache_.erase(it) : std::next(it);
    }
}

void FramePainter::allocate_screen_frame() {
    screen_ = QImage();
    if (qFuzzyCompare(ratio_, 1.0) || frame_.isNull()) return;
    const QSize pixels(qCeil(frame_.width() * ratio_), qCeil(frame_.height() * ratio_));
    // A frame too large for memory leaves a null image: the frame is then shown scaled.
    screen_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    if (screen_.isNull()) return;
    screen_.setDevicePixelRatio(ratio_);
    screen_.fill(style_.background);
}

void FramePainter::set_pixel_ratio(qreal ratio, const Images& images) {
    ratio = sane_ratio(ratio);
    if (qFuzzyCompare(ratio, ratio_)) return;
    ratio_ = ratio;
    allocate_screen_frame();
    if (!screen_.isNull()) paint_screen(images, frame_.rect());
}

const QImage& FramePainter::screen_frame() const {
    return screen_.isNull() ? frame_ : screen_;
}

const QImage& FramePainter::converted(const PicturePtr& picture, bool transparent, bool hires) {
    auto [it, added] = cache_.try_emplace(picture.get());
    Converted& c = it->second;
    if (added) {
        c.source = picture;
        c.plain = to_qimage(*picture);
    }
    if (!hires) return keyed_if(transparent && !picture->has_alpha, c.plain, c.keyed);
    if (c.hires_plain.isNull()) {
        c.hires_plain = to_qimage(*picture->hires->get());
        c.hires_plain.setDevicePixelRatio(kCompanionRatio);
    }
    return keyed_if(transparent && !picture->hires->get()->has_alpha, c.hires_plain, c.hires_keyed);
}

void FramePainter::redraw(const Images& images, const QRect& area) {
    paint_layer(frame_, images, area);
    if (!screen_.isNull()) paint_screen(images, area);
}

void FramePainter::paint_screen(const Images& images, const QRect& area) {
    paint_layer(screen_, images, area);
    if (style_.shape_colour)
        fill_shape_gaps(layer_pixels(area, ratio_).intersected(screen_.rect()));
}

void FramePainter::fill_shape_gaps(const QRect& pixels) {
    const QRgb key = style_.shape_colour->rgb();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(screen_.scanLine(y));
        const int window_y = std::min(static_cast<int>(y / ratio_), frame_.height() - 1);
        const auto* window_line = reinterpret_cast<const QRgb*>(frame_.constScanLine(window_y));
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if (line[x] != key) continue;
            line[x] = window_line[std::min(static_cast<int>(x / ratio_), frame_.width() - 1)];
        }
    }
}

void FramePainter::paint_layer(QImage& layer, const Images& images, const QRect& area) {
    const qreal ratio = layer.devicePixelRatio();
    const QRect pixels = layer_pixels(area, ratio).intersected(layer.rect());
    if (pixels.isEmpty()) return;
    const QRectF target = in_window(pixels, ratio);
    const bool companions = ratio >= kCompanionFromRatio;
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !qFuzzyCompare(ratio, 1.0));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(target, style_.background);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (int i = 0; i < kImageCount; ++i) {
        const auto id = static_cast<ImageId>(i);
        const ImageState& s = images[id];
        if (!s.visible || !s.picture) continue;
        const bool hires = companions && s.picture->hires && s.picture->hires->get();
        const QImage& picture = converted(s.picture, kImageDefs[id].transparent, hires);
        if (picture.isNull()) continue;
        if (id == im_backdrop) {
            painter.setClipRect(target);
            draw_backdrop(painter, picture, *s.picture);
            continue;
        }
        const QRectF rect(s.rect.left, s.rect.top, s.rect.width, s.rect.height);
        const QRectF clip = rect.intersected(target);
        if (clip.isEmpty()) continue;
        painter.setClipRect(clip);
        painter.drawImage(rect.topLeft(), picture);
    }
    painter.end();
    if (style_.clear_colour) clear_see_through(layer, pixels);
}

// `source` gives the picture's size in window pixels, whichever form of it is drawn.
void FramePainter::draw_backdrop(QPainter& painter, const QImage& picture,
                                 const Picture& source) const {
    if (style_.backdrop_stretch) {
        painter.drawImage(QRectF(frame_.rect()), picture);
        return;
    }
    painter.drawImage(
        QPoint((frame_.width() - source.width) / 2, (frame_.height() - source.height) / 2),
        picture);
}

void FramePainter::clear_see_through(QImage& layer, const QRect& pixels) const {
    const QRgb key = style_.clear_colour->rgb();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if (line[x] == key) line[x] = 0;
        }
    }
}

void FramePainter::paint(QPainter& painter, const QRegion& region) const {
    const QImage& image = screen_frame();
    const qreal ratio = image.devicePixelRatio();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& r : region) {
        const QRectF source(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio);
        painter.drawImage(QRectF(r), image, source);
    }
}

QRegion solid_region(const QImage& frame, const QRect& area, QColor key) {
    const QRect target = area.intersected(frame.rect());
    const QRgb key_rgb = key.rgb();
    std::vector<QRect> runs;
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        int x = target.left();
        while (x <= target.right()) {
            while (x <= target.right() && see_through(line[x], key_rgb))
                ++x;
            const int start = x;
            while (x <= target.right() && !see_through(line[x], key_rgb))
                ++x;
            if (x > start) runs.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

}  // namespace gorvo::ui
