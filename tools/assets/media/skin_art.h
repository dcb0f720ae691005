// The skin's drawings (SVG documents with one element per picture, named by the image, in the
// unit's 605 × 748 design pixels), used to draw parts of the handheld into other pictures.
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QPainter;
class QSvgRenderer;

namespace gorvo::media {

class SkinArt {
  public:
    SkinArt();
    ~SkinArt();
    SkinArt(const SkinArt&) = delete;
    SkinArt& operator=(const SkinArt&) = delete;

    // Reads every *.svg of the folder. Empty when all were read; else a message naming the file.
    QString load_folder(const QString& folder);

    bool has(const QString& id) const;

    // The drawing's element names that match `pattern` ('*' stands for any text), in the
    // order of the files and of the elements in them; a name without '*' is returned as it is
    // when it exists.
    QStringList expand(const QString& pattern) const;

    // Where the element paints, in design pixels, with its parents' transforms applied.
    QRectF bounds(const QString& id) const;

    // Draws the element into `target` (page pixels), the element's bounds filling it.
    void draw(QPainter& p, const QString& id, const QRectF& target) const;

  private:
    struct Document;
    const Document* find(const QString& id) const;
    std::vector<std::unique_ptr<Document>> documents_;
};

}  // namespace gorvo::media
