#include "composer.h"

#include <QPainter>
#include <memory>

namespace gorvo::assets {

void attach_own_pictures(Images& images, const PictureSet& pictures) {
    const auto placeholder = std::make_shared<const Picture>();
    for (ImageId id : kSkinImages) {
        if (!pictures[id].isNull()) images.set_own_picture(id, placeholder);
    }
}

QImage compose(const Images& images, const PictureSet& pictures, QColor background) {
    QImage frame(605, 748, QImage::Format_ARGB32_Premultiplied);
    frame.fill(background);
    QPainter painter(&frame);
    for (int i = 0; i < kImageCount; ++i) {
        const ImageState& state = images[static_cast<ImageId>(i)];
        if (!state.visible || state.picture_source == kNoImage || !state.picture) continue;
        const QImage& picture = pictures[state.picture_source];
        if (picture.isNull()) continue;
        const Rect& r = state.rect;
        painter.save();
        painter.setClipRect(r.left, r.top, r.width, r.height);
        painter.drawImage(r.left, r.top, picture);
        painter.restore();
    }
    painter.end();
    return frame;
}

}  // namespace gorvo::assets
