#include "support/qt/game_screen.h"

#include <QDir>
#include <QPainter>
#include <cstdlib>
#include <string>
#include <utility>

namespace gorvo::test {
namespace {

std::string section_of(ImageId id) {
    int n = 1;
    while (n <= kSkinImageCount && kSkinImages[n - 1] != id)
        ++n;
    return "Image" + std::to_string(n);
}

bool is_segment(ImageId id) {
    const std::string_view name = kImageDefs[id].name;
    return name.substr(0, 3) == "im_" && name.substr(0, 13) != "im_background";
}

bool same_colour(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 16 && std::abs(qGreen(a) - qGreen(b)) <= 16 &&
           std::abs(qBlue(a) - qBlue(b)) <= 16;
}

}  // namespace

std::optional<GameScreen> GameScreen::load(const QString& program_dir, QPoint window_origin,
                                           QSize screen) {
    std::optional<skin::Profile> ini =
        skin::Profile::load(QDir(program_dir).filePath("Config.ini").toStdString());
    if (!ini) return std::nullopt;
    return GameScreen(program_dir, std::move(*ini), window_origin, screen);
}

GameScreen::GameScreen(QString program_dir, skin::Profile ini, QPoint origin, QSize screen)
    : program_dir_(std::move(program_dir)),
      ini_(std::move(ini)),
      origin_(origin),
      screen_(screen) {}

QRect GameScreen::rect(ImageId id) const {
    const std::string section = section_of(id);
    return QRect(ini_.read_int(section, "Left", 0), ini_.read_int(section, "Top", 0),
                 ini_.read_int(section, "Width", 0), ini_.read_int(section, "Height", 0));
}

QImage GameScreen::file_picture(ImageId id) const {
    const QString dir =
        QString::fromStdString(ini_.read_string("Common", "SkinDir", "")).replace('\\', '/');
    const QString file = QString::fromStdString(ini_.read_string(section_of(id), "Filename", ""));
    return QImage(QDir(program_dir_).filePath(dir + file)).convertToFormat(QImage::Format_ARGB32);
}

bool GameScreen::under_another_segment(ImageId id, QPoint p) const {
    for (ImageId other : kSkinImages) {
        if (other != id && is_segment(other) && rect(other).contains(p)) return true;
    }
    return false;
}

std::vector<QPoint> GameScreen::segment(ImageId id) const {
    const QImage picture = file_picture(id);
    const QPoint at = rect(id).topLeft();
    std::vector<QPoint> points;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint p = at + QPoint(x, y);
            if (qAlpha(picture.pixel(x, y)) > 200 && !under_another_segment(id, p)) {
                points.push_back(origin_ + p);
            }
        }
    }
    return points;
}

QImage GameScreen::picture(ImageId id) const {
    QImage shown(screen_, QImage::Format_ARGB32);
    shown.fill(Qt::transparent);
    QPainter painter(&shown);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(origin_ + rect(id).topLeft(), file_picture(id));
    return shown;
}

double alike(const std::vector<QPoint>& points, const QImage& shot, const QImage& reference) {
    int compared = 0, same = 0;
    for (const QPoint& p : points) {
        if (!reference.rect().contains(p) || !shot.rect().contains(p)) continue;
        if (qAlpha(reference.pixel(p)) < 255) continue;
        ++compared;
        same += same_colour(shot.pixel(p), reference.pixel(p)) ? 1 : 0;
    }
    return compared == 0 ? 0.0 : static_cast<double>(same) / compared;
}

}  // namespace gorvo::test
