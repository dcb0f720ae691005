#include "backdrop.h"

#include <QDir>

namespace gorvo::assets {

namespace {

QColor border_mean(const QImage& image) {
    double r = 0, g = 0, b = 0;
    int n = 0;
    auto add = [&](int x, int y) {
        const QRgb p = image.pixel(x, y);
        r += qRed(p);
        g += qGreen(p);
        b += qBlue(p);
        ++n;
    };
    for (int x = 0; x < image.width(); ++x) {
        add(x, 0);
        add(x, image.height() - 1);
    }
    for (int y = 1; y + 1 < image.height(); ++y) {
        add(0, y);
        add(image.width() - 1, y);
    }
    return QColor(qRound(r / n), qRound(g / n), qRound(b / n));
}

}  // namespace

BackdropSet render_backdrop_set(const SvgLibrary& svg) {
    BackdropSet set;
    for (const char* id : {"backdrop", "logo"}) {
        if (!svg.has(id)) {
            set.error = QString("no SVG element has the id %1").arg(id);
            return set;
        }
    }
    set.backdrop = svg.render("backdrop", QRectF(0, 0, kBackdropWidth, kBackdropHeight), 1)
                       .convertToFormat(QImage::Format_RGB32);
    set.logo = svg.render("logo", QRectF(0, 0, kLogoWidth, kLogoHeight), 1)
                   .convertToFormat(QImage::Format_ARGB32);
    set.edge = border_mean(set.backdrop);
    return set;
}

unsigned to_bgr(QColor colour) {
    return static_cast<unsigned>(colour.blue()) << 16 | static_cast<unsigned>(colour.green()) << 8 |
           static_cast<unsigned>(colour.red());
}

QString write_backdrop_set(const BackdropSet& set, const QString& dir) {
    if (!QDir().mkpath(dir)) return QString("cannot create %1").arg(dir);
    const QString backdrop = QDir(dir).filePath("Backdrop.jpg");
    if (!set.backdrop.save(backdrop, "JPG", 92)) return QString("cannot write %1").arg(backdrop);
    const QString logo = QDir(dir).filePath("Logo.png");
    if (!set.logo.save(logo, "PNG")) return QString("cannot write %1").arg(logo);
    return {};
}

}  // namespace gorvo::assets
