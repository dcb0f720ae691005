// Key events to key codes: by physical key, releases matching presses, repeats.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "support/qt/test_app.h"
#include "ui/key_choices.h"
#include "ui/key_events.h"

namespace gorvo::ui {
namespace {

constexpr bool kXkb = true;

// XKB key codes of some keys of a standard keyboard.
constexpr quint32 kScan1 = 10, kScan0 = 19, kScanQ = 24, kScanA = 38, kScanLeftCtrl = 37,
                  kScanRightAlt = 108, kScanKeypad8 = 80, kScanKeypad4 = 83, kScanKeypad1 = 87,
                  kScanKeypad2 = 88;

QKeyEvent key(QEvent::Type type, int qt_key, Qt::KeyboardModifiers mods, quint32 scan,
              bool repeat = false) {
    test::ensure_qt_app();  // key events belong to the application's keyboard
    return QKeyEvent(type, qt_key, mods, scan, 0, 0, QString(), repeat);
}

TEST(PhysicalKeys, TheDigitRowGivesItsDigitWhateverTheLayoutOrShiftMakeOfIt) {
    EXPECT_EQ(key_code_from(Qt::Key_1, Qt::NoModifier, kScan1, kXkb), '1');
    EXPECT_EQ(key_code_from(Qt::Key_Exclam, Qt::ShiftModifier, kScan1, kXkb), '1');
    // A layout with symbols on the unshifted digit row.
    EXPECT_EQ(key_code_from(Qt::Key_Ampersand, Qt::NoModifier, kScan1, kXkb), '1');
    EXPECT_EQ(key_code_from(Qt::Key_ParenRight, Qt::ShiftModifier, kScan0, kXkb), '0');
}

TEST(PhysicalKeys, LettersFollowTheLayoutAndFallBackToTheirPlace) {
    // A layout with A where others have Q.
    EXPECT_EQ(key_code_from(Qt::Key_A, Qt::NoModifier, kScanQ, kXkb), 'A');
    EXPECT_EQ(key_code_from(Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier, kScanA, kXkb), 'A');
    // A layout whose letters are not Latin: the key's place decides.
    EXPECT_EQ(key_code_from(0x0419 /* Cyrillic short i */, Qt::NoModifier, kScanQ, kXkb), 'Q');
}

TEST(PhysicalKeys, ModifiersArrowsAndSpace) {
    EXPECT_EQ(key_code_from(Qt::Key_Control, Qt::ControlModifier, kScanLeftCtrl, kXkb), kCodeCtrl);
    // A Caps Lock made into Ctrl counts as Ctrl.
    EXPECT_EQ(key_code_from(Qt::Key_Control, Qt::NoModifier, 66, kXkb), kCodeCtrl);
    EXPECT_EQ(key_code_from(Qt::Key_AltGr, Qt::NoModifier, kScanRightAlt, kXkb), kCodeAlt);
    EXPECT_EQ(key_code_from(Qt::Key_Shift, Qt::ShiftModifier, 50, kXkb), kCodeShift);
    EXPECT_EQ(key_code_from(Qt::Key_Space, Qt::NoModifier, 65, kXkb), kCodeSpace);
    EXPECT_EQ(key_code_from(Qt::Key_Up, Qt::NoModifier, 111, kXkb), kCodeUp);
    EXPECT_EQ(key_code_from(Qt::Key_Left, Qt::ShiftModifier, 113, kXkb), kCodeLeft);
}

TEST(PhysicalKeys, TheKeypadsArrowsAreTheArrowKeysAndItsDigitsNothing) {
    // NumLock off: 8, 2, 4 and 6 are arrows, with or without XKB key codes.
    EXPECT_EQ(key_code_from(Qt::Key_Up, Qt::KeypadModifier, kScanKeypad8, kXkb), kCodeUp);
    EXPECT_EQ(key_code_from(Qt::Key_Down, Qt::KeypadModifier, kScanKeypad2, kXkb), kCodeDown);
    EXPECT_EQ(key_code_from(Qt::Key_Left, Qt::KeypadModifier, kScanKeypad4, kXkb), kCodeLeft);
    EXPECT_EQ(key_code_from(Qt::Key_Right, Qt::KeypadModifier, 0, !kXkb), kCodeRight);
    // NumLock on: digits, which are not the digit row's; the keypad's other keys give nothing.
    EXPECT_EQ(key_code_from(Qt::Key_8, Qt::KeypadModifier, kScanKeypad8, kXkb), 0);
    EXPECT_EQ(key_code_from(Qt::Key_1, Qt::KeypadModifier, 0, !kXkb), 0);
    EXPECT_EQ(key_code_from(Qt::Key_End, Qt::KeypadModifier, kScanKeypad1, kXkb), 0);
    EXPECT_EQ(key_code_from(Qt::Key_Enter, Qt::KeypadModifier, 104, kXkb), 0);
}

TEST(PhysicalKeys, KeysOutsideTheListGiveNoCode) {
    EXPECT_EQ(key_code_from(Qt::Key_F1, Qt::NoModifier, 67, kXkb), 0);
    EXPECT_EQ(key_code_from(Qt::Key_Return, Qt::NoModifier, 36, kXkb), 0);
    EXPECT_EQ(key_code_from(Qt::Key_Comma, Qt::NoModifier, 59, kXkb), 0);
}

TEST(PhysicalKeys, WithoutScanCodesTheReportedKeyDecides) {
    EXPECT_EQ(key_code_from(Qt::Key_5, Qt::NoModifier, 0, kXkb), '5');
    EXPECT_EQ(key_code_from(Qt::Key_Z, Qt::NoModifier, 0, !kXkb), 'Z');
    EXPECT_EQ(key_code_from(Qt::Key_Down, Qt::NoModifier, 0, !kXkb), kCodeDown);
    EXPECT_EQ(key_code_from(Qt::Key_Exclam, Qt::ShiftModifier, 10, !kXkb), 0);
}

TEST(HeldKeyTracking, AReleaseGivesTheCodeOfItsPressEvenAfterShiftChanged) {
    HeldKeys held;
    const QKeyEvent press = key(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, kScan1);
    EXPECT_EQ(held.press(press), '1');
    // Shift went down meanwhile: the platform now reports '!' for the same key.
    const QKeyEvent release = key(QEvent::KeyRelease, Qt::Key_Exclam, Qt::ShiftModifier, kScan1);
    EXPECT_EQ(held.release(release), '1');
    EXPECT_TRUE(held.release_all().empty());
}

TEST(HeldKeyTracking, AutoRepeatReleasesAreDroppedAndRepeatedPressesPass) {
    HeldKeys held;
    const QKeyEvent first = key(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, 111);
    const QKeyEvent repeat_release = key(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, 111, true);
    const QKeyEvent repeat_press = key(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, 111, true);
    const QKeyEvent last = key(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, 111);
    EXPECT_FALSE(held.holds(first));
    EXPECT_EQ(held.press(first), kCodeUp);
    EXPECT_EQ(held.release(repeat_release), std::nullopt);
    EXPECT_TRUE(held.holds(repeat_press));
    EXPECT_EQ(held.press(repeat_press), kCodeUp);
    EXPECT_EQ(held.release(last), kCodeUp);
    EXPECT_FALSE(held.holds(first));
}

// An X server asked for detectable auto-repeat sends a held key's presses without releases and
// unmarked: the key is still held at each of them, and the one release ends it.
TEST(HeldKeyTracking, UnmarkedPressesOfAHeldKeyAreItsRepeats) {
    HeldKeys held;
    const QKeyEvent press = key(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, kScan1);
    EXPECT_EQ(held.press(press), '1');
    EXPECT_TRUE(held.holds(press));
    EXPECT_EQ(held.press(press), '1');
    EXPECT_EQ(held.release(key(QEvent::KeyRelease, Qt::Key_1, Qt::NoModifier, kScan1)), '1');
    EXPECT_FALSE(held.holds(press));
    EXPECT_TRUE(held.release_all().empty());
}

TEST(HeldKeyTracking, KeysStillDownAreHandedBackOnce) {
    HeldKeys held;
    held.press(key(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, 113));
    held.press(key(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier, 37));
    held.press(key(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier, 71));  // not in the list
    std::vector<std::uint16_t> codes = held.release_all();
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(codes, (std::vector<std::uint16_t>{kCodeCtrl, kCodeLeft}));
    EXPECT_TRUE(held.release_all().empty());
}

}  // namespace
}  // namespace gorvo::ui
