// The main window on a screen of ratio 2: its size, clicks, dragging and see-through shape all
// stay in window pixels, exactly as at ratio 1.
#include <QSignalSpy>

#include "ui/image_roles.h"
#include "window_fixture.h"

namespace gorvo::test {
namespace {

TEST_F(WindowAtRatio, ClicksLandOnTheImagesTheyLandOnAtRatioOne) {
    start();
    ASSERT_EQ(window->devicePixelRatioF(), kScreenRatio);
    press(QPoint(300, 300));
    release(QPoint(300, 300));
    ASSERT_TRUE(lit(im_background_open)) << "a click on the closed case opens it";

    // The first and the last pixel of a button take the press; the pixel past it does not.
    for (const QPoint at : {top_left(btn_jump_top), bottom_right(btn_jump_top)}) {
        ASSERT_EQ(ui::image_at(rig.hh.images(), at.x(), at.y()), btn_jump_top);
        press(at);
        EXPECT_TRUE(s().jump_held) << at.x() << "," << at.y();
        release(at);
        EXPECT_FALSE(s().jump_held);
    }
    const QPoint past = bottom_right(btn_jump_top) + QPoint(1, 0);
    press(past);
    EXPECT_FALSE(s().jump_held);
    release(past);

    for (const QPoint at :
         {top_left(btn_ctrlr_overlay_left), bottom_right(btn_ctrlr_overlay_left)}) {
        press(at);
        EXPECT_TRUE(s().dir_held) << at.x() << "," << at.y();
        release(at);
        EXPECT_FALSE(s().dir_held);
    }
    press(top_left(btn_ctrlr_overlay_left) - QPoint(1, 1));
    EXPECT_FALSE(s().dir_held);
    release(top_left(btn_ctrlr_overlay_left) - QPoint(1, 1));
}

TEST_F(WindowAtRatio, DraggingTheCaseMovesTheWindowByWindowPixels) {
    start();
    const QPoint before = window->pos();
    press(QPoint(300, 40));
    move_to(QPoint(331, 57));
    EXPECT_EQ(window->pos(), before + QPoint(31, 17));
    // The window followed the pointer: the grabbed point is under it again.
    release(QPoint(300, 40));
    EXPECT_EQ(window->pos(), before + QPoint(31, 17));
}

TEST_F(WindowAtRatio, SizeAndSeeThroughShapeAreInWindowPixels) {
    start();
    ASSERT_EQ(window->devicePixelRatioF(), kScreenRatio);
    EXPECT_EQ(window->size(), QSize(605, 748));
    EXPECT_EQ(window->frame().size(), QSize(605, 748));
    EXPECT_TRUE(errors.empty());
    const QRegion shape = window->mask();
    EXPECT_EQ(shape,
              ui::solid_region(window->frame(), window->frame().rect(), TestSkin::see_through()));
    EXPECT_EQ(shape.boundingRect(),
              QRect(TestSkin::kCaseMargin, 0, 605 - 2 * TestSkin::kCaseMargin, 748));
}

TEST_F(WindowAtRatio, TheGameMenuButtonTakesItsClickInFullscreen) {
    start(true);
    QSignalSpy menu(window.get(), &ui::TForm1::game_menu_clicked);
    press(bottom_right(btn_game_menu_top));
    release(bottom_right(btn_game_menu_top));
    EXPECT_EQ(menu.count(), 1);
    const QPoint past = bottom_right(btn_game_menu_top) + QPoint(0, 1);
    press(past);
    release(past);
    EXPECT_EQ(menu.count(), 1);
}

}  // namespace
}  // namespace gorvo::test
