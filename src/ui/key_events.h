// Keyboard events turned into the key codes of the key choice list, by physical key:
// - the digit row gives '0'..'9' with or without Shift, on any layout (Shift+1 is still 1);
// - letters follow the layout where it gives a Latin letter, else the key's place on a
//   standard keyboard;
// - arrows, Ctrl, Shift, Alt (AltGr counts as Alt) and the space bar by their keys; the
//   keypad's arrows (NumLock off) count as the arrow keys;
// - the keypad's digits (NumLock on) and every other key give no code.
// A release always gives the code its press gave, even if a modifier changed in between, and
// the platform's auto-repeat releases are dropped, so a held key is one release after a run of
// presses.
#pragma once

#include <QKeyEvent>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace gorvo::ui {

// The code of one key event, 0 when the key is not in the choice list. `scan_code` is the
// platform's native scan code; `xkb_scan_codes` says it is an XKB key code (evdev + 8), as on
// every Linux platform that reports one.
std::uint16_t key_code_from(int qt_key, Qt::KeyboardModifiers modifiers, quint32 scan_code,
                            bool xkb_scan_codes);

std::uint16_t key_code_of(const QKeyEvent& event);

class HeldKeys {
  public:
    // The code of a press (auto-repeated presses included); nothing for a key not in the list.
    std::optional<std::uint16_t> press(const QKeyEvent& event);
    // Whether the event's key was pressed and is not released yet: a press of it is a repeat.
    bool holds(const QKeyEvent& event) const;
    // The code of a release: the one its press gave. Nothing for an auto-repeat release.
    std::optional<std::uint16_t> release(const QKeyEvent& event);
    // Forgets every held key and returns their codes, for the releases the window will not get
    // once it has lost the keyboard.
    std::vector<std::uint16_t> release_all();

  private:
    std::map<quint32, std::uint16_t> by_scan_code_;
    std::map<int, std::uint16_t> by_qt_key_;  // platforms without scan codes
};

}  // namespace gorvo::ui
