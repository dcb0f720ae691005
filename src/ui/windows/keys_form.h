// TKeysForm, the "Key settings" window: nine drop-down lists binding the handheld's controls to
// keys, a duplicate check that marks clashing slots red and holds back Accept, and Accept or
// Escape. Created once, hidden; while it is open the main window takes no input. It must not
// be a child of the main window: disabling a widget disables the windows it parents as well.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "core/ports.h"
#include "ui/windows/keys_clashes.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace gorvo::ui {

class KeysForm : public QWidget {
    Q_OBJECT
  public:
    // Runs after Accept has stored the choices: the caller rebuilds its key table and hints.
    using Accepted = std::function<void(const KeyChoices& choices)>;

    // FormCreate: fills the lists with the 44 keys and selects each slot's choice (a choice
    // outside the list selects the slot's default), then runs the duplicate check.
    KeysForm(const KeyChoices& choices, SettingsStore& settings, Accepted accepted,
             QWidget* parent = nullptr);

    // The context menu's "Key settings": centre on the screen, show without being modal, and
    // disable `main` until the window is accepted or dismissed.
    void open_for(QWidget* main);

    // btn_acceptClick: stores Key1..Key9, reports the choices, enables the main window, closes.
    // Does nothing while a duplicate holds Accept back.
    void btn_acceptClick();
    // Escape (and a close by the desktop): enables the main window and closes, storing nothing.
    // The lists keep what was chosen for the next opening.
    void dismiss();

    // What the lists show now, slot k at k - 1.
    KeyChoices selected_choices() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void build();
    void place_slot(int slot);
    bool CheckKeys();
    bool handle_key(int key);
    void leave();

    SettingsStore& settings_;
    Accepted accepted_;
    QPointer<QWidget> main_;
    std::array<QComboBox*, kControlCount> lists_{};
    std::array<QLabel*, kControlCount> labels_{};
    QPushButton* accept_ = nullptr;
};

}  // namespace gorvo::ui
