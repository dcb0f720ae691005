#include "skin_pictures.h"

#include <QDir>
#include <cmath>
#include <string>

namespace gorvo::assets {

namespace {

constexpr QRgb kSeeThrough = qRgb(0xff, 0x00, 0xff);
// The nearest colour that the window's colour key leaves alone.
constexpr QRgb kSeeThroughStandIn = qRgb(0xfe, 0x00, 0xfe);

QString name_of(ImageId id) {
    const std::string_view name = kImageDefs[id].name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

bool starts_with(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

void scale_alpha(QImage& image, double factor) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = static_cast<int>(std::lround(qAlpha(line[x]) * factor));
            line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), alpha);
        }
    }
}

void harden_alpha(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]) >= 128 ? 255 : 0;
            line[x] = alpha ? qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), 255) : 0;
        }
    }
}

void avoid_see_through_colour(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 0 && (line[x] & 0xffffffu) == (kSeeThrough & 0xffffffu)) {
                line[x] = (kSeeThroughStandIn & 0xffffffu) | (line[x] & 0xff000000u);
            }
        }
    }
}

}  // namespace

QRectF picture_area(ImageId id) {
    switch (id) {
        case btn_cross_down_up:
        case btn_cross_down_down:
        case btn_cross_down_left:
        case btn_cross_down_right:
            id = btn_cross_down;
            break;
        default:
            break;
    }
    const Rect& r = kImageDefs[id].design;
    return QRectF(r.left, r.top, r.width, r.height);
}

bool is_lcd_segment(ImageId id) {
    const std::string_view name = kImageDefs[id].name;
    return starts_with(name, "im_") && !starts_with(name, "im_background") &&
           !starts_with(name, "im_backdrop");
}

bool is_case_outline(ImageId id) {
    return id == im_background_open || id == im_background_closed;
}

bool has_picture_file(ImageId id) {
    return id != im_panel_digit_pos_1 && id != im_panel_digit_pos_2 && id != im_panel_digit_pos_3 &&
           id != im_panel_digit_pos_4;
}

QString picture_file_name(ImageId id, int scale) {
    const QString suffix = scale == 1 ? QString() : QString("@%1x").arg(scale);
    return name_of(id) + suffix + ".png";
}

QImage finish_picture(ImageId id, QImage rendered) {
    QImage image = rendered.convertToFormat(QImage::Format_ARGB32);
    if (is_lcd_segment(id)) scale_alpha(image, kLcdSegmentOpacity);
    if (is_case_outline(id)) harden_alpha(image);
    avoid_see_through_colour(image);
    return image;
}

PictureResult render_skin_pictures(const SvgLibrary& svg, int scale) {
    PictureResult result;
    for (ImageId id : kSkinImages) {
        if (!has_picture_file(id)) continue;
        const QString name = name_of(id);
        const QStringList files = svg.files_with(name);
        if (files.isEmpty()) {
            result.error = QString("no SVG element has the id %1").arg(name);
            return result;
        }
        if (files.size() > 1) {
            result.error = QString("the id %1 is used in %2").arg(name, files.join(", "));
            return result;
        }
        result.pictures[id] = finish_picture(id, svg.render(name, picture_area(id), scale));
    }
    return result;
}

QString write_skin_pictures(const PictureSet& pictures, const QString& skin_dir, int scale) {
    if (!QDir().mkpath(skin_dir)) return QString("cannot create %1").arg(skin_dir);
    for (ImageId id : kSkinImages) {
        if (!has_picture_file(id)) continue;
        const QString path = QDir(skin_dir).filePath(picture_file_name(id, scale));
        if (!pictures[id].save(path, "PNG")) return QString("cannot write %1").arg(path);
    }
    return {};
}

}  // namespace gorvo::assets
