#include "ui/game_menu.h"

#include <QAction>
#include <QFont>

#include "ui/main_window.h"

namespace gorvo::ui {

namespace {

constexpr int kSymbolWidth = 36;
constexpr int kSymbolHeight = 32;
constexpr int kFontPixels = 16;  // 12 points at 96 dots per inch

QFont entry_font() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kFontPixels);
    return font;
}

QString entry_text(const QAction& item) {
    QString text = QStringLiteral("   ") + item.text();
    if (item.isChecked()) text += QStringLiteral(" [V]");
    return text;
}

}  // namespace

GameMenu::GameMenu(TForm1& window, ContextMenu& menu) : window_(window), menu_(menu) {
    connect(&window_, &TForm1::game_menu_clicked, this, &GameMenu::btn_game_menu_topClick);
    connect(&window_, &TForm1::presentation_switching, this, &GameMenu::fold_if_shown);
    connect(&menu_, &ContextMenu::opening, this, [this] {
        // The context menu and the in-game menu are never open together.
        if (window_.fullscreen_mode()) fold_if_shown();
    });
}

GameMenu::~GameMenu() {
    for (QPointer<MenuLabel>& label : labels_)
        delete label.data();
}

void GameMenu::btn_game_menu_topClick() {
    menu_shown_ = !menu_shown_;
    Vid_Display_Game_Menu(menu_shown_);
}

void GameMenu::Vid_Display_Game_Menu(bool show) {
    if (show) {
        unfold();
    } else {
        fold();
    }
}

void GameMenu::la_menu_itemMouseUp(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    menu_shown_ = false;
    Vid_Display_Game_Menu(false);
}

void GameMenu::fold_if_shown() {
    if (!menu_shown_) return;
    menu_shown_ = false;
    Vid_Display_Game_Menu(false);
}

void GameMenu::unfold() {
    fold();  // an unfolding always starts from fresh labels
    for (int n = 1; n <= ContextMenu::kItemCount; ++n) {
        labels_[static_cast<std::size_t>(n - 1)] = make_label(n, menu_.item(n));
    }
    set_panel_size(kWidth, kUnfoldedHeight);
}

MenuLabel* GameMenu::make_label(int n, QAction* item) {
    auto* label = new MenuLabel(&window_, QRect(0, kRowHeight * n, kWidth, kRowHeight));
    if (!item->isSeparator()) {
        label->setFont(entry_font());
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        palette.setColor(QPalette::Window, Qt::black);
        // A disabled entry keeps its colour; only the greyed text of the style tells it apart.
        palette.setColor(QPalette::Disabled, QPalette::Window, Qt::black);
        label->setPalette(palette);
        label->setText(entry_text(*item));
        label->setCursor(Qt::PointingHandCursor);
        label->setEnabled(item->isEnabled());
        label->set_active(item->isEnabled());
        if (label->isEnabled()) {
            connect(label, &MenuLabel::clicked, item, &QAction::trigger);
            connect(label, &MenuLabel::released, this, &GameMenu::la_menu_itemMouseUp);
        }
    }
    label->show();
    return label;
}

void GameMenu::fold() {
    // A label may be inside its own event handling (a release that runs the entry and folds
    // the menu): every label goes once the event loop has finished with it.
    for (QPointer<MenuLabel>& label : labels_) {
        if (label) {
            label->hide();
            label->deleteLater();
        }
        label = nullptr;
    }
    set_panel_size(kSymbolWidth, kSymbolHeight);
}

void GameMenu::set_panel_size(int width, int height) {
    Images& images = window_.handheld().images();
    Rect panel = images[btn_game_menu_background].rect;
    if (panel.width == width && panel.height == height) return;
    panel.width = width;
    panel.height = height;
    window_.act([&images, panel] { images.set_rect(btn_game_menu_background, panel); });
}

}  // namespace gorvo::ui
