// The skin's SVG sources: one element per skin picture, named after its image, and every LCD
// segment drawn fully inside its design rectangle (a picture is cut to its rectangle, so
// anything outside would silently go missing).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>
#include <vector>

#include "skin_folder.h"
#include "support/qt/test_app.h"

namespace gorvo::test {
namespace {

class SvgSources : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // Text in the art needs a font database, and that needs an application object.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        ensure_qt_gui_app();
        const QDir dir(GORVO_SKIN_SVG_DIR);
        for (const QString& file : dir.entryList({"*.svg"}, QDir::Files, QDir::Name))
            documents_.push_back(std::make_unique<QSvgRenderer>(dir.filePath(file)));
    }
    static void TearDownTestSuite() { documents_.clear(); }

    static std::vector<QSvgRenderer*> holders(const QString& id) {
        std::vector<QSvgRenderer*> out;
        for (const auto& doc : documents_)
            if (doc->elementExists(id)) out.push_back(doc.get());
        return out;
    }

    static inline std::vector<std::unique_ptr<QSvgRenderer>> documents_;
};

TEST_F(SvgSources, AllDocumentsParse) {
    ASSERT_FALSE(documents_.empty());
    for (const auto& doc : documents_)
        EXPECT_TRUE(doc->isValid());
}

TEST_F(SvgSources, EachSkinPictureIsExactlyOneElement) {
    for (ImageId id : kSkinImages) {
        const QString name = QString::fromStdString(name_of(id));
        const std::size_t count = holders(name).size();
        if (section_of(id) && skin_picture(id).isNull()) continue;  // names no picture
        EXPECT_EQ(count, 1u) << name.toStdString();
    }
}

// Paints the element at its place in the window and returns the extent of everything it paints
// outside `allowed` (empty when nothing).
QRect painted_outside(QSvgRenderer& doc, const QString& id, const QRect& allowed) {
    QImage canvas(605, 748, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = doc.boundsOnElement(id);
    doc.render(&painter, id, bounds);  // bounds onto themselves: design coordinates unchanged
    painter.end();
    QRect outside;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(canvas.pixel(x, y)) > 8 && !allowed.contains(x, y))
                outside |= QRect(x, y, 1, 1);
        }
    }
    return outside;
}

TEST_F(SvgSources, SegmentsAndButtonsStayInsideTheRectanglesTheyAreDrawnIn) {
    for (ImageId id : kSkinImages) {
        if (id == im_background_open || id == im_background_closed) continue;
        const QString name = QString::fromStdString(name_of(id));
        const auto docs = holders(name);
        if (docs.size() != 1) continue;  // reported above
        const QRect outside = painted_outside(*docs.front(), name, drawn_rect(id));
        EXPECT_TRUE(outside.isEmpty())
            << name.toStdString() << " paints outside its rectangle at " << outside.x() << ","
            << outside.y() << " " << outside.width() << "x" << outside.height();
    }
}

}  // namespace
}  // namespace gorvo::test
