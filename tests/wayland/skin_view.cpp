#include "skin_view.h"

#include <QDir>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

#include "skin/profile.h"

namespace gorvo::test {
namespace {

bool is_background(ImageId id) {
    return id == im_backdrop || id == im_backdrop_logo || id == im_background_open ||
           id == im_background_closed;
}

bool is_screen_glass(ImageId id) {
    return id == im_background_screen_1_top || id == im_background_screen_2_top;
}

// "$00BBGGRR", as the skin writes its colours.
QRgb skin_colour(const std::string& text) {
    const unsigned long bgr =
        std::strtoul(text.c_str() + (text.starts_with('$') ? 1 : 0), nullptr, 16);
    return qRgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace

bool same_colour(QRgb a, QRgb b) {
    constexpr int kTolerance = 8;
    return std::abs(qRed(a) - qRed(b)) <= kTolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= kTolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= kTolerance;
}

int pixels_changed(const QImage& a, const QImage& b, const QRect& area) {
    const QRect inside = area.intersected(a.rect()).intersected(b.rect());
    int changed = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto* line_a = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* line_b = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x)
            changed += same_colour(line_a[x], line_b[x]) ? 0 : 1;
    }
    return changed;
}

std::optional<SkinView> SkinView::load(const QString& program_dir) {
    const QDir dir(program_dir);
    const std::optional<skin::Profile> ini =
        skin::Profile::load(dir.filePath(QStringLiteral("Config.ini")).toStdString());
    if (!ini) return std::nullopt;
    SkinView view;
    view.game_size_ =
        QSize(ini->read_int("Common", "GameWidth", 0), ini->read_int("Common", "GameHeight", 0));
    view.see_through_ = skin_colour(ini->read_string("VideoMode", "TranspColor", "$00ff00ff"));
    const QString skin_dir =
        QString::fromStdString(ini->read_string("Common", "SkinDir", "")).replace('\\', '/');
    for (int n = 1; n <= kSkinImageCount; ++n) {
        const std::string section = "Image" + std::to_string(n);
        const ImageId id = kSkinImages[static_cast<std::size_t>(n - 1)];
        view.rects_[id] =
            QRect(ini->read_int(section, "Left", 0), ini->read_int(section, "Top", 0),
                  ini->read_int(section, "Width", 0), ini->read_int(section, "Height", 0));
        const QString file = QString::fromStdString(ini->read_string(section, "Filename", ""));
        view.pictures_[id] =
            QImage(dir.filePath(skin_dir + file)).convertToFormat(QImage::Format_ARGB32);
    }
    return view;
}

bool SkinView::solid(ImageId id, int x, int y, int min_alpha) const {
    const QRgb p = pictures_[id].pixel(x, y);
    return qAlpha(p) >= min_alpha && (p & 0xFFFFFF) != (see_through_ & 0xFFFFFF);
}

bool SkinView::clear(ImageId id, int x, int y) const {
    const QRgb p = pictures_[id].pixel(x, y);
    return qAlpha(p) == 0 || (p & 0xFFFFFF) == (see_through_ & 0xFFFFFF);
}

const std::vector<bool>& SkinView::cover(ImageId id, bool segments_only) const {
    std::vector<bool>& mask = (segments_only ? segment_cover_ : cover_)[id];
    if (!mask.empty()) return mask;
    const QRect own = rects_[id];
    mask.assign(static_cast<std::size_t>(own.width() * own.height()), false);
    for (int i = 0; i < kImageCount; ++i) {
        const auto other = static_cast<ImageId>(i);
        if (other == id || is_background(other)) continue;
        if (segments_only ? is_screen_glass(other) : other < id) continue;
        const QRect overlap = rects_[other].intersected(own).translated(-own.topLeft());
        for (int y = overlap.top(); y <= overlap.bottom(); ++y) {
            for (int x = overlap.left(); x <= overlap.right(); ++x)
                mask[static_cast<std::size_t>(y * own.width() + x)] = true;
        }
    }
    return mask;
}

double SkinView::shown(ImageId id, const QImage& shot, QPoint origin, int step) const {
    const QImage& picture = pictures_[id];
    const std::vector<bool>& covered = cover(id, false);
    const int width = rects_[id].width();
    int solid_pixels = 0;
    int same = 0;
    for (int y = 0; y < std::min(picture.height(), rects_[id].height()); y += step) {
        for (int x = 0; x < std::min(picture.width(), width); x += step) {
            if (!solid(id, x, y) || covered[static_cast<std::size_t>(y * width + x)]) continue;
            ++solid_pixels;
            const QPoint on_screen = origin + rects_[id].topLeft() + QPoint(x, y);
            if (shot.valid(on_screen) && same_colour(shot.pixel(on_screen), picture.pixel(x, y)))
                ++same;
        }
    }
    return solid_pixels == 0 ? 0.0 : static_cast<double>(same) / solid_pixels;
}

double SkinView::alike(ImageId id, const QImage& a, const QImage& b, QPoint origin) const {
    const QImage& picture = pictures_[id];
    const std::vector<bool>& covered = cover(id, true);
    const int width = rects_[id].width();
    int points = 0;
    int same = 0;
    for (int y = 0; y < std::min(picture.height(), rects_[id].height()); ++y) {
        for (int x = 0; x < std::min(picture.width(), width); ++x) {
            if (!solid(id, x, y, 128) || covered[static_cast<std::size_t>(y * width + x)]) continue;
            const QPoint p = origin + rects_[id].topLeft() + QPoint(x, y);
            if (!a.valid(p) || !b.valid(p)) continue;
            ++points;
            same += same_colour(a.pixel(p), b.pixel(p)) ? 1 : 0;
        }
    }
    return points == 0 ? 0.0 : static_cast<double>(same) / points;
}

double SkinView::desktop_around(ImageId case_picture, const QImage& shot, const QImage& desktop,
                                QPoint origin) const {
    const QImage& picture = pictures_[case_picture];
    int clear_pixels = 0;
    int same = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint p = origin + rects_[case_picture].topLeft() + QPoint(x, y);
            if (!clear(case_picture, x, y) || !shot.valid(p) || !desktop.valid(p)) continue;
            ++clear_pixels;
            same += same_colour(shot.pixel(p), desktop.pixel(p)) ? 1 : 0;
        }
    }
    return clear_pixels == 0 ? 0.0 : static_cast<double>(same) / clear_pixels;
}

QPoint SkinView::clear_point(ImageId case_picture) const {
    const QImage& picture = pictures_[case_picture];
    for (int y = 0; y < picture.height(); ++y) {
        int x = 0;
        while (x < picture.width() && !solid(case_picture, x, y))
            ++x;
        while (x < picture.width() && solid(case_picture, x, y))
            ++x;
        const int gap_start = x;
        while (x < picture.width() && clear(case_picture, x, y))
            ++x;
        if (x > gap_start + 4 && x < picture.width() && solid(case_picture, x, y))
            return rects_[case_picture].topLeft() + QPoint((gap_start + x) / 2, y);
    }
    return {-1, -1};
}

QPoint SkinView::bare_point(ImageId id) const {
    const QImage& picture = pictures_[id];
    const std::vector<bool>& covered = cover(id, false);
    const int width = rects_[id].width();
    const QPoint centre(picture.width() / 2, picture.height() / 2);
    QPoint best(-1, -1);
    int best_distance = std::numeric_limits<int>::max();
    for (int y = 0; y < std::min(picture.height(), rects_[id].height()); y += 2) {
        for (int x = 0; x < std::min(picture.width(), width); x += 2) {
            const int distance = (QPoint(x, y) - centre).manhattanLength();
            if (distance >= best_distance || !solid(id, x, y) ||
                covered[static_cast<std::size_t>(y * width + x)]) {
                continue;
            }
            best = rects_[id].topLeft() + QPoint(x, y);
            best_distance = distance;
        }
    }
    return best;
}

std::optional<QPoint> SkinView::locate(ImageId case_picture, const QImage& shot,
                                       const QImage& desktop) const {
    // The lines and columns where much has changed: a pointer or a panel clock drawn anew,
    // here or there, is left out.
    constexpr int kStep = 2;
    constexpr int kMany = 100;
    std::vector<int> rows(static_cast<std::size_t>(shot.height()), 0);
    std::vector<int> columns(static_cast<std::size_t>(shot.width()), 0);
    for (int y = 0; y < shot.height(); y += kStep) {
        for (int x = 0; x < shot.width(); x += kStep) {
            if (same_colour(shot.pixel(x, y), desktop.pixel(x, y))) continue;
            ++rows[static_cast<std::size_t>(y)];
            ++columns[static_cast<std::size_t>(x)];
        }
    }
    const auto first_many = [](const std::vector<int>& counts) {
        const auto it =
            std::find_if(counts.begin(), counts.end(), [](int count) { return count >= kMany; });
        return it == counts.end() ? -1 : static_cast<int>(it - counts.begin());
    };
    const QPoint changed(first_many(columns), first_many(rows));
    if (changed.x() < 0 || changed.y() < 0) return std::nullopt;
    // The first solid pixels of the case, from its left and from its top.
    const QImage& picture = pictures_[case_picture];
    QRect solid_box;
    for (int y = 0; y < picture.height(); y += 2) {
        for (int x = 0; x < picture.width(); x += 2) {
            if (solid(case_picture, x, y)) solid_box = solid_box.united(QRect(x, y, 1, 1));
        }
    }
    const QPoint guess = changed - solid_box.topLeft() - rects_[case_picture].topLeft();
    std::optional<QPoint> best;
    double best_share = 0.9;  // less is not the case
    for (int dy = -4; dy <= 4; ++dy) {
        for (int dx = -4; dx <= 4; ++dx) {
            const QPoint origin = guess + QPoint(dx, dy);
            const double share = shown(case_picture, shot, origin, 3);
            if (share <= best_share) continue;
            best_share = share;
            best = origin;
        }
    }
    return best;
}

}  // namespace gorvo::test
