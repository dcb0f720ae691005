#include "ui/windows/splash_start.h"

#include "core/stored_settings.h"
#include "platform/sound_drivers.h"
#include "ui/windows/splash_form.h"

namespace gorvo::ui {

SplashChoice read_splash_choice(SettingsStore& settings) {
    SplashChoice choice;
    const int mode = settings.read_int(stored::kSoundMode.name, stored::kSoundMode.default_value);
    if (platform::sound_driver_for_mode(mode) != nullptr) choice.sound_mode = mode;
    choice.show_splash =
        settings.read_bool(stored::kSplashScreen.name, stored::kSplashScreen.default_value != 0);
    return choice;
}

bool run_start_action(const SplashChoice& choice, SettingsStore& settings,
                      const StartSteps& steps) {
    if (choice.sound_mode < 0) return false;  // the start button is never enabled without one
    if (!steps.start_sound || !steps.start_sound(choice.sound_mode)) return false;
    settings.write_bool(stored::kSplashScreen.name, choice.show_splash);
    if (steps.tick_splash_menu_item) steps.tick_splash_menu_item(choice.show_splash);
    if (steps.show_game) steps.show_game();
    return true;
}

bool run_start_action(TSplashForm& splash, SettingsStore& settings, const StartSteps& steps) {
    if (!run_start_action(splash.choice(), settings, steps)) return false;
    splash.hide();
    return true;
}

}  // namespace gorvo::ui
