// The drawing rule: stacking order, alpha blending, keyed transparency, clipping, no scaling,
// the backdrop, and the see-through shape of the windowed presentation.
#include <gtest/gtest.h>

#include <QImage>

#include "core/images.h"
#include "support/qt/test_app.h"
#include "ui/frame_painter.h"

namespace gorvo::ui {
namespace {

PicturePtr solid(int w, int h, QColor c, int alpha = 255, bool has_alpha = true) {
    auto p = std::make_shared<Picture>();
    p->width = w;
    p->height = h;
    p->has_alpha = has_alpha;
    p->rgba.resize(static_cast<std::size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint8_t* px = p->pixel(x, y);
            px[0] = static_cast<std::uint8_t>(c.red());
            px[1] = static_cast<std::uint8_t>(c.green());
            px[2] = static_cast<std::uint8_t>(c.blue());
            px[3] = static_cast<std::uint8_t>(alpha);
        }
    }
    return p;
}

class FramePainting : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensure_qt_app();
        // Only what a test shows is visible.
        for (int i = 0; i < kImageCount; ++i)
            images.set_visible(static_cast<ImageId>(i), false);
    }
    void show(ImageId id, Rect rect, PicturePtr picture) {
        images.set_rect(id, rect);
        images.set_own_picture(id, std::move(picture));
        images.set_visible(id, true);
    }
    void paint(QColor background = Qt::white, std::optional<QColor> clear = std::nullopt,
               bool stretch = false) {
        painter.reset(QSize(100, 80), FrameStyle{background, clear, stretch});
        painter.redraw(images, QRect(0, 0, 100, 80));
    }
    QColor at(int x, int y) const { return painter.frame().pixelColor(x, y); }

    Images images;
    FramePainter painter;
};

TEST_F(FramePainting, LaterImagesInTheStackCoverEarlierOnes) {
    // A crow and a Tobo segment overlapping: the later one in the stack is on top.
    show(im_crow_02_01, Rect{10, 10, 30, 30}, solid(30, 30, Qt::red));
    show(im_tobo_02_01, Rect{20, 20, 30, 30}, solid(30, 30, Qt::blue));
    paint();
    EXPECT_EQ(at(15, 15), QColor(Qt::red));
    EXPECT_EQ(at(25, 25), QColor(Qt::blue));
    EXPECT_EQ(at(45, 45), QColor(Qt::blue));
    EXPECT_EQ(at(5, 5), QColor(Qt::white));
}

TEST_F(FramePainting, AlphaIsBlendedOverWhatLiesBelow) {
    show(im_background_open, Rect{0, 0, 100, 80}, solid(100, 80, QColor(0, 0, 255)));
    show(im_tobo_01_08, Rect{10, 10, 20, 20}, solid(20, 20, QColor(255, 0, 0), 128));
    paint();
    const QColor c = at(15, 15);
    EXPECT_NEAR(c.red(), 128, 2);
    EXPECT_NEAR(c.blue(), 127, 2);
    EXPECT_EQ(at(50, 50), QColor(0, 0, 255));
}

TEST_F(FramePainting, PicturesAreClippedToTheirRectangleAndNeverScaled) {
    // A picture larger than its rectangle shows its top-left part only; a smaller one keeps
    // its size and leaves the rest of the rectangle to what lies below.
    show(im_crow_02_01, Rect{10, 10, 20, 20}, solid(40, 40, Qt::green));
    show(im_tobo_02_01, Rect{50, 10, 30, 30}, solid(10, 10, Qt::red));
    paint();
    EXPECT_EQ(at(29, 29), QColor(Qt::green));
    EXPECT_EQ(at(30, 30), QColor(Qt::white));
    EXPECT_EQ(at(59, 19), QColor(Qt::red));
    EXPECT_EQ(at(60, 20), QColor(Qt::white));
}

TEST_F(FramePainting, APictureWithoutAlphaLeavesOutItsBottomLeftColourOnlyOnATransparentImage) {
    auto picture = std::make_shared<Picture>(*solid(20, 20, Qt::yellow, 255, false));
    for (int x = 5; x < 15; ++x) {
        std::uint8_t* px = picture->pixel(x, 10);
        px[0] = 0, px[1] = 0, px[2] = 0;
    }
    show(im_background_open, Rect{0, 0, 100, 80}, solid(100, 80, Qt::blue));
    show(im_tobo_01_08, Rect{10, 10, 20, 20}, picture);  // a transparent image
    show(btn_jump_top, Rect{40, 10, 20, 20}, picture);   // an opaque one
    paint();
    EXPECT_EQ(at(12, 12), QColor(Qt::blue));
    EXPECT_EQ(at(17, 20), QColor(Qt::black));
    EXPECT_EQ(at(42, 12), QColor(Qt::yellow));
}

TEST_F(FramePainting, HiddenImagesAndEmptyPicturesDrawNothing) {
    show(im_tobo_01_08, Rect{10, 10, 20, 20}, solid(20, 20, Qt::red));
    images.set_visible(im_tobo_01_08, false);
    show(btn_jump_top, Rect{40, 10, 20, 20}, nullptr);
    paint();
    EXPECT_EQ(at(15, 15), QColor(Qt::white));
    EXPECT_EQ(at(45, 15), QColor(Qt::white));
}

TEST_F(FramePainting, OnlyTheAreaAskedForIsPaintedAgain) {
    show(im_tobo_01_08, Rect{10, 10, 20, 20}, solid(20, 20, Qt::red));
    show(im_tobo_02_08, Rect{50, 10, 20, 20}, solid(20, 20, Qt::red));
    paint();
    images.set_visible(im_tobo_01_08, false);
    images.set_visible(im_tobo_02_08, false);
    painter.redraw(images, QRect(10, 10, 20, 20));
    EXPECT_EQ(at(15, 15), QColor(Qt::white));
    EXPECT_EQ(at(55, 15), QColor(Qt::red));  // not asked for: still the old picture
}

TEST_F(FramePainting, TheBackdropIsCentredOrStretchedOverTheWholeWindow) {
    show(im_backdrop, Rect{0, 0, 100, 80}, solid(20, 10, Qt::darkGreen));
    paint(Qt::black);
    EXPECT_EQ(at(40, 35), QColor(Qt::darkGreen));
    EXPECT_EQ(at(59, 44), QColor(Qt::darkGreen));
    EXPECT_EQ(at(39, 35), QColor(Qt::black));
    EXPECT_EQ(at(60, 44), QColor(Qt::black));
    paint(Qt::black, std::nullopt, true);
    EXPECT_EQ(at(0, 0), QColor(Qt::darkGreen));
    EXPECT_EQ(at(99, 79), QColor(Qt::darkGreen));
}

TEST_F(FramePainting, TheSeeThroughColourBecomesTransparentInATranslucentWindow) {
    const QColor key(255, 0, 255);
    auto picture = solid(40, 40, Qt::gray);
    show(im_background_closed, Rect{0, 0, 40, 40}, picture);
    paint(key, key);
    EXPECT_EQ(qAlpha(painter.frame().pixel(50, 50)), 0);
    EXPECT_EQ(qAlpha(painter.frame().pixel(20, 20)), 255);
}

TEST(SolidRegion, IsWhereTheWindowIsNeitherKeyColouredNorTransparent) {
    test::ensure_qt_app();
    const QColor key(255, 0, 255);
    QImage frame(30, 20, QImage::Format_ARGB32_Premultiplied);
    frame.fill(key);
    for (int y = 5; y < 10; ++y) {
        for (int x = 4; x < 12; ++x)
            frame.setPixel(x, y, qRgb(10, 20, 30));
    }
    frame.setPixel(20, 15, 0);  // transparent
    frame.setPixel(21, 15, qRgb(1, 1, 1));
    const QRegion region = solid_region(frame, frame.rect(), key);
    EXPECT_TRUE((region ^ (QRegion(4, 5, 8, 5) + QRect(21, 15, 1, 1))).isEmpty());
    // Limited to the area asked for.
    const QRegion part = solid_region(frame, QRect(0, 0, 6, 6), key);
    EXPECT_TRUE((part ^ QRegion(4, 5, 2, 1)).isEmpty());
}

}  // namespace
}  // namespace gorvo::ui
