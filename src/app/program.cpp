#include "app/program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "app/process_start.h"
#include "platform/clock_random.h"
#include "replay/actions.h"
#include "replay/keeping.h"
#include "skin/skin_loader.h"
#include "ui/replays_warning.h"
#include "ui/settings_warning.h"
#include "ui/startup_marks.h"
#include "ui/windows/about_form.h"
#include "ui/windows/keys_form.h"
#include "ui/windows/links.h"
#include "ui/windows/manual_form.h"
#include "ui/windows/splash_form.h"
#include "ui/windows/splash_start.h"

namespace gorvo::app {

namespace {

// The user's cache folder ($XDG_CACHE_HOME/Quillmark/Gorvo250 on Linux).
std::filesystem::path default_picture_cache() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty()) return {};
    return std::filesystem::path(folder.toStdString()) / "skin-pictures";
}

void report_first_paint() {
    std::fprintf(stderr, "first_paint %lld\n", ms_since_process_start());
    std::fflush(stderr);
}

}  // namespace

Program::Program(ProgramSetup setup)
    : setup_(std::move(setup)),
      config_(setup_.config.value_or(skin::default_config_path())),
      settings_(make_store()),
      picture_cache_(setup_.picture_cache.value_or(default_picture_cache())),
      sound_(library_, *settings_),
      script_clock_(setup_.replay ? setup_.replay->header.clock_minutes.value_or(0) : 0),
      script_settings_(setup_.replay ? setup_.replay->header : replay::Header{}),
      random_(setup_.replay ? setup_.replay->header.seed.value_or(0) : platform::clock_seed()),
      handheld_(sound_, handheld_settings(), handheld_clock(), random_) {
    ui::startup::mark("settings_store");
    script_clock_.attach(handheld_.timers());
    if (!setup_.open_url) setup_.open_url = ui::desktop_url_opener();
    // The first frame waits only for the pictures it shows; the cache is written after it.
    picture_cache_.hold_hidden_pictures();
    picture_cache_.hold_writes();
    ui::MainWindowSetup window_setup;
    window_setup.config = config_;
    window_setup.show_error = [this](const QString& text) { show_error(text); };
    window_setup.picture_cache = &picture_cache_;
    window_ = std::make_unique<ui::TForm1>(handheld_, *settings_, std::move(window_setup));
    ui::startup::mark("main_window");
    settings_->set_write_failure_handler(
        [this] { ui::warn_settings_not_kept(window_.get(), settings_->location()); });
    // Nothing else is made for a program that cannot run: without Config.ini there is no game
    // to start, and starting the sound for it would only store a driver choice.
    if (window_->end_requested()) return;
    // The creation has already written the key bindings back: a store that refused them says so
    // now, before the player changes anything.
    if (settings_->write_failed()) ui::warn_settings_not_kept(window_.get(), settings_->location());
    QObject::connect(window_.get(), &ui::TForm1::closing, window_.get(), [this] { close_step(); });
    keyboard_return_ = new ui::KeyboardReturn(*window_, window_.get());
    if (qEnvironmentVariableIsSet("GORVO_REPORT_FIRST_PAINT")) {
        window_->set_first_paint_hook([] { report_first_paint(); });
    }

    // The rest of the creation, in its order: the skin's held pictures, the menus, the key
    // settings and manual windows, the splash window.
    later_.add([this] { give_held_pictures(); });
    later_.add([this] { create_context_menu(); });
    later_.add([this] { create_secondary_windows(); });
    later_.add([this] { create_splash(); });
    later_.add([] { ui::startup::mark("later_parts"); });
    const ui::SplashChoice choice = ui::read_splash_choice(*settings_);
    if (choice.skip_path()) {
        // The splash window is never seen in this run: the game starts at once, and what its
        // first frame does not show is made right after it.
        splash_pending_ = false;
        created_ = start_action(choice);
        if (created_) later_.arm(*window_);
    } else {
        // The splash window comes first, so it and everything before it is made now.
        later_.finish();
        created_ = true;
    }
    ui::startup::mark("created");
    // Pads come once the window is on screen: the controller layer takes a while to look at
    // every input device, and no pad acts before the window is there to be active.
    if (!created_) return;
    window_->after_first_paint([this] { create_gamepad(); });
    window_->after_first_paint([this] { picture_cache_.release_writes(); });
}

// A pad acts through the same press and release actions as the keys; while a game runs and a
// pad is in use, the desktop's screensaver is held off.
void Program::create_gamepad() {
    screensaver_ = std::make_unique<platform::ScreensaverInhibitor>([this] {
        const std::int32_t mode = handheld_.state().game_mode;
        return mode == mode_game_a || mode == mode_game_b;
    });
    gamepad_ = std::make_unique<ui::GamepadBridge>(
        std::make_unique<platform::SdlControllerSource>(), window_.get(),
        [this](Control c, bool pressed) {
            window_->perform(pressed ? replay::press_action(c) : replay::release_action(c));
        });
    QObject::connect(gamepad_.get(), &ui::GamepadBridge::pad_used, screensaver_.get(),
                     &platform::ScreensaverInhibitor::pad_used);
    QObject::connect(gamepad_.get(), &ui::GamepadBridge::pads_gone, screensaver_.get(),
                     &platform::ScreensaverInhibitor::pads_gone);
}

Program::~Program() = default;

std::unique_ptr<platform::QtSettingsStore> Program::make_store() const {
    if (setup_.settings_file)
        return std::make_unique<platform::QtSettingsStore>(*setup_.settings_file);
    return std::make_unique<platform::QtSettingsStore>();
}

void Program::give_held_pictures() {
    // Taken from the cache, whose files were all checked before the first frame: a message here
    // means a picture file changed in the meantime.
    for (const std::string& problem : picture_cache_.give_held_pictures(handheld_.images()))
        show_error(QString::fromStdString(problem));
}

void Program::create_context_menu() {
    ui::ContextMenuCommands commands;
    commands.show_about = [this] { about().show_about(); };
    commands.open_document = [this](const QString& file) {
        setup_.open_url(ui::resolve_link(file));
    };
    commands.show_manual = [this] { manual_->open(); };
    commands.open_key_settings = [this] { keys_->open_for(window_.get()); };
    commands.splash_box_ticked = [this] { return splash_->splash_ticked(); };
    // The desktop's own bell where it can sound; the toolkit's beep where it cannot.
    commands.beep = [this] {
        if (!bell_.ring()) QApplication::beep();
    };
    menu_ = std::make_unique<ui::ContextMenu>(*window_, handheld_, *settings_, std::move(commands));
    game_menu_ = std::make_unique<ui::GameMenu>(*window_, *menu_);
    if (splash_item_ticked_) menu_->tick_splash_item(*splash_item_ticked_);
}

ui::TSplashForm& Program::splash() {
    later_.finish();
    return *splash_;
}

ui::KeysForm& Program::keys() {
    later_.finish();
    return *keys_;
}

ui::ManualForm& Program::manual() {
    later_.finish();
    return *manual_;
}

ui::ContextMenu& Program::context_menu() {
    later_.finish();
    return *menu_;
}

ui::GameMenu& Program::game_menu() {
    later_.finish();
    return *game_menu_;
}

// Made when first asked for: its texts and picture are not needed for a game to start.
ui::TAboutForm& Program::about() {
    if (!about_) {
        about_ = std::make_unique<ui::TAboutForm>(setup_.open_url);
        keyboard_return_->watch(*about_);
    }
    return *about_;
}

void Program::create_secondary_windows() {
    ui::KeyChoices choices{};
    for (int i = 0; i < kControlCount; ++i) {
        choices[static_cast<std::size_t>(i)] =
            window_->key_bindings()[static_cast<std::size_t>(i)].choice;
    }
    // No parent for the key window and the manual: disabling the main window while the keys
    // are chosen would disable them as well.
    keys_ = std::make_unique<ui::KeysForm>(choices, *settings_, [this](const ui::KeyChoices& c) {
        ui::KeyBindings bindings = window_->key_bindings();
        for (int slot = 1; slot <= kControlCount; ++slot) {
            ui::AssignWord(bindings, slot, {c[static_cast<std::size_t>(slot - 1)], 0});
        }
        window_->set_key_bindings(bindings);
    });
    manual_ = std::make_unique<ui::ManualForm>(config_);
    keyboard_return_->watch(*keys_);
    keyboard_return_->watch(*manual_);
}

void Program::create_splash() {
    splash_ = std::make_unique<ui::TSplashForm>(*settings_, setup_.open_url);
    QObject::connect(splash_.get(), &ui::TSplashForm::start_requested, splash_.get(), [this] {
        if (!start_action(splash_->choice())) {
            QCoreApplication::exit(1);
            return;
        }
        splash_->hide();
    });
    QObject::connect(splash_.get(), &ui::TSplashForm::quit_requested, splash_.get(),
                     [] { QCoreApplication::exit(0); });
}

bool Program::start_action(const ui::SplashChoice& choice) {
    ui::StartSteps steps;
    steps.start_sound = [this](int sound_mode) {
        const platform::SoundStart result = sound_.start(sound_mode);
        if (!result.go_on) show_error(QString::fromStdString(result.message));
        return result.go_on;
    };
    // The menu may not be made yet: it takes the tick when it is.
    steps.tick_splash_menu_item = [this](bool ticked) {
        splash_item_ticked_ = ticked;
        if (menu_) menu_->tick_splash_item(ticked);
    };
    steps.show_game = [this] {
        window_->start_game();
        begin_session();
    };
    return ui::run_start_action(choice, *settings_, steps);
}

void Program::start() {
    if (!created_ || !splash_pending_) return;
    // The main window stays hidden until the game is started, so it is never activated before
    // then: the splash window comes up as the event loop starts, where the main window's first
    // activation would bring it.
    QTimer::singleShot(0, window_.get(), [this] { raise_splash(); });
}

void Program::raise_splash() {
    if (!splash_pending_) return;
    splash_pending_ = false;
    splash_->show();
    splash_->raise();
    splash_->activateWindow();
}

void Program::close_step() {
    sound_.shutdown();
    // The store has written every value as it changed; the program ends, and the store is let
    // go with it.
    QCoreApplication::exit(0);
}

SettingsStore& Program::handheld_settings() {
    if (setup_.replay) return script_settings_;
    return *settings_;
}

WallClock& Program::handheld_clock() {
    if (setup_.replay) return script_clock_;
    return recording_clock_;
}

void Program::begin_session() {
    if (setup_.replay) {
        window_->set_playing_back(true);
        window_->engine().play(*setup_.replay, script_clock_, setup_.replay_speed);
        return;
    }
    const QDateTime started = QDateTime::currentDateTime();
    session_stamp_ = started.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")).toStdString();
    replay::Header header = replay::start_header(random_.seed(), handheld_.state());
    header.program = ui::release_version().toStdString();
    header.recorded = started.toString(Qt::ISODate).toStdString();
    recorder_ = std::make_unique<replay::Recorder>(handheld_, std::move(header));
    recording_clock_.attach(*recorder_, handheld_.timers());
    window_->engine().set_listener(recorder_.get());
    replays_ = setup_.replay_folder
                   ? std::make_unique<platform::ReplayFolder>(*setup_.replay_folder)
                   : std::make_unique<platform::ReplayFolder>();
    replays_->set_write_failure_handler(
        [this] { ui::warn_replays_not_kept(window_.get(), replays_->location()); });
    // The file is written after the game over's instant, never inside it.
    recorder_->set_game_over([this](const replay::FinishedGame&) {
        QTimer::singleShot(0, window_.get(), [this] { keep_recording(); });
    });
}

// The session so far, under a name with its best game.
void Program::keep_recording() {
    const std::vector<replay::FinishedGame>& games = recorder_->games();
    if (games.empty()) return;
    const auto best = std::max_element(
        games.begin(), games.end(), [](const auto& a, const auto& b) { return a.score < b.score; });
    const replay::RecordingName name{session_stamp_, best->game, best->score};
    replays_->keep(replay::recording_file_name(name), recorder_->text(handheld_.timers().now()));
}

void Program::show_error(const QString& text) {
    if (setup_.show_error) {
        setup_.show_error(text);
        return;
    }
    QMessageBox::critical(nullptr, QStringLiteral("Gorvo250"), text);
}

}  // namespace gorvo::app
