// The frame at a screen ratio of 2: companions drawn pixel for pixel where their pictures are,
// the window-pixel frame kept beside it, repaints of both, and the copy onto the window.
#include <QPainter>

#include "painter_fixture.h"

namespace gorvo::test {
namespace {

using CompanionDrawing = PainterAtRatio;

TEST_F(CompanionDrawing, TheScreenFrameShowsTheCompanionPixelForPixel) {
    const PicturePtr companion = checkered_picture(12, 8, kRed, kBlue);
    show(im_tobo_01_08, Rect{10, 10, 6, 4}, with_companion(solid_picture(6, 4, kRed), companion));
    paint(2.0);

    const QImage& frame = painter.screen_frame();
    ASSERT_EQ(frame.size(), QSize(80, 60));
    EXPECT_EQ(frame.devicePixelRatio(), 2.0);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(screen(20 + x, 20 + y), colour_at(*companion, x, y)) << x << "," << y;
    }
    EXPECT_EQ(screen(19, 20), QColor(Qt::white));
    EXPECT_EQ(screen(32, 27), QColor(Qt::white));
    EXPECT_EQ(screen(20, 28), QColor(Qt::white));
    // The window-pixel frame is drawn from the picture itself, at the window's size.
    EXPECT_EQ(painter.frame().size(), QSize(kWidth, kHeight));
    EXPECT_EQ(painter.frame().pixelColor(11, 10), kRed);
}

TEST_F(CompanionDrawing, CompanionsServeFromARatioOfOneAndAHalf) {
    // Below 1.5 the picture, scaled, is nearer to the screen than the companion; from 1.5 on
    // the companion is, scaled down if need be.
    show(im_tobo_01_08, Rect{8, 8, 12, 12},
         with_companion(solid_picture(12, 12, kRed), solid_picture(24, 24, kGreen)));
    const auto centre = [this](qreal ratio) {
        paint(ratio);
        const int at = static_cast<int>(14 * ratio);
        return screen(at, at);
    };
    EXPECT_EQ(centre(1.25), kRed);
    EXPECT_EQ(centre(1.5), kGreen);
    EXPECT_EQ(centre(3.0), kGreen);
    EXPECT_EQ(centre(1.0), kRed);
    EXPECT_EQ(&painter.screen_frame(), &painter.frame());  // one frame serves at ratio 1
}

TEST_F(CompanionDrawing, ChangesRepaintBothFramesAndANewRatioAllOfIt) {
    const PicturePtr picture =
        with_companion(solid_picture(6, 6, kRed), solid_picture(12, 12, kBlue));
    show(im_tobo_01_08, Rect{4, 4, 6, 6}, picture);
    show(im_tobo_02_08, Rect{20, 4, 6, 6}, picture);
    paint(1.0);
    EXPECT_EQ(screen(5, 5), kRed);

    // A new ratio needs no redraw from the window: the screen frame is painted whole.
    painter.set_pixel_ratio(2.0, images);
    EXPECT_EQ(screen(9, 9), kBlue);
    EXPECT_EQ(screen(41, 9), kBlue);

    images.set_visible(im_tobo_01_08, false);
    painter.redraw(images, QRect(4, 4, 6, 6));
    EXPECT_EQ(screen(9, 9), QColor(Qt::white));
    EXPECT_EQ(painter.frame().pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(screen(41, 9), kBlue);  // outside the area: left alone

    // A reset keeps the ratio.
    images.set_visible(im_tobo_01_08, true);
    painter.reset(QSize(kWidth, kHeight), ui::FrameStyle{Qt::white, std::nullopt, false});
    painter.redraw(images, QRect(0, 0, kWidth, kHeight));
    EXPECT_EQ(painter.screen_frame().size(), QSize(80, 60));
    EXPECT_EQ(screen(9, 9), kBlue);
}

TEST_F(CompanionDrawing, TheWindowGetsTheScreenFrameAreaByArea) {
    show(im_tobo_01_08, Rect{10, 10, 6, 4},
         with_companion(solid_picture(6, 4, kRed), checkered_picture(12, 8, kRed, kBlue)));
    show(im_tobo_02_08, Rect{30, 20, 4, 4}, solid_picture(4, 4, kGreen));
    paint(2.0);

    // A window's backing store at ratio 2, as a paint event gets it.
    QImage window(80, 60, QImage::Format_ARGB32_Premultiplied);
    window.setDevicePixelRatio(2.0);
    window.fill(Qt::black);
    QPainter on_window(&window);
    painter.paint(on_window, QRegion(QRect(10, 10, 6, 4)) + QRect(32, 22, 2, 2));
    on_window.end();

    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 80; ++x) {
            const bool asked =
                QRect(20, 20, 12, 8).contains(x, y) || QRect(64, 44, 4, 4).contains(x, y);
            ASSERT_EQ(window.pixelColor(x, y), asked ? screen(x, y) : QColor(Qt::black))
                << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace gorvo::test
