#include "ui/context_menu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "core/stored_settings.h"
#include "ui/main_window.h"

namespace gorvo::ui {

ContextMenu::ContextMenu(TForm1& window, Handheld& handheld, SettingsStore& settings,
                         ContextMenuCommands commands)
    : window_(window),
      handheld_(handheld),
      settings_(settings),
      commands_(std::move(commands)),
      menu_(std::make_unique<QMenu>()) {
    auto run = [](const std::function<void()>& f) {
        return [f] {
            if (f) f();
        };
    };
    auto open = [this](const QString& file) {
        return [this, file] {
            if (commands_.open_document) commands_.open_document(file);
        };
    };
    QAction* about = add_item(QStringLiteral("About..."), Qt::Key_F1, run(commands_.show_about));
    add_item(QStringLiteral("View 'Readme.txt'"), Qt::Key_F2, open(QStringLiteral("Readme.txt")));
    add_item(QStringLiteral("View 'Whatsnew.txt'"), Qt::Key_F3,
             open(QStringLiteral("Whatsnew.txt")));
    add_item(QStringLiteral("View manual"), Qt::Key_F4, run(commands_.show_manual));
    add_separator();
    add_item(QStringLiteral("Edit configuration file"), {}, open(QStringLiteral("Config.ini")));
    add_item(QStringLiteral("Key settings"), {}, run(commands_.open_key_settings));
    add_item(QStringLiteral("Reset Hiscores"), {}, [this] { pm_8_hiscoreClick(); });
    add_separator();
    add_existing(window_.fullscreen_action());
    add_toggle(QStringLiteral("Display splash screen at startup"),
               [this](bool ticked) { pm_11_splashscreenClick(ticked); });
    add_toggle(QStringLiteral("Display controller overlays"),
               [this](bool ticked) { pm_12_controllerClick(ticked); });
    add_separator();
    add_existing(window_.exit_action());
    // The default entry, drawn in bold.
    menu_->setDefaultAction(about);
    item(12)->setChecked(handheld_.state().ctrlr_overlay);
    connect(menu_.get(), &QMenu::aboutToShow, this, &ContextMenu::pm_0_menuPopup);
    connect(&window_, &TForm1::context_menu_requested, this, &ContextMenu::popup);
}

ContextMenu::~ContextMenu() = default;

QAction* ContextMenu::add_item(const QString& caption, const QKeySequence& shortcut,
                               std::function<void()> action) {
    auto* entry = new QAction(caption, this);
    connect(entry, &QAction::triggered, this, [action = std::move(action)] { action(); });
    if (!shortcut.isEmpty()) {
        entry->setShortcut(shortcut);
        // The shortcut works on the main window while the menu is closed.
        window_.addAction(entry);
    }
    add_existing(entry);
    return entry;
}

QAction* ContextMenu::add_separator() {
    // A line across the menu; a caption would be drawn beside it.
    auto* entry = new QAction(this);
    entry->setSeparator(true);
    add_existing(entry);
    return entry;
}

QAction* ContextMenu::add_toggle(const QString& caption, std::function<void(bool)> action) {
    auto* entry = new QAction(caption, this);
    entry->setCheckable(true);
    // A checkable entry inverts its own tick before it reports the click.
    connect(entry, &QAction::triggered, this,
            [action = std::move(action)](bool ticked) { action(ticked); });
    add_existing(entry);
    return entry;
}

void ContextMenu::add_existing(QAction* action) {
    menu_->addAction(action);
    items_[static_cast<std::size_t>(next_++)] = action;
}

void ContextMenu::popup(const QPoint& global_pos) {
    menu_->popup(global_pos);
}

void ContextMenu::pm_0_menuPopup() {
    const bool box = commands_.splash_box_ticked ? commands_.splash_box_ticked() : true;
    item(11)->setChecked(settings_.read_bool(stored::kSplashScreen.name, box));
    item(12)->setChecked(handheld_.state().ctrlr_overlay);
    emit opening();
}

void ContextMenu::tick_splash_item(bool ticked) {
    item(11)->setChecked(ticked);
}

void ContextMenu::pm_8_hiscoreClick() {
    window_.perform(replay::Action::reset_hiscores);
    if (commands_.beep) {
        commands_.beep();
    } else {
        QApplication::beep();
    }
}

void ContextMenu::pm_11_splashscreenClick(bool ticked) {
    settings_.write_bool(stored::kSplashScreen.name, ticked);
}

void ContextMenu::pm_12_controllerClick(bool ticked) {
    // Shown at once when the case is open; before that, opening the case shows the choice.
    window_.perform(replay::Action::overlay, ticked ? 1 : 0);
}

}  // namespace gorvo::ui
