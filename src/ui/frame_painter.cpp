#include "ui/frame_painter.h"

#include <QPainter>
#include <vector>

namespace gorvo::ui {

namespace {

QImage to_qimage(const Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0) return {};
    const QImage view(picture.rgba.data(), picture.width, picture.height, picture.width * 4,
                      QImage::Format_RGBA8888);
    return view.convertToFormat(QImage::Format_ARGB32_Premultiplied);
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

bool see_through(QRgb pixel, QRgb key) {
    return qAlpha(pixel) == 0 || pixel == key;
}

}  // namespace

void FramePainter::reset(QSize size, const FrameStyle& style) {
    style_ = style;
    frame_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    frame_.fill(style.background);
    for (auto it = cache_.begin(); it != cache_.end();) {
        it = it->second.source.use_count() == 1 ? cache_.erase(it) : std::next(it);
    }
}

const QImage& FramePainter::converted(const PicturePtr& picture, bool keyed) {
    auto [it, added] = cache_.try_emplace(picture.get());
    Converted& c = it->second;
    if (added) {
        c.source = picture;
        c.plain = to_qimage(*picture);
    }
    if (!keyed || c.plain.isNull()) return c.plain;
    if (c.keyed.isNull()) c.keyed = without_bottom_left_colour(c.plain);
    return c.keyed;
}

void FramePainter::redraw(const Images& images, const QRect& area) {
    const QRect target = area.intersected(frame_.rect());
    if (target.isEmpty()) return;
    QPainter painter(&frame_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(target, style_.background);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (int i = 0; i < kImageCount; ++i) {
        const auto id = static_cast<ImageId>(i);
        const ImageState& s = images[id];
        if (!s.visible || !s.picture) continue;
        const bool keyed = kImageDefs[id].transparent && !s.picture->has_alpha;
        const QImage& picture = converted(s.picture, keyed);
        if (picture.isNull()) continue;
        if (id == im_backdrop) {
            painter.setClipRect(target);
            draw_backdrop(painter, picture);
            continue;
        }
        const QRect rect(s.rect.left, s.rect.top, s.rect.width, s.rect.height);
        const QRect clip = rect.intersected(target);
        if (clip.isEmpty()) continue;
        painter.setClipRect(clip);
        painter.drawImage(rect.topLeft(), picture);
    }
    painter.end();
    if (style_.clear_colour) clear_see_through(target);
}

void FramePainter::draw_backdrop(QPainter& painter, const QImage& picture) {
    if (style_.backdrop_stretch) {
        painter.drawImage(frame_.rect(), picture);
        return;
    }
    painter.drawImage(
        QPoint((frame_.width() - picture.width()) / 2, (frame_.height() - picture.height()) / 2),
        picture);
}

void FramePainter::clear_see_through(const QRect& area) {
    const QRgb key = style_.clear_colour->rgb();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(frame_.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (line[x] == key) line[x] = 0;
        }
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
