// One entry of the unfolded in-game menu: a text label drawn on the main window above every
// image. An active entry reports a left click (press and release over it) and every release;
// a separator or a disabled entry takes the clicks without passing them to the game below.
#pragma once

#include <QLabel>

namespace gorvo::ui {

class MenuLabel : public QLabel {
    Q_OBJECT
  public:
    MenuLabel(QWidget* parent, const QRect& place);

    // Responds to the pointer: clicks, releases and the hover bar.
    void set_active(bool active) { active_ = active; }
    bool active() const { return active_ && isEnabled(); }
    // The black bar behind the text while the pointer is over the entry.
    bool highlighted() const { return autoFillBackground(); }

  signals:
    void clicked();
    void released(Qt::MouseButton button);

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void set_highlight(bool on);

    bool active_ = false;
    bool left_pressed_ = false;
};

}  // namespace gorvo::ui
