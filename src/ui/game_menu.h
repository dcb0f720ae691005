// The in-game menu of the fullscreen presentation: the menu symbol in the top-left corner
// unfolds a dark translucent panel listing the context menu's fourteen entries; choosing one
// runs the entry's own action and folds the menu. The labels are made afresh at each
// unfolding, so captions and ticks are those of that moment.
#pragma once

#include <QObject>
#include <QPointer>
#include <array>

#include "ui/context_menu.h"
#include "ui/game_menu_label.h"

namespace gorvo::ui {

class TForm1;

class GameMenu : public QObject {
    Q_OBJECT
  public:
    static constexpr int kRowHeight = 32;
    static constexpr int kWidth = 256;
    static constexpr int kUnfoldedHeight = kRowHeight * (ContextMenu::kItemCount + 1);

    // Folds on a presentation switch and when the context menu opens; the menu symbol's click
    // toggles it. Must go before the main window does.
    GameMenu(TForm1& window, ContextMenu& menu);
    ~GameMenu() override;

    bool menu_shown() const { return menu_shown_; }

    // The menu symbol: menu_shown := not menu_shown, then the display follows.
    void btn_game_menu_topClick();
    // Unfolds (new labels, the panel at full height) or folds (the labels go, the panel
    // shrinks to the symbol); callers set menu_shown first and pass the same value.
    void Vid_Display_Game_Menu(bool show);
    // A release on an entry: the left button folds the menu.
    void la_menu_itemMouseUp(Qt::MouseButton button);

    // Label n (1..14) while the menu is unfolded, else nullptr.
    MenuLabel* label(int n) const { return labels_[static_cast<std::size_t>(n - 1)].data(); }

  private:
    void unfold();
    void fold();
    void fold_if_shown();
    MenuLabel* make_label(int n, QAction* item);
    void set_panel_size(int width, int height);

    TForm1& window_;
    ContextMenu& menu_;
    bool menu_shown_ = false;
    std::array<QPointer<MenuLabel>, ContextMenu::kItemCount> labels_{};
};

}  // namespace gorvo::ui
