// What the main window shows on a screen of ratio 2: every screen pixel of a segment comes from
// the segment's double-size companion, and the case keeps its see-through margins.
#include "window_fixture.h"

namespace gorvo::test {
namespace {

QColor companion_pixel(ImageId id, int x, int y) {
    return (x + y) % 2 == 0 ? TestSkin::colour_of(id) : TestSkin::second_colour_of(id);
}

TEST_F(WindowAtRatio, SegmentsAreDrawnFromTheirCompanions) {
    start();
    press(QPoint(300, 300));
    release(QPoint(300, 300));
    ASSERT_TRUE(lit(im_tobo_01_09));
    const QImage shot = window->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(605, 748) * 2);

    // Nothing later in the stack covers this segment but the clear glass of the screen cover.
    const Rect& r = kImageDefs[im_tobo_01_09].design;
    for (int y = 0; y < 2 * r.height; ++y) {
        for (int x = 0; x < 2 * r.width; ++x) {
            ASSERT_EQ(shot.pixelColor(2 * r.left + x, 2 * r.top + y),
                      companion_pixel(im_tobo_01_09, x, y))
                << x << "," << y;
        }
    }
    // The case beside it, from its own companion.
    const QPoint case_at(2 * 300, 2 * 40);
    EXPECT_EQ(shot.pixelColor(case_at), companion_pixel(im_background_open, 600, 80));
    EXPECT_EQ(shot.pixelColor(case_at + QPoint(1, 0)),
              companion_pixel(im_background_open, 601, 80));
}

}  // namespace
}  // namespace gorvo::test
