// Key dispatch of the main window: the bound keys drive the eighteen actions.
#include <QCoreApplication>
#include <QFocusEvent>

#include "window_fixture.h"

namespace gorvo::test {
namespace {

// XKB key codes of a standard keyboard.
constexpr quint32 kScan1 = 10, kScan2 = 11, kScan5 = 14, kScanA = 38, kScanUp = 111,
                  kScanLeft = 113, kScanCtrl = 37, kScanShift = 50;

using KeyDispatch = WindowTest;

TEST_F(KeyDispatch, DefaultKeysOpenTheCaseAndRunGameA) {
    create();
    key_press(Qt::Key_5, kScan5);
    EXPECT_TRUE(lit(im_background_open));
    EXPECT_EQ(s().game_mode, mode_all_segments);
    key_release(Qt::Key_5, kScan5);
    EXPECT_EQ(s().game_mode, mode_all_segments);
    key_press(Qt::Key_1, kScan1);
    EXPECT_EQ(s().game_mode, mode_hiscore_a);
    EXPECT_TRUE(lit(btn_game_a_down));
    key_release(Qt::Key_1, kScan1);
    EXPECT_EQ(s().game_mode, mode_game_a);
    EXPECT_FALSE(lit(btn_game_a_down));
}

TEST_F(KeyDispatch, DirectionAndJumpKeysReachTheirActions) {
    create_open();
    key_press(Qt::Key_Left, kScanLeft);
    EXPECT_TRUE(s().dir_held);
    EXPECT_EQ(rig.hh.images()[btn_cross_down].picture_source, btn_cross_down_left);
    key_release(Qt::Key_Left, kScanLeft);
    EXPECT_FALSE(s().dir_held);
    key_press(Qt::Key_Control, kScanCtrl, Qt::ControlModifier);
    EXPECT_TRUE(s().jump_held);
    key_release(Qt::Key_Control, kScanCtrl);
    EXPECT_FALSE(s().jump_held);
}

TEST_F(KeyDispatch, ReboundKeysTakeOverAtOnce) {
    create_open();
    ui::KeyBindings b = window->key_bindings();
    ui::AssignWord(b, 1, ui::KeyBinding{11, 0});  // Game A on 'A'
    window->set_key_bindings(b);
    key_press(Qt::Key_1, kScan1);
    EXPECT_EQ(s().game_mode, mode_all_segments);
    key_release(Qt::Key_1, kScan1);
    key_press(Qt::Key_A, kScanA);
    EXPECT_EQ(s().game_mode, mode_hiscore_a);
    EXPECT_EQ(window->hint(btn_game_a_top),
              "click or press 'A' to start game A (hold to view highscore)");
}

TEST_F(KeyDispatch, OfTwoBindingsOnOneKeyTheLowerWinsPressAndRelease) {
    create_open();
    ui::KeyBindings b = window->key_bindings();
    ui::AssignWord(b, 9, ui::KeyBinding{37, 0});  // jump on the up arrow, like up
    window->set_key_bindings(b);
    key_press(Qt::Key_Up, kScanUp);
    EXPECT_TRUE(s().dir_held);
    EXPECT_FALSE(s().jump_held);
    key_release(Qt::Key_Up, kScanUp);
    EXPECT_FALSE(s().dir_held);
}

TEST_F(KeyDispatch, ShiftHeldChangesNothingAndItsReleaseStillMatches) {
    create_open();
    key_press(Qt::Key_Shift, kScanShift, Qt::ShiftModifier);
    key_press(Qt::Key_Exclam, kScan1, Qt::ShiftModifier);  // Shift+1 reads '!' on this layout
    EXPECT_EQ(s().game_mode, mode_hiscore_a);
    key_release(Qt::Key_Shift, kScanShift);
    key_release(Qt::Key_1, kScan1);
    EXPECT_EQ(s().game_mode, mode_game_a);
    // And the other way round: pressed plain, released with Shift.
    create_open();
    key_press(Qt::Key_2, kScan2);
    key_press(Qt::Key_Shift, kScanShift, Qt::ShiftModifier);
    key_release(Qt::Key_At, kScan2, Qt::ShiftModifier);
    EXPECT_EQ(s().game_mode, mode_game_b);
}

TEST_F(KeyDispatch, ShiftBoundToJumpLeavesTheOtherKeysAlone) {
    create_open();
    ui::KeyBindings b = window->key_bindings();
    ui::AssignWord(b, 9, ui::KeyBinding{43, 0});
    window->set_key_bindings(b);
    key_press(Qt::Key_Shift, kScanShift, Qt::ShiftModifier);
    EXPECT_TRUE(s().jump_held);
    key_press(Qt::Key_Left, kScanLeft, Qt::ShiftModifier);
    EXPECT_TRUE(s().dir_held);
    key_release(Qt::Key_Shift, kScanShift);
    EXPECT_FALSE(s().jump_held);
    EXPECT_TRUE(s().dir_held);
}

TEST_F(KeyDispatch, AutoRepeatReleasesDoNotEndAHeldDirection) {
    create_open();
    key_press(Qt::Key_Left, kScanLeft);
    for (int i = 0; i < 3; ++i) {
        key_release(Qt::Key_Left, kScanLeft, Qt::NoModifier, true);
        EXPECT_TRUE(s().dir_held) << "repeat " << i;
        key_press(Qt::Key_Left, kScanLeft, Qt::NoModifier, true);
    }
    key_release(Qt::Key_Left, kScanLeft);
    EXPECT_FALSE(s().dir_held);
}

TEST_F(KeyDispatch, LosingTheKeyboardLetsGoOfHeldControls) {
    create_open();
    key_press(Qt::Key_Left, kScanLeft);
    key_press(Qt::Key_Control, kScanCtrl, Qt::ControlModifier);
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(window.get(), &out);
    EXPECT_FALSE(s().dir_held);
    EXPECT_FALSE(s().jump_held);
    EXPECT_FALSE(lit(btn_cross_down));
}

TEST_F(KeyDispatch, UnboundKeysAndADisabledWindowDoNothing) {
    create_open();
    key_press(Qt::Key_9, 18);
    key_press(Qt::Key_Return, 36);
    key_press(Qt::Key_Alt, 64, Qt::AltModifier);
    EXPECT_EQ(s().game_mode, mode_all_segments);
    window->setEnabled(false);  // the key settings window is open
    key_press(Qt::Key_1, kScan1);
    EXPECT_EQ(s().game_mode, mode_all_segments);
}

}  // namespace
}  // namespace gorvo::test
