// pm_0_menu, the main window's context menu: every command outside the game. It opens with a
// right click anywhere over the main window; its shortcuts (F1 to F4, F12, Esc) work whenever
// the main window has the keyboard focus. The in-game menu offers the same fourteen entries and
// runs the very same actions.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "core/handheld.h"
#include "core/ports.h"

class QAction;
class QMenu;

namespace gorvo::ui {

class TForm1;

// What the menu asks of the windows around the game.
struct ContextMenuCommands {
    std::function<void()> show_about;                        // "About..." (F1)
    std::function<void(const QString& file)> open_document;  // Readme, Whatsnew, Config.ini
    std::function<void()> show_manual;                       // "View manual" (F4)
    std::function<void()> open_key_settings;                 // "Key settings"
    // The splash window's check box: what the splash tick shows while SplashScreen is missing
    // from the store.
    std::function<bool()> splash_box_ticked;
    // The system's beep after "Reset Hiscores"; QApplication::beep() when not given.
    std::function<void()> beep;
};

class ContextMenu : public QObject {
    Q_OBJECT
  public:
    static constexpr int kItemCount = 14;
    using Items = std::array<QAction*, kItemCount>;

    // Builds the fourteen entries in menu order and gives the main window the shortcuts of
    // those that have one. The fullscreen and Exit entries are the main window's own actions.
    // Must go before the main window does.
    ContextMenu(TForm1& window, Handheld& handheld, SettingsStore& settings,
                ContextMenuCommands commands);
    ~ContextMenu() override;

    // menu_items[1..14]: pm_1_about ... pm_14_exit; a separator is an entry of its own.
    const Items& items() const { return items_; }
    QAction* item(int n) const { return items_[static_cast<std::size_t>(n - 1)]; }
    QMenu& menu() { return *menu_; }

    // Opens the menu at a point of the screen (a right click on the main window).
    void popup(const QPoint& global_pos);
    // Runs each time the menu is about to open: refreshes the splash and overlay ticks.
    void pm_0_menuPopup();
    // The start action's tick of "Display splash screen at startup".
    void tick_splash_item(bool ticked);

    void pm_8_hiscoreClick();
    void pm_11_splashscreenClick(bool ticked);
    void pm_12_controllerClick(bool ticked);

  signals:
    // The menu is about to open, its ticks refreshed: an unfolded in-game menu folds.
    void opening();

  private:
    QAction* add_item(const QString& caption, const QKeySequence& shortcut,
                      std::function<void()> action);
    QAction* add_separator();
    QAction* add_toggle(const QString& caption, std::function<void(bool)> action);
    void add_existing(QAction* action);

    TForm1& window_;
    Handheld& handheld_;
    SettingsStore& settings_;
    ContextMenuCommands commands_;
    std::unique_ptr<QMenu> menu_;
    Items items_{};
    int next_ = 0;
};

}  // namespace gorvo::ui
