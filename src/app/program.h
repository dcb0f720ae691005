// The program's parts and its start-up order. The main window comes first (settings store,
// skin, key bindings, high scores), then its menus, the About, key settings and manual windows,
// then the splash window, which either starts the game at once (a driver is stored and the
// splash is switched off) or is brought up when the event loop starts and waits for the player.
// When the game starts at once, the menus and windows after the main window are made, in the
// same order, right after its first frame (and before any input reaches the program).
#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "app/after_first_frame.h"
#include "core/handheld.h"
#include "platform/desktop_bell.h"
#include "platform/gamepad_sdl.h"
#include "platform/replay_folder.h"
#include "platform/screensaver_inhibitor.h"
#include "platform/settings_store.h"
#include "platform/sound_game.h"
#include "platform/sound_sdl_mixer.h"
#include "platform/system_clock.h"
#include "replay/generator.h"
#include "replay/recorder.h"
#include "replay/script.h"
#include "replay/script_clock.h"
#include "replay/script_settings.h"
#include "skin/picture_cache.h"
#include "ui/context_menu.h"
#include "ui/game_menu.h"
#include "ui/gamepad_bridge.h"
#include "ui/keyboard_return.h"
#include "ui/main_window.h"
#include "ui/windows/splash_start.h"
#include "ui/windows/url_opener.h"

namespace gorvo::ui {
class TAboutForm;
class KeysForm;
class ManualForm;
class TSplashForm;
}  // namespace gorvo::ui

namespace gorvo::app {

// What the program is made of beyond its defaults; tests change these.
struct ProgramSetup {
    // Config.ini; the one in the program's folder when not given.
    std::optional<std::filesystem::path> config;
    // A settings file of its own; the user's store when not given.
    std::optional<QString> settings_file;
    // A modal error message with an OK button; a message box when not given.
    std::function<void(const QString&)> show_error;
    // Opens documents and links; the desktop's default application when not given.
    ui::UrlOpener open_url;
    // A recording to watch instead of a game to play, and how many times as fast.
    std::optional<replay::Script> replay;
    int replay_speed = 1;
    // The folder of kept recordings; the user's when not given.
    std::optional<QString> replay_folder;
    // The file of decoded skin pictures kept between runs; one in the user's cache folder when
    // not given.
    std::optional<std::filesystem::path> picture_cache;
};

class Program {
  public:
    explicit Program(ProgramSetup setup = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // False when the program must end without running its event loop: Config.ini is missing,
    // or the sound failed to start on the way straight into the game. The reason was shown.
    bool created() const { return created_; }
    // Runs just before the event loop: brings up the splash window when it is still due.
    void start();

    ui::TForm1& main_window() { return *window_; }
    // The parts made after the first frame are made at once when asked for before then.
    ui::TSplashForm& splash();
    ui::TAboutForm& about();
    ui::KeysForm& keys();
    ui::ManualForm& manual();
    ui::ContextMenu& context_menu();
    ui::GameMenu& game_menu();
    skin::PictureCache& picture_cache() { return picture_cache_; }
    // Whether the parts after the main window have all been made.
    bool fully_created() const { return later_.finished(); }
    platform::GameSound& sound() { return sound_; }
    Handheld& handheld() { return handheld_; }
    bool splash_pending() const { return splash_pending_; }

  private:
    std::unique_ptr<platform::QtSettingsStore> make_store() const;
    void create_gamepad();
    void give_held_pictures();
    void create_context_menu();
    void create_secondary_windows();
    void create_splash();
    bool start_action(const ui::SplashChoice& choice);
    void raise_splash();
    void close_step();
    void show_error(const QString& text);
    // The session begins as the game is shown: recorded, or the recording played back.
    void begin_session();
    void keep_recording();
    SettingsStore& handheld_settings();
    WallClock& handheld_clock();

    ProgramSetup setup_;
    std::filesystem::path config_;
    std::unique_ptr<platform::QtSettingsStore> settings_;
    skin::PictureCache picture_cache_;
    platform::SdlMixerLibrary library_;
    platform::GameSound sound_;
    platform::SystemClock clock_;
    replay::RecordingClock recording_clock_{clock_};
    // What the handheld reads while a recording is played back: the recording's values.
    replay::ScriptClock script_clock_;
    replay::ScriptSettings script_settings_;
    replay::Generator random_;
    platform::DesktopBell bell_;
    Handheld handheld_;
    std::unique_ptr<replay::Recorder> recorder_;
    std::unique_ptr<platform::ReplayFolder> replays_;
    std::string session_stamp_;  // the session's start, in the names of its recordings
    std::unique_ptr<ui::TForm1> window_;
    std::unique_ptr<ui::ContextMenu> menu_;    // goes before the main window
    std::unique_ptr<ui::GameMenu> game_menu_;  // and this before the context menu
    std::unique_ptr<ui::TAboutForm> about_;
    std::unique_ptr<ui::KeysForm> keys_;
    std::unique_ptr<ui::ManualForm> manual_;
    ui::KeyboardReturn* keyboard_return_ = nullptr;  // a child of the main window
    std::unique_ptr<ui::TSplashForm> splash_;
    // Pads and the screensaver go first at the end: they act on the main window.
    std::unique_ptr<platform::ScreensaverInhibitor> screensaver_;
    std::unique_ptr<ui::GamepadBridge> gamepad_;
    // The start action's tick for the splash menu item, for a menu made after it.
    std::optional<bool> splash_item_ticked_;
    // Declared last, so that it goes first: a step left waiting is dropped with it.
    AfterFirstFrame later_;
    bool splash_pending_ = true;
    bool created_ = false;
};

}  // namespace gorvo::app
