// TForm1, the main window: the simulated unit itself. It paints the images of the handheld,
// turns keys and mouse presses into the input actions, opens the case, is dragged by the case
// in windowed mode, and switches between the windowed and the fullscreen presentation.
#pragma once

#include <QAction>
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "core/handheld.h"
#include "skin/skin_loader.h"
#include "ui/button_hints.h"
#include "ui/engine_driver.h"
#include "ui/frame_painter.h"
#include "ui/key_choices.h"
#include "ui/key_events.h"

namespace gorvo::ui {

struct MainWindowSetup {
    std::filesystem::path config;  // Config.ini
    // The screen the window presents on; the primary screen when not given.
    std::function<skin::ScreenSize()> screen_size;
    // A modal error message; a message box when not given.
    std::function<void(const QString&)> show_error;
    // The engine's real-time clock in milliseconds; a monotonic clock when not given.
    EngineDriver::RealClock clock;
    // Decoded skin pictures kept between runs; every picture is decoded when not given.
    skin::PictureCache* picture_cache = nullptr;
};

class TForm1 : public QWidget {
    Q_OBJECT
  public:
    // The window's creation, in the order the game needs: off screen and hidden, fullscreen
    // choice, skin, key bindings (written back), hints, then the handheld's own settings.
    TForm1(Handheld& handheld, SettingsStore& settings, MainWindowSetup setup,
           QWidget* parent = nullptr);
    ~TForm1() override;

    // The program has been asked to end during creation (Config.ini missing): the event loop
    // must not start.
    bool end_requested() const { return end_requested_; }

    // What the start-up window does when the player goes on: centre the window, bring it into
    // view, and enter the closed-unit mode.
    void start_game();
    // Centre window, or cover the screen in fullscreen mode.
    void centre();

    // The presentation switch (F12): toggles, stores FullscreenMode, reloads the skin and
    // centres. The game runs on untouched.
    void pm_10_fullscreenClick();
    bool fullscreen_mode() const { return fullscreen_mode_; }

    // Rebuilds the hint texts from the current bindings.
    void Vid_Set_Button_Hints();
    // New key codes (the key settings window), then the hints.
    void set_key_bindings(const KeyBindings& bindings);
    const KeyBindings& key_bindings() const { return bindings_; }
    QString hint(ImageId id) const;

    // Brings the engine up to real time, runs `action`, then repaints what changed and arms
    // the engine's timer again. Every change to the handheld goes through here.
    void act(const std::function<void()>& action);
    // One of the game's inputs (a control, the case, the menu's commands), through act() and
    // the driver, so that a recording hears of it. Ignored while a recording is played back.
    void perform(replay::Action action, int value = 0);
    // While set, the player's inputs are ignored: the engine plays a recording.
    void set_playing_back(bool on) { playing_back_ = on; }

    const QImage& frame() const { return painter_.frame(); }
    const skin::WindowLayout& layout() const { return layout_; }
    EngineDriver& engine() { return engine_; }
    Handheld& handheld() { return handheld_; }
    // F12 and Esc, ready to be shown in a menu.
    QAction* fullscreen_action() const { return fullscreen_action_; }
    QAction* exit_action() const { return exit_action_; }

    // Runs once, at the end of the first paint that puts the closed case on the screen.
    void set_first_paint_hook(std::function<void()> hook) { first_paint_hook_ = std::move(hook); }
    // Runs `work` from the event loop once the window has painted for the first time (at once
    // when it already has): what the first frame does not need waits for it.
    void after_first_paint(std::function<void()> work);

  signals:
    void context_menu_requested(const QPoint& global_pos);
    void game_menu_clicked();
    void fullscreen_mode_changed(bool on);
    // A presentation switch is about to reload the skin: an unfolded in-game menu must fold.
    void presentation_switching();
    // The desktop asks the window to close (its close command, the taskbar): the close step
    // runs, and with it the program ends.
    void closing();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }

  private:
    void create_actions();
    // The game menu button's picture (drawn with a font): made before the fullscreen
    // presentation first shows it, and otherwise once the first frame is on the screen.
    void give_game_menu_picture();
    bool load_skin();
    void rebuild_frame();
    void apply_presentation();
    void repaint_changes();
    // `anew`: the shape was cleared and must be set again even where nothing changed.
    void update_shape(const QRegion& area, bool anew = false);
    bool see_through_window() const;
    skin::ScreenSize screen_size() const;
    QSize frame_size() const;
    QPoint screen_origin() const;
    void show_error(const QString& text);

    // The input actions of a control, as the keys and the buttons run them.
    void press(Control control, bool repeat);
    void release(Control control);

    // Mouse pieces.
    void click(ImageId id);
    void drag_to(const QPoint& global_pos);
    void finish_system_move();
    void update_cursor(ImageId id);
    void release_held_keys();
    void release_mouse_button();

    Handheld& handheld_;
    SettingsStore& settings_;
    MainWindowSetup setup_;
    skin::WindowLayout layout_;
    FramePainter painter_;
    EngineDriver engine_;
    ButtonHints hints_;
    KeyBindings bindings_{};
    HeldKeys held_keys_;
    QRegion shape_;
    bool shaped_ = false;
    bool fullscreen_mode_ = true;
    bool end_requested_ = false;
    bool translucent_ = false;  // Wayland: see-through by alpha, moved by the compositor
    bool game_menu_picture_given_ = false;
    QAction* fullscreen_action_ = nullptr;
    QAction* exit_action_ = nullptr;
    std::function<void()> first_paint_hook_;
    std::vector<std::function<void()>> after_first_paint_;
    bool painted_ = false;
    bool playing_back_ = false;

    // The image that got the first button press; it keeps the moves and the release.
    ImageId pressed_ = kNoImage;
    // The control whose press the left button ran and whose release is still to come.
    std::optional<Control> mouse_control_;
    bool dragging_ = false;
    QPoint drag_offset_;  // pointer minus window position, at the press
    ImageId system_move_from_ = kNoImage;
    ImageId cursor_image_ = kNoImage;
};

}  // namespace gorvo::ui
