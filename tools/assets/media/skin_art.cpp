#include "skin_art.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace gorvo::media {

struct SkinArt::Document {
    QSvgRenderer renderer;
    QStringList ids;  // every id of the document, in order
};

SkinArt::SkinArt() = default;
SkinArt::~SkinArt() = default;

namespace {

QStringList ids_of(QFile& file) {
    QStringList ids;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.attributes().hasAttribute("id"))
            ids << xml.attributes().value("id").toString();
    return ids;
}

}  // namespace

QString SkinArt::load_folder(const QString& folder) {
    const QDir dir(folder);
    const QStringList files = dir.entryList({"*.svg"}, QDir::Files, QDir::Name);
    if (files.isEmpty()) return QStringLiteral("no SVG drawing in %1").arg(folder);
    for (const QString& name : files) {
        const QString path = dir.filePath(name);
        auto doc = std::make_unique<Document>();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || !doc->renderer.load(path) ||
            !doc->renderer.isValid())
            return QStringLiteral("%1 is not a readable SVG drawing").arg(path);
        doc->ids = ids_of(file);
        documents_.push_back(std::move(doc));
    }
    return {};
}

const SkinArt::Document* SkinArt::find(const QString& id) const {
    for (const auto& d : documents_)
        if (d->renderer.elementExists(id)) return d.get();
    return nullptr;
}

bool SkinArt::has(const QString& id) const {
    return find(id) != nullptr;
}

QStringList SkinArt::expand(const QString& pattern) const {
    if (!pattern.contains('*')) return has(pattern) ? QStringList{pattern} : QStringList{};
    const QRegularExpression re = QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive);
    QStringList out;
    for (const auto& d : documents_)
        for (const QString& id : d->ids)
            if (re.match(id).hasMatch() && d->renderer.elementExists(id) && !out.contains(id))
                out << id;
    return out;
}

QRectF SkinArt::bounds(const QString& id) const {
    const Document* d = find(id);
    if (!d) return {};
    // The documents are drawn in design pixels: their view box is the 605 × 748 game area.
    const QRectF view = d->renderer.viewBoxF();
    const QRectF local =
        d->renderer.transformForElement(id).mapRect(d->renderer.boundsOnElement(id));
    const double sx = view.width() > 0 ? 605.0 / view.width() : 1.0;
    const double sy = view.height() > 0 ? 748.0 / view.height() : 1.0;
    return QRectF((local.x() - view.x()) * sx, (local.y() - view.y()) * sy, local.width() * sx,
                  local.height() * sy);
}

void SkinArt::draw(QPainter& p, const QString& id, const QRectF& target) const {
    for (const auto& d : documents_)
        if (d->renderer.elementExists(id)) {
            d->renderer.render(&p, id, target);
            return;
        }
}

}  // namespace gorvo::media
