// The skin's SVG sources: one element per skin picture, named after its image, and every LCD
// segment drawn fully inside its design rectangle (a picture is cut to its rectangle, so
// anything outside would silently go missing).
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QSvgRenderer>
#include <memory>
#include <vector>

#include "skin_folder.h"

namespace gorvo::test {
namespace {

class SvgSources : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // Text in the art needs a font database, and that needs an application object.
        static int argc = 1;
        static char name[] = "assets_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) app_ = new QGuiApplication(argc, argv);
        const QDir dir(GORVO_SKIN_SVG_DIR);
        for (const QString& file : dir.entryList({"*.svg"}, QDir::Files, QDir::Name))
            documents_.push_back(std::make_unique<QSvgRenderer>(dir.filePath(file)));
    }
    static void TearDownTestSuite() {
        documents_.clear();
        delete app_;
        app_ = nullptr;
    }

    static std::vector<QSvgRenderer*> holders(const QString& id) {
        std::vector<QSvgRenderer*> out;
        for (const auto& doc : documents_)
            if (doc->elementExists(id)) out.push_back(doc.get());
        return out;
    }

    static inline QGuiApplication* app_ = nullptr;
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

TEST_F(SvgSources, SegmentsAndButtonsStayInsideTheRectanglesTheyAreDrawnIn) {
    for (ImageId id : kSkinImages) {
        if (id == im_background_open || id == im_background_closed) continue;
        const QString name = QString::fromStdString(name_of(id));
        const auto docs = holders(name);
        if (docs.size() != 1) continue;  // reported above
        const QRectF bounds = docs.front()->boundsOnElement(name);
        const QRectF allowed = QRectF(drawn_rect(id)).adjusted(-0.5, -0.5, 0.5, 0.5);
        EXPECT_TRUE(allowed.contains(bounds))
            << name.toStdString() << " reaches " << bounds.left() << "," << bounds.top() << " "
            << bounds.width() << "x" << bounds.height();
    }
}

}  // namespace
}  // namespace gorvo::test
