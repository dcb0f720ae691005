// The start action: what happens when the player starts the game from the splash window, or at
// once on start-up when the splash window is switched off. The pieces that belong to other
// parts of the program are passed in, so the order of the steps is kept in one place.
#pragma once

#include <functional>

#include "core/ports.h"

namespace gorvo::ui {

class TSplashForm;

// What the splash window's two choices hold: the sound driver and the check box.
struct SplashChoice {
    int sound_mode = -1;      // the chosen driver's SoundMode; -1 while none is chosen
    bool show_splash = true;  // "Display this splash screen at startup"
    // A driver is chosen and the box unticked: the game starts without showing the window.
    bool skip_path() const { return sound_mode >= 0 && !show_splash; }
};

// The choices as the splash window reads them when it is made: SoundMode (default -1; anything
// but a driver's own value counts as none chosen) and SplashScreen (default true). Writes
// nothing.
SplashChoice read_splash_choice(SettingsStore& settings);

struct StartSteps {
    // Stores the chosen SoundMode and starts the sound for it. False when it failed: the
    // reason has been shown, the choice reset, and the program is ending.
    std::function<bool(int sound_mode)> start_sound;
    // Ticks or unticks the main window's "Display splash screen at startup" menu item.
    std::function<void(bool ticked)> tick_splash_menu_item;
    // Centres the main window, which brings it into view, and enters the closed-unit mode.
    std::function<void()> show_game;
};

// Runs the steps in order: sound start; SplashScreen := the check box; the menu item; the game.
// After a failed sound start nothing else runs and false is returned.
bool run_start_action(const SplashChoice& choice, SettingsStore& settings, const StartSteps& steps);
// The same with the splash window's own choices, which is then hidden.
bool run_start_action(TSplashForm& splash, SettingsStore& settings, const StartSteps& steps);

}  // namespace gorvo::ui
