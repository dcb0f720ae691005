// The skin's SVG documents, drawn in the 605 x 748 design coordinates of the game window. Every
// picture is one element whose id is the picture's name; this finds and renders it.
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QSvgRenderer;

namespace gorvo::assets {

class SvgLibrary {
  public:
    SvgLibrary();
    ~SvgLibrary();
    SvgLibrary(const SvgLibrary&) = delete;
    SvgLibrary& operator=(const SvgLibrary&) = delete;

    // Loads every *.svg file of `dir`. Returns an empty string, or what went wrong: a file that
    // does not parse, a folder without documents.
    QString load_folder(const QString& dir);

    bool has(const QString& id) const;
    // The file that holds `id`, for messages; empty when none does.
    QString file_of(const QString& id) const;
    // Every file that holds `id` (more than one is a mistake in the sources).
    QStringList files_with(const QString& id) const;

    // The element's extent in design coordinates, strokes included.
    QRectF bounds(const QString& id) const;

    // Renders element `id` so that the design-coordinate `area` fills an image of
    // area.size() * scale pixels; whatever lies outside the area is cut off. The image is
    // transparent where the element does not paint. Null image when the id does not exist.
    QImage render(const QString& id, const QRectF& area, qreal scale) const;

  private:
    struct Document;
    const Document* find(const QString& id) const;
    std::vector<std::unique_ptr<Document>> documents_;
};

}  // namespace gorvo::assets
