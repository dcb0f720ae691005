// The X server side of a measurement, through xdotool: finding the game's window and pressing
// keys as a player would (the events come from the server, as real key presses do).
#pragma once

#include <QString>

namespace gorvo::bench {

// Waits until a visible window with exactly this title exists; false after the timeout.
bool wait_for_window(const QString& title, int timeout_ms);

void key_down(const QString& key);
void key_up(const QString& key);

}  // namespace gorvo::bench
