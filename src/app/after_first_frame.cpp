#include "app/after_first_frame.h"

#include <QCoreApplication>
#include <QEvent>

#include "ui/main_window.h"

namespace gorvo::app {

namespace {

// Every event by which the player can reach a window, a menu or a shortcut.
bool is_input(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::ContextMenu:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
        case QEvent::InputMethod:
            return true;
        default:
            return false;
    }
}

}  // namespace

AfterFirstFrame::~AfterFirstFrame() {
    stop_watching();
}

void AfterFirstFrame::add(std::function<void()> step) {
    steps_.push_back(std::move(step));
}

void AfterFirstFrame::arm(ui::TForm1& window) {
    if (finished()) return;
    // Seen for every object of the program until the steps have run: an input cannot overtake
    // them, whichever window it is for.
    QCoreApplication::instance()->installEventFilter(this);
    watching_ = true;
    window.after_first_paint([this] { finish(); });
}

void AfterFirstFrame::finish() {
    stop_watching();
    while (next_ < steps_.size()) {
        // Counted first: a step that asks for the rest runs only the rest.
        const std::function<void()> step = std::move(steps_[next_++]);
        step();
    }
}

void AfterFirstFrame::stop_watching() {
    if (!watching_) return;
    watching_ = false;
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeEventFilter(this);
}

bool AfterFirstFrame::eventFilter(QObject* watched, QEvent* event) {
    if (is_input(event->type())) finish();
    return QObject::eventFilter(watched, event);
}

}  // namespace gorvo::app
