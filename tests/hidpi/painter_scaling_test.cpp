// The rest of the drawing rule at a high ratio: pictures without companion scaled smoothly,
// clipping to rectangles in window pixels, keyed companions, the see-through colour, the
// backdrop, and repaints at a fractional ratio matching a whole painting.
#include "painter_fixture.h"

namespace gorvo::test {
namespace {

const QColor kMagenta(255, 0, 255);

using ScaledDrawing = PainterAtRatio;

bool strictly_between(int value, int low, int high) {
    return value > low && value < high;
}

TEST_F(ScaledDrawing, APictureWithoutCompanionIsScaledSmoothly) {
    // Red on the left half, blue on the right: nearest-pixel scaling would give pure colours on
    // both sides of the edge, smooth scaling blends them there.
    QImage halves(4, 4, QImage::Format_RGBA8888);
    halves.fill(kRed);
    for (int y = 0; y < 4; ++y) {
        halves.setPixelColor(2, y, kBlue);
        halves.setPixelColor(3, y, kBlue);
    }
    show(im_tobo_01_08, Rect{10, 10, 4, 4}, picture_of(halves));
    paint(2.0);
    EXPECT_EQ(screen(20, 24), kRed);
    EXPECT_EQ(screen(27, 24), kBlue);
    const QColor left_of_edge = screen(23, 24);
    const QColor right_of_edge = screen(24, 24);
    EXPECT_TRUE(strictly_between(left_of_edge.blue(), 0, 200)) << left_of_edge.name().toStdString();
    EXPECT_TRUE(strictly_between(right_of_edge.red(), 0, 200))
        << right_of_edge.name().toStdString();
}

TEST_F(ScaledDrawing, RectanglesClipInWindowPixels) {
    // Pictures larger than their rectangles: whether scaled or from a companion, nothing shows
    // past the rectangle's edge, and everything up to it does.
    show(im_tobo_01_08, Rect{2, 2, 3, 3}, solid_picture(5, 5, kRed));
    show(im_tobo_02_08, Rect{12, 2, 3, 3},
         with_companion(solid_picture(5, 5, kRed), solid_picture(10, 10, kBlue)));
    paint(2.0);
    EXPECT_EQ(screen(4, 4), kRed);
    EXPECT_EQ(screen(9, 9), kRed);
    EXPECT_EQ(screen(10, 9), QColor(Qt::white));
    EXPECT_EQ(screen(9, 10), QColor(Qt::white));
    EXPECT_EQ(screen(24, 4), kBlue);
    EXPECT_EQ(screen(29, 9), kBlue);
    EXPECT_EQ(screen(30, 9), QColor(Qt::white));
    EXPECT_EQ(screen(29, 10), QColor(Qt::white));
    EXPECT_EQ(screen(23, 4), QColor(Qt::white));
}

TEST_F(ScaledDrawing, APlainCompanionOnATransparentImageLeavesOutItsBottomLeftColour) {
    // Bitmaps without alpha: the companion's own bottom-left colour is its transparent colour.
    const PicturePtr companion = checkered_picture(8, 8, kRed, kGreen, false);  // green corner
    show(im_tobo_01_08, Rect{4, 4, 4, 4},
         with_companion(solid_picture(4, 4, kBlue, false), companion));
    // The same on an image that is not transparent covers its whole rectangle.
    show(btn_jump_top, Rect{20, 4, 4, 4},
         with_companion(solid_picture(4, 4, kBlue, false), companion));
    paint(2.0);
    EXPECT_EQ(screen(8, 8), kRed);
    EXPECT_EQ(screen(9, 8), QColor(Qt::white));
    EXPECT_EQ(screen(40, 8), kRed);
    EXPECT_EQ(screen(41, 8), kGreen);
}

TEST_F(ScaledDrawing, TheSeeThroughColourClearsScreenPixels) {
    show(im_tobo_01_08, Rect{4, 4, 4, 4},
         with_companion(solid_picture(4, 4, kRed), checkered_picture(8, 8, kRed, kMagenta)));
    paint(2.0, ui::FrameStyle{kMagenta, kMagenta, false});
    EXPECT_EQ(qAlpha(painter.screen_frame().pixel(2, 2)), 0);  // the background
    EXPECT_EQ(qAlpha(painter.screen_frame().pixel(9, 8)), 0);  // the companion's key pixels
    EXPECT_EQ(painter.screen_frame().pixelColor(8, 8), kRed);
    // The window-pixel frame, the measure of the window's shape, has no holes in the picture.
    EXPECT_EQ(qAlpha(painter.frame().pixel(4, 4)), 255);
    EXPECT_EQ(qAlpha(painter.frame().pixel(2, 2)), 0);
}

TEST_F(ScaledDrawing, TheSeeThroughColourNeverShowsInsideAShapeCutInWindowPixels) {
    // The picture covers its whole window pixel; its companion leaves one screen pixel of it
    // uncovered, as a finely drawn rounded corner does. The shape holds the whole window pixel,
    // so that screen pixel shows the window pixel's colour, not the see-through colour.
    QImage corner(4, 4, QImage::Format_RGBA8888);
    corner.fill(kBlue);
    corner.setPixelColor(0, 0, Qt::transparent);
    show(im_tobo_01_08, Rect{4, 4, 2, 2},
         with_companion(solid_picture(2, 2, kRed), picture_of(corner)));
    paint(2.0, ui::FrameStyle{kMagenta, std::nullopt, false, kMagenta});
    EXPECT_EQ(screen(8, 8), kRed);
    EXPECT_EQ(screen(9, 8), kBlue);
    EXPECT_EQ(screen(7, 8), kMagenta);  // outside the picture: outside the shape too
    // The same after a repaint of the area, and after a change of ratio.
    painter.redraw(images, QRect(4, 4, 1, 1));
    EXPECT_EQ(screen(8, 8), kRed);
    painter.set_pixel_ratio(3.0, images);
    EXPECT_EQ(screen(12, 12), kRed);
    EXPECT_EQ(screen(14, 14), kBlue);
}

TEST_F(ScaledDrawing, TheBackdropIsCentredAndStretchedByItsOwnSize) {
    show(im_backdrop, Rect{0, 0, kWidth, kHeight},
         with_companion(solid_picture(4, 2, kRed), solid_picture(8, 4, kBlue)));
    paint(2.0);
    // Centred at ((40 - 4) / 2, (30 - 2) / 2) = (18, 14) in window pixels.
    EXPECT_EQ(screen(36, 28), kBlue);
    EXPECT_EQ(screen(43, 31), kBlue);
    EXPECT_EQ(screen(35, 28), QColor(Qt::white));
    EXPECT_EQ(screen(44, 31), QColor(Qt::white));
    paint(2.0, ui::FrameStyle{Qt::white, std::nullopt, true});
    EXPECT_EQ(screen(0, 0), kBlue);
    EXPECT_EQ(screen(79, 59), kBlue);
}

TEST_F(ScaledDrawing, RepaintsAtAFractionalRatioMatchAWholePainting) {
    // Neighbours whose edges fall inside screen pixels: a repaint of one must leave exactly what
    // painting everything anew gives.
    QImage pattern(5, 5, QImage::Format_RGBA8888);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x)
            pattern.setPixelColor(x, y, QColor(40 * x, 200 - 30 * y, 90, 255));
    }
    show(im_tobo_01_08, Rect{3, 3, 5, 5}, picture_of(pattern));
    show(im_tobo_02_08, Rect{8, 3, 5, 5}, solid_picture(5, 5, kBlue));
    show(im_nokker_02_08, Rect{6, 5, 5, 5}, solid_picture(5, 5, kGreen, true));
    for (const qreal ratio : {1.25, 1.5, 1.75}) {
        paint(ratio);
        images.set_visible(im_nokker_02_08, false);
        painter.redraw(images, QRect(6, 5, 5, 5));
        const QImage repainted = painter.screen_frame().copy();
        paint(ratio);
        EXPECT_EQ(repainted, painter.screen_frame()) << ratio;
        images.set_visible(im_nokker_02_08, true);
    }
}

}  // namespace
}  // namespace gorvo::test
