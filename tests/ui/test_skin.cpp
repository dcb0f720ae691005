#include "test_skin.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include "core/images.h"

namespace gorvo::test {

namespace {

// The closed and open case leave a see-through margin of 10 pixels on the left and right.
constexpr int kCaseMargin = 10;

QImage picture_for(ImageId id, const Rect& rect) {
    QImage image(std::max(rect.width, 1), std::max(rect.height, 1), QImage::Format_ARGB32);
    // The screen covers are clear glass, so that the segments under them show.
    const bool glass = id == im_background_screen_1_top || id == im_background_screen_2_top;
    image.fill(glass ? QColor(0, 0, 0, 0) : TestSkin::colour_of(id));
    if (id == im_background_closed || id == im_background_open) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(0, 0, kCaseMargin, image.height(), TestSkin::see_through());
        painter.fillRect(image.width() - kCaseMargin, 0, kCaseMargin, image.height(),
                         TestSkin::see_through());
    }
    return image;
}

}  // namespace

QColor TestSkin::colour_of(ImageId id) {
    const int n = static_cast<int>(id);
    return QColor(QColor::fromHsv((n * 47) % 360, 180, 60 + (n * 13) % 180).rgb());
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
            const QString name = QString::fromUtf8(kImageDefs[id].name.data(),
                                                   static_cast<int>(kImageDefs[id].name.size())) +
                                 ".png";
            picture_for(id, r).save(skin_dir + name);
            ini << "Filename=" << name << "\n";
        }
        ini << "Left=" << r.left << "\nTop=" << r.top << "\nWidth=" << r.width
            << "\nHeight=" << r.height << "\n";
    }
}

std::filesystem::path TestSkin::config() const {
    return std::filesystem::path(dir_.filePath("Config.ini").toStdString());
}

}  // namespace gorvo::test
