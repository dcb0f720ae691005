// A frame painter over a set of images where only what a test shows is visible.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "core/images.h"
#include "hidpi_app.h"
#include "hidpi_pictures.h"
#include "ui/frame_painter.h"

namespace gorvo::test {

// The plain colours the drawing tests paint their pictures in.
inline const QColor kRed(200, 0, 0);
inline const QColor kBlue(0, 0, 200);
inline const QColor kGreen(0, 160, 0);

class PainterAtRatio : public ::testing::Test {
  protected:
    static constexpr int kWidth = 40;
    static constexpr int kHeight = 30;

    void SetUp() override {
        ensure_hidpi_app();
        for (int i = 0; i < kImageCount; ++i)
            images.set_visible(static_cast<ImageId>(i), false);
    }
    void show(ImageId id, Rect rect, PicturePtr picture) {
        images.set_rect(id, rect);
        images.set_own_picture(id, std::move(picture));
        images.set_visible(id, true);
    }
    // A whole frame at `ratio`.
    void paint(qreal ratio, ui::FrameStyle style = {Qt::white, std::nullopt, false}) {
        painter.set_pixel_ratio(ratio, images);
        painter.reset(QSize(kWidth, kHeight), style);
        painter.redraw(images, QRect(0, 0, kWidth, kHeight));
    }
    // A pixel of the screen frame, in screen pixels.
    QColor screen(int x, int y) const { return painter.screen_frame().pixelColor(x, y); }

    Images images;
    ui::FramePainter painter;
};

}  // namespace gorvo::test
