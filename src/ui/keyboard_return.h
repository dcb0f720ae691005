// The main window takes the keyboard back when a window opened over it (About, key settings,
// manual) is closed. A window manager would usually hand it back; without one nobody does, and
// the game keys still reached the window under the pointer while its shortcuts (F1 to F4, F12,
// Esc), which act only in the active window, stayed dead until a click.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace gorvo::ui {

class KeyboardReturn : public QObject {
    Q_OBJECT
  public:
    explicit KeyboardReturn(QWidget& main, QObject* parent = nullptr);

    // From now on, hiding `window` makes the main window the active one again, if it can take
    // the keyboard (shown and enabled).
    void watch(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QWidget> main_;
};

}  // namespace gorvo::ui
