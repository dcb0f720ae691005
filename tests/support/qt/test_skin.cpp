#include "support/qt/test_skin.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include "core/images.h"

namespace gorvo::test {

namespace {

// A 2 x 2 tile of the companions' chess board.
QImage chess_tile(ImageId id) {
    QImage tile(2, 2, QImage::Format_ARGB32);
    tile.fill(TestSkin::colour_of(id));
    tile.setPixelColor(1, 0, TestSkin::second_colour_of(id));
    tile.setPixelColor(0, 1, TestSkin::second_colour_of(id));
    return tile;
}

// The picture at `scale` times the image's design size: the chess board at scale 2.
QImage picture_for(ImageId id, int scale) {
    const Rect& r = kImageDefs[id].design;
    QImage image(std::max(r.width, 1) * scale, std::max(r.height, 1) * scale,
                 QImage::Format_ARGB32);
    if (id == im_background_screen_1_top || id == im_background_screen_2_top) {
        image.fill(Qt::transparent);  // clear glass, so that the segments under it show
        return image;
    }
    image.fill(TestSkin::colour_of(id));
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (scale > 1) painter.fillRect(image.rect(), QBrush(chess_tile(id)));
    if (id == im_background_closed || id == im_background_open) {
        const int margin = TestSkin::kCaseMargin * scale;
        painter.fillRect(0, 0, margin, image.height(), TestSkin::see_through());
        painter.fillRect(image.width() - margin, 0, margin, image.height(),
                         TestSkin::see_through());
    }
    return image;
}

QString file_name(ImageId id, const char* suffix) {
    const std::string_view name = kImageDefs[id].name;
    return QString::fromUtf8(name.data(), static_cast<int>(name.size())) + suffix + ".png";
}

}  // namespace

QColor TestSkin::colour_of(ImageId id) {
    const int n = static_cast<int>(id);
    return QColor(QColor::fromHsv((n * 47) % 360, 180, 60 + (n * 13) % 180).rgb());
}

QColor TestSkin::second_colour_of(ImageId id) {
    const QColor c = colour_of(id);
    return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
}

TestSkin::TestSkin(const TestSkinOptions& options) {
    const QString skin_dir = dir_.filePath("skin/");
    QDir().mkpath(skin_dir);
    QFile file(dir_.filePath("Config.ini"));
    file.open(QIODevice::WriteOnly | QIODevice::Text);
    QTextStream ini(&file);
    ini << "[Common]\nSkinDir=" << skin_dir << "\nGameWidth=605\nGameHeight=748\n";
    ini << "[VideoMode]\nTranspColor=$00ff00ff\n";
    ini << "[Fullscreen]\nBgColor=$00400000\n" << options.fullscreen_keys << "\n";
    for (int n = 1; n <= kSkinImageCount; ++n) {
        const ImageId id = kSkinImages[n - 1];
        const Rect& r = kImageDefs[id].design;
        ini << "[Image" << n << "]\n";
        if (!options.without_picture.count(id)) {
            picture_for(id, 1).save(skin_dir + file_name(id, ""));
            if (options.companions) picture_for(id, 2).save(skin_dir + file_name(id, "@2x"));
            ini << "Filename=" << file_name(id, "") << "\n";
        }
        ini << "Left=" << r.left << "\nTop=" << r.top << "\nWidth=" << r.width
            << "\nHeight=" << r.height << "\n";
    }
}

std::filesystem::path TestSkin::config() const {
    return std::filesystem::path(dir_.filePath("Config.ini").toStdString());
}

}  // namespace gorvo::test
