#include "ui/game_menu_label.h"

#include <QMouseEvent>

namespace gorvo::ui {

MenuLabel::MenuLabel(QWidget* parent, const QRect& place) : QLabel(parent) {
    setGeometry(place);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAutoFillBackground(false);
}

bool MenuLabel::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (!active()) {
                // Inert: the click ends here, the menu stays open and the game sees nothing.
                event->accept();
                return true;
            }
            break;
        default:
            break;
    }
    return QLabel::event(event);
}

void MenuLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) left_pressed_ = true;
}

void MenuLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = event->button() == Qt::LeftButton && left_pressed_ &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) left_pressed_ = false;
    if (click) emit clicked();
    emit released(event->button());
}

void MenuLabel::enterEvent(QEnterEvent* event) {
    if (active()) set_highlight(true);
    QLabel::enterEvent(event);
}

void MenuLabel::leaveEvent(QEvent* event) {
    set_highlight(false);
    QLabel::leaveEvent(event);
}

void MenuLabel::set_highlight(bool on) {
    if (autoFillBackground() == on) return;
    setAutoFillBackground(on);
    update();
}

}  // namespace gorvo::ui
