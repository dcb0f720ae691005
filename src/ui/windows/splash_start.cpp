#include "ui/windows/splash_start.h"

#include "core/stored_settings.h"

#include "ui/windows/splash_form.h"

namespace gorvo::ui {

bool run_start_action(TSplashForm& splash, SettingsStore& settings, const StartSteps& steps) {
    const int mode = splash.chosen_mode();
    if (mode < 0) return false;  // the start button is never enabled without a choice
    if (!steps.start_sound || !steps.start_sound(mode)) return false;
    const bool ticked = splash.splash_ticked();
    settings.write_bool(stored::kSplashScreen.name, ticked);
    if (steps.tick_splash_menu_item) steps.tick_splash_menu_item(ticked);
    if (steps.show_game) steps.show_game();
    splash.hide();
    return true;
}

}  // namespace gorvo::ui
