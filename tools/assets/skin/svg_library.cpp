#include "svg_library.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>

namespace gorvo::assets {

struct SvgLibrary::Document {
    QString path;
    std::unique_ptr<QSvgRenderer> renderer;
};

SvgLibrary::SvgLibrary() = default;
SvgLibrary::~SvgLibrary() = default;

QString SvgLibrary::load_folder(const QString& dir) {
    const QDir folder(dir);
    const QStringList names = folder.entryList({"*.svg"}, QDir::Files, QDir::Name);
    if (names.isEmpty()) return QString("no SVG documents in %1").arg(dir);
    for (const QString& name : names) {
        auto doc = std::make_unique<Document>();
        doc->path = folder.filePath(name);
        doc->renderer = std::make_unique<QSvgRenderer>(doc->path);
        if (!doc->renderer->isValid())
            return QString("%1 is not a readable SVG file").arg(doc->path);
        documents_.push_back(std::move(doc));
    }
    return {};
}

const SvgLibrary::Document* SvgLibrary::find(const QString& id) const {
    for (const auto& doc : documents_) {
        if (doc->renderer->elementExists(id)) return doc.get();
    }
    return nullptr;
}

bool SvgLibrary::has(const QString& id) const {
    return find(id) != nullptr;
}

QString SvgLibrary::file_of(const QString& id) const {
    const Document* doc = find(id);
    return doc ? doc->path : QString();
}

QStringList SvgLibrary::files_with(const QString& id) const {
    QStringList out;
    for (const auto& doc : documents_) {
        if (doc->renderer->elementExists(id)) out << doc->path;
    }
    return out;
}

QRectF SvgLibrary::bounds(const QString& id) const {
    const Document* doc = find(id);
    return doc ? doc->renderer->boundsOnElement(id) : QRectF();
}

QImage SvgLibrary::render(const QString& id, const QRectF& area, qreal scale) const {
    const Document* doc = find(id);
    if (!doc) return {};
    const QSize size = (area.size() * scale).toSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QRectF extent = doc->renderer->boundsOnElement(id);
    if (extent.isEmpty()) return image;
    // Rendering by id maps the element's extent onto the target rectangle; choosing the target
    // as the extent moved by the area's corner (and scaled) keeps design coordinates exact.
    const QRectF target((extent.left() - area.left()) * scale, (extent.top() - area.top()) * scale,
                        extent.width() * scale, extent.height() * scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    doc->renderer->render(&painter, id, target);
    painter.end();
    return image;
}

}  // namespace gorvo::assets
