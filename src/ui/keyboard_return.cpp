#include "ui/keyboard_return.h"

#include <QEvent>

namespace gorvo::ui {

KeyboardReturn::KeyboardReturn(QWidget& main, QObject* parent) : QObject(parent), main_(&main) {}

void KeyboardReturn::watch(QWidget& window) {
    window.installEventFilter(this);
}

bool KeyboardReturn::eventFilter(QObject* watched, QEvent* event) {
    // A hide the desktop makes (the window minimised) is not a close.
    if (event->type() == QEvent::Hide && !event->spontaneous() && main_ && main_->isVisible() &&
        main_->isEnabled()) {
        main_->activateWindow();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace gorvo::ui
