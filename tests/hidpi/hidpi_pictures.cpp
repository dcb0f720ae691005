#include "hidpi_pictures.h"

#include <memory>

namespace gorvo::test {

namespace {

void set_pixel(Picture& picture, int x, int y, QColor colour) {
    std::uint8_t* px = picture.pixel(x, y);
    px[0] = static_cast<std::uint8_t>(colour.red());
    px[1] = static_cast<std::uint8_t>(colour.green());
    px[2] = static_cast<std::uint8_t>(colour.blue());
    px[3] = static_cast<std::uint8_t>(colour.alpha());
}

std::shared_ptr<Picture> blank(int width, int height, bool has_alpha) {
    auto picture = std::make_shared<Picture>();
    picture->width = width;
    picture->height = height;
    picture->has_alpha = has_alpha;
    picture->rgba.resize(static_cast<std::size_t>(width) * height * 4);
    return picture;
}

}  // namespace

PicturePtr solid_picture(int width, int height, QColor colour, bool has_alpha) {
    return checkered_picture(width, height, colour, colour, has_alpha);
}

PicturePtr checkered_picture(int width, int height, QColor first, QColor second, bool has_alpha) {
    auto picture = blank(width, height, has_alpha);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            set_pixel(*picture, x, y, (x + y) % 2 == 0 ? first : second);
    }
    return picture;
}

PicturePtr picture_of(const QImage& image, bool has_alpha) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    auto picture = blank(rgba.width(), rgba.height(), has_alpha);
    for (int y = 0; y < rgba.height(); ++y) {
        for (int x = 0; x < rgba.width(); ++x)
            set_pixel(*picture, x, y, rgba.pixelColor(x, y));
    }
    return picture;
}

PicturePtr with_companion(const PicturePtr& picture, const PicturePtr& companion) {
    auto both = std::make_shared<Picture>(*picture);
    both->hires = std::make_shared<const Companion>(companion);
    return both;
}

QColor colour_at(const Picture& picture, int x, int y) {
    const std::uint8_t* px = picture.pixel(x, y);
    return QColor(px[0], px[1], px[2], px[3]);
}

}  // namespace gorvo::test
