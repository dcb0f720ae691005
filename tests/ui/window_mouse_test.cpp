// The mouse rule of the main window: the topmost visible image takes the press, the pressed
// image keeps the moves and the release, only the left button acts; dragging and the case.
#include "window_fixture.h"

#include <QContextMenuEvent>
#include <QSignalSpy>

#include "ui/image_roles.h"

namespace gorvo::test {
namespace {

using MouseRule = WindowTest;

TEST_F(MouseRule, AReleaseAwayFromThePressedOverlayButtonStillReleasesIt) {
    create_open();
    ASSERT_TRUE(lit(btn_ctrlr_overlay_left));
    left_press(centre_of(btn_ctrlr_overlay_left));
    EXPECT_TRUE(s().dir_held);
    EXPECT_TRUE(lit(btn_cross_down));
    left_drag(QPoint(400, 100));
    left_release(QPoint(580, 20));  // far off, over the case
    EXPECT_FALSE(s().dir_held);
    EXPECT_FALSE(lit(btn_cross_down));
}

// The switch drops the pressed image, so the release that comes later finds none: the button
// that got the press is released by the switch itself.
TEST_F(MouseRule, TheFullscreenSwitchReleasesTheButtonHeldByTheMouse) {
    create_open();
    left_press(centre_of(btn_game_a_top));
    ASSERT_EQ(s().game_mode, mode_hiscore_a);
    window->pm_10_fullscreenClick();
    EXPECT_EQ(s().game_mode, mode_game_a);
    EXPECT_FALSE(lit(btn_game_a_down));
    left_press(QPoint(657, 166) + centre_of(btn_ctrlr_overlay_right));
    ASSERT_TRUE(s().dir_held);
    window->pm_10_fullscreenClick();
    EXPECT_FALSE(s().dir_held);
    EXPECT_FALSE(lit(btn_cross_down));
    // The physical release, wherever it lands, has nothing left to release.
    left_release(centre_of(btn_ctrlr_overlay_right));
    EXPECT_FALSE(s().dir_held);
    EXPECT_EQ(s().game_mode, mode_game_a);
}

TEST_F(MouseRule, ARightClickActsOnNoButton) {
    create_open();
    QSignalSpy menu(window.get(), &ui::TForm1::context_menu_requested);
    const QPoint jump = centre_of(btn_jump_top);
    mouse(QEvent::MouseButtonPress, jump, Qt::RightButton, Qt::RightButton);
    EXPECT_FALSE(s().jump_held);
    EXPECT_FALSE(lit(btn_jump_down));
    QContextMenuEvent context(QContextMenuEvent::Mouse, jump, window->pos() + jump);
    QCoreApplication::sendEvent(window.get(), &context);
    mouse(QEvent::MouseButtonRelease, jump, Qt::RightButton, Qt::NoButton);
    EXPECT_FALSE(s().jump_held);
    EXPECT_EQ(menu.count(), 1);
}

TEST_F(MouseRule, TheLeftButtonPressesAndReleasesEveryButton) {
    create_open();
    click(centre_of(btn_game_b_top));
    EXPECT_EQ(s().game_mode, mode_game_b);
    left_press(centre_of(btn_jump_top));
    EXPECT_TRUE(s().jump_held);
    EXPECT_TRUE(lit(btn_jump_down));
    left_release(centre_of(btn_jump_top));
    EXPECT_FALSE(s().jump_held);
}

TEST_F(MouseRule, AHiddenImageTakesNoPress) {
    rig.settings.values["CtrlrOverlay"] = "0";
    create_open();
    ASSERT_FALSE(lit(btn_ctrlr_overlay_left));
    left_press(centre_of(btn_ctrlr_overlay_left));
    left_release(centre_of(btn_ctrlr_overlay_left));
    EXPECT_FALSE(s().dir_held);
    EXPECT_FALSE(lit(btn_cross_down));
    // The closed case hides every button: a press there only reaches the case.
    create();
    left_press(centre_of(btn_game_a_top));
    EXPECT_EQ(s().game_mode, mode_closed);
}

TEST_F(MouseRule, AVisibleImageWithoutPictureIsAWorkingClickArea) {
    create_open({.without_picture = {btn_jump_top, btn_jump_down}, .fullscreen_keys = {}});
    const QPoint jump = centre_of(btn_jump_top);
    // Nothing of the button is drawn: the case shows through.
    EXPECT_EQ(window->frame().pixelColor(jump), TestSkin::colour_of(im_background_open));
    left_press(jump);
    EXPECT_TRUE(s().jump_held);
    left_release(jump);
    EXPECT_FALSE(s().jump_held);
}

TEST_F(MouseRule, TheTopmostVisibleImageTakesThePress) {
    create_open();
    // The pressed look lies under its button in the stack: once shown, it must not take the
    // next press from the button above it.
    left_press(centre_of(btn_game_a_top));
    ASSERT_TRUE(lit(btn_game_a_down));
    left_release(centre_of(btn_game_a_top));
    click(centre_of(btn_game_a_top));
    EXPECT_EQ(s().game_mode, mode_game_a);
    // A screen cover comes later in the stack than the buttons: a button placed beneath one
    // gets no press there, but still gets it where it sticks out.
    rig.hh.images().set_rect(btn_jump_top, Rect{420, 600, 40, 40});  // cover ends at x 440
    left_press(QPoint(425, 610));
    EXPECT_FALSE(s().jump_held);
    left_release(QPoint(425, 610));
    left_press(QPoint(450, 610));
    EXPECT_TRUE(s().jump_held);
}

TEST_F(MouseRule, ClickingTheClosedCaseOpensIt) {
    create();
    click(QPoint(300, 300));
    EXPECT_TRUE(lit(im_background_open));
    EXPECT_FALSE(lit(im_background_closed));
    EXPECT_EQ(s().game_mode, mode_all_segments);
}

TEST_F(MouseRule, APressOnTheCaseReleasedElsewhereIsNoClick) {
    create();
    window->move(0, 0);
    left_press(QPoint(300, 300));
    mouse(QEvent::MouseButtonRelease, QPoint(900, 300), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(lit(im_background_open));
}

TEST_F(MouseRule, DraggingTheCaseMovesTheWindowInWindowedMode) {
    create_open();
    window->move(100, 50);
    left_press(QPoint(300, 40));  // on the open case, above the screens
    left_drag(QPoint(340, 65));
    EXPECT_EQ(window->pos(), QPoint(140, 75));
    // Later events arrive relative to the moved window: the grabbed point stays put.
    left_drag(QPoint(300, 40));
    EXPECT_EQ(window->pos(), QPoint(140, 75));
    left_release(QPoint(300, 40));
    left_drag(QPoint(10, 10));  // no button held
    EXPECT_EQ(window->pos(), QPoint(140, 75));
}

TEST_F(MouseRule, TheAlarmButtonAndTheCrossPadAreDragSurfacesOnly) {
    rig.settings.values["CtrlrOverlay"] = "0";
    create_open();
    window->move(0, 0);
    left_press(centre_of(btn_cross_top));
    EXPECT_FALSE(s().dir_held);
    left_drag(centre_of(btn_cross_top) + QPoint(5, 7));
    EXPECT_EQ(window->pos(), QPoint(5, 7));
    left_release(centre_of(btn_cross_top) + QPoint(5, 7));
    EXPECT_EQ(window->hint(btn_alarm_top), "button disabled");
}

TEST_F(MouseRule, ADragOnTheClosedCaseOpensItOnRelease) {
    create();
    window->move(100, 100);
    left_press(QPoint(300, 300));
    left_drag(QPoint(350, 320));
    EXPECT_EQ(window->pos(), QPoint(150, 120));
    EXPECT_FALSE(lit(im_background_open));
    left_release(QPoint(300, 300));  // the pointer moved with the case
    EXPECT_TRUE(lit(im_background_open));
}

TEST_F(MouseRule, NothingDragsInFullscreen) {
    rig.settings.values["FullscreenMode"] = "1";
    create();
    const QPoint before = window->pos();
    const QPoint on_case(657 + 300, 166 + 300);
    left_press(on_case);
    left_drag(on_case + QPoint(40, 40));
    EXPECT_EQ(window->pos(), before);
    // Still on the case: the release is a click, and opens it.
    left_release(on_case + QPoint(40, 40));
    EXPECT_TRUE(lit(im_background_open));
}

TEST_F(MouseRule, TheRightButtonDragsNothing) {
    create_open();
    window->move(0, 0);
    mouse(QEvent::MouseButtonPress, QPoint(300, 40), Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseMove, QPoint(350, 90), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    mouse(QEvent::MouseButtonRelease, QPoint(350, 90), Qt::RightButton, Qt::NoButton);
}

}  // namespace
}  // namespace gorvo::test
