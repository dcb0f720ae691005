#include "icon_render.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

namespace gorvo::icons {

namespace {

// Small sizes are drawn larger and scaled down: area averaging keeps thin strokes visible as
// soft lines where direct rendering would drop or alias them.
constexpr int kOversample = 4;
constexpr int kLargestSize = 1024;

bool is_blank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) return false;
        }
    }
    return true;
}

}  // namespace

std::vector<int> parse_sizes(const QString& text) {
    std::vector<int> sizes;
    for (const QString& part : text.split(',')) {
        bool ok = false;
        const int size = part.trimmed().toInt(&ok);
        if (!ok || size < 1 || size > kLargestSize) return {};
        if (std::find(sizes.begin(), sizes.end(), size) != sizes.end()) return {};
        sizes.push_back(size);
    }
    return sizes;
}

IconRender render_icon(const QString& svg, int size) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) return {{}, svg + ": not a readable SVG document"};
    const QRectF box = renderer.viewBoxF();
    if (box.isEmpty() || qAbs(box.width() - box.height()) > 1e-6) {
        return {{},
                svg + QStringLiteral(": the drawing is %1 x %2, an icon must be square")
                          .arg(box.width())
                          .arg(box.height())};
    }
    const int drawn = std::min(size * kOversample, kLargestSize * kOversample);
    QImage canvas(drawn, drawn, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, drawn, drawn));
    }
    QImage image = canvas.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32);
    if (is_blank(image)) return {{}, svg + ": the drawing paints nothing"};
    return {image, {}};
}

QString write_icon(const QImage& image, const QString& folder, const QString& name) {
    const QString dir =
        QStringLiteral("%1/%2x%3/apps").arg(folder).arg(image.width()).arg(image.height());
    const QString file = dir + "/" + name + ".png";
    if (!QDir().mkpath(dir)) return dir + ": cannot create the folder";
    if (!image.save(file, "PNG")) return file + ": cannot write the picture";
    return {};
}

}  // namespace gorvo::icons
