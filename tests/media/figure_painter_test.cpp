// Figures of the manual drawn from a small stand-in of the skin's drawings.
#include "figure_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "skin_art.h"
#include "support/qt/test_app.h"

namespace gorvo::media {
namespace {

class FigurePainter : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { gorvo::test::ensure_qt_gui_app(); }
    void SetUp() override {
        ASSERT_EQ(art_.load_folder(GORVO_TEST_DRAWINGS).toStdString(), "");
        page_ = QImage(200, 200, QImage::Format_RGB32);
        page_.fill(Qt::white);
    }
    QString paint(const Figure& f) {
        QPainter p(&page_);
        return paint_figure(p, f, QRectF(0, 0, 200, 200), art_);
    }
    SkinArt art_;
    QImage page_;
};

Figure figure(Area area, std::vector<Figure::Element> elements) {
    Figure f;
    f.area = area;
    f.elements = std::move(elements);
    return f;
}

TEST_F(FigurePainter, FindsElementsInEveryDrawingWithTheirTransforms) {
    EXPECT_TRUE(art_.has("im_background_open"));
    EXPECT_TRUE(art_.has("im_tobo_01_09"));
    EXPECT_FALSE(art_.has("im_tobo_05_09"));
    // The parent's translation counts; the second file's larger canvas does not change units.
    const QRectF tobo = art_.bounds("im_tobo_01_09");
    EXPECT_NEAR(tobo.x(), 195, 0.5);
    EXPECT_NEAR(tobo.y(), 608, 0.5);
    EXPECT_NEAR(tobo.width(), 20, 0.5);
    EXPECT_EQ(art_.expand("im_tobo_*"), (QStringList{"im_tobo_01_09", "im_tobo_01_08"}));
    EXPECT_EQ(art_.expand("im_*_01_0[8]"), QStringList{"im_tobo_01_08"});
    EXPECT_TRUE(art_.expand("im_crow_*").isEmpty());
}

TEST_F(FigurePainter, ShowsThePartOfTheUnitAskedForScaledToTheSlot) {
    // The waiting place of Tobo fills the whole 200 × 200 slot.
    ASSERT_EQ(paint(figure({195, 608, 20, 20}, {{"im_tobo_01_09", ""}})).toStdString(), "");
    EXPECT_EQ(page_.pixelColor(100, 100), QColor(0, 0, 255));
    EXPECT_EQ(page_.pixelColor(10, 190), QColor(0, 0, 255));
}

TEST_F(FigurePainter, PutsADigitGlyphIntoTheDigitPosition) {
    // im_panel_digit_pos_2 lies at 368, 611 (14 × 24); the glyph comes from 16, 384.
    ASSERT_EQ(paint(figure({360, 605, 30, 36}, {{"im_panel_number_1", "im_panel_digit_pos_2"}}))
                  .toStdString(),
              "");
    const double s = 200.0 / 36;  // height-limited
    const double left = 100 - 15 * s;
    EXPECT_EQ(page_.pixelColor(static_cast<int>(left + (375 - 360) * s),
                               static_cast<int>((623 - 605) * s)),
              QColor(255, 0, 0));
    // Outside the digit position: nothing drawn.
    EXPECT_EQ(page_.pixelColor(static_cast<int>(left + 2 * s), 100), QColor(Qt::white));
}

TEST_F(FigurePainter, NamesWhatItCannotDraw) {
    EXPECT_EQ(paint(figure({0, 0, 605, 748}, {{"im_crow_02_01", ""}})).toStdString(),
              "the skin has no element im_crow_02_01");
    EXPECT_EQ(paint(figure({0, 0, 605, 748}, {{"im_crow_*", ""}})).toStdString(),
              "the skin has no element im_crow_*");
    EXPECT_EQ(paint(figure({0, 0, 605, 748}, {{"im_panel_number_1", "decoration"}})).toStdString(),
              "decoration is not an image of the unit");
    Figure labelled = figure({0, 0, 605, 748}, {{"im_background_open", ""}});
    labelled.callouts.push_back({"im_gone", true, "Gone"});
    EXPECT_EQ(paint(labelled).toStdString(), "the skin has no element im_gone");
}

TEST_F(FigurePainter, RefusesLabelsAndCaptionsThatDoNotFit) {
    Figure f = figure({0, 0, 605, 748}, {{"im_background_open", ""}});
    for (int i = 0; i < 14; ++i)
        f.callouts.push_back({"im_tobo_01_09", false, "Label"});
    EXPECT_EQ(paint(f).toStdString(), "its labels do not fit beside it");
    Figure g = figure({0, 0, 605, 748}, {{"im_background_open", ""}});
    g.caption = "A caption far too long to be read under a figure only two hundred pixels wide";
    EXPECT_EQ(paint(g).toStdString(), "its caption is wider than the figure");
}

}  // namespace
}  // namespace gorvo::media
