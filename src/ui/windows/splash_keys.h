// The keys the splash window acts on before its controls see them: Enter and the main
// keyboard's 1 start the game, Esc ends the program.
#pragma once

#include <QKeyEvent>

namespace gorvo::ui {

enum class SplashKey { Other, Start, Quit };

// Enter counts on the main block and the keypad. The 1 counts by its key on the digit row, with
// or without Shift and on any layout, where the platform reports XKB key codes (`scan_code`,
// evdev + 8); elsewhere by the character, never from the keypad.
SplashKey splash_key(int qt_key, Qt::KeyboardModifiers modifiers, quint32 scan_code,
                     bool xkb_scan_codes);

SplashKey splash_key_of(const QKeyEvent& event);

}  // namespace gorvo::ui
