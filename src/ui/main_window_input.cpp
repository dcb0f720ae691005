// Keyboard and mouse of the main window: key dispatch through the bindings, the nine buttons,
// the case's click, window dragging, cursors and hints.
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWindow>

#include "replay/actions.h"
#include "ui/image_roles.h"
#include "ui/main_window.h"
#include "ui/probes.h"

namespace gorvo::ui {

namespace {

Qt::CursorShape cursor_shape(ImageId id) {
    if (id == kNoImage) return Qt::ArrowCursor;
    switch (kImageDefs[id].cursor) {
        case Cursor::Hand:
            return Qt::PointingHandCursor;
        case Cursor::Help:
            return Qt::WhatsThisCursor;
        case Cursor::Arrow:
            break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

void TForm1::press(Control control, bool repeat) {
    probes::action(static_cast<int>(control) + 1, repeat ? "repeat" : "down");
    perform(replay::press_action(control));
}

void TForm1::release(Control control) {
    probes::action(static_cast<int>(control) + 1, "up");
    perform(replay::release_action(control));
}

// Every press is passed on, a held key's repeats too: the actions' own latches ignore them.
void TForm1::keyPressEvent(QKeyEvent* event) {
    event->accept();
    const bool repeat = event->isAutoRepeat() || held_keys_.holds(*event);
    const std::optional<std::uint16_t> code = held_keys_.press(*event);
    if (!code) return;
    if (const std::optional<Control> control = control_for_code(bindings_, *code)) {
        probes::key_event();
        press(*control, repeat);
    }
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    const std::optional<std::uint16_t> code = held_keys_.release(*event);
    if (!code) return;
    if (const std::optional<Control> control = control_for_code(bindings_, *code)) {
        probes::key_event();
        release(*control);
    }
}

// Keys released while another window has the keyboard never reach this one: a control held at
// that moment is let go, so that Tobo does not walk on by himself.
void TForm1::release_held_keys() {
    for (const std::uint16_t code : held_keys_.release_all()) {
        if (const std::optional<Control> control = control_for_code(bindings_, code)) {
            release(*control);
        }
    }
}

// The presentation switch lets go of the pressed image, so the release still to come would
// find none: the button the left button holds is released at once, as the game's own release.
void TForm1::release_mouse_button() {
    pressed_ = kNoImage;
    dragging_ = false;
    if (!mouse_control_) return;
    const Control control = *mouse_control_;
    mouse_control_.reset();
    release(control);
}

void TForm1::focusOutEvent(QFocusEvent* event) {
    release_held_keys();
    QWidget::focusOutEvent(event);
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPoint p = event->position().toPoint();
    // The first button down captures the pointer for the image under it.
    if (event->buttons() == event->button()) pressed_ = image_at(handheld_.images(), p.x(), p.y());
    if (event->button() != Qt::LeftButton || pressed_ == kNoImage) return;
    if (const std::optional<Control> control = button_control(pressed_)) {
        mouse_control_ = control;
        press(*control, false);
    }
    if (is_drag_surface(pressed_) && !fullscreen_mode_) {
        dragging_ = true;
        drag_offset_ = event->globalPosition().toPoint() - pos();
    }
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (system_move_from_ != kNoImage) finish_system_move();
    if (dragging_ && (event->buttons() & Qt::LeftButton) && !fullscreen_mode_) {
        drag_to(event->globalPosition().toPoint());
        return;
    }
    if (pressed_ != kNoImage) return;  // the captured image keeps its cursor
    const QPoint p = event->position().toPoint();
    update_cursor(image_at(handheld_.images(), p.x(), p.y()));
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const ImageId target = pressed_;
    if (event->buttons() == Qt::NoButton) pressed_ = kNoImage;
    if (event->button() != Qt::LeftButton || target == kNoImage) return;
    dragging_ = false;
    mouse_control_.reset();
    if (const std::optional<Control> control = button_control(target)) release(*control);
    // A release over the pressed image completes a click.
    const ImageState& s = handheld_.images()[target];
    const QPoint p = event->position().toPoint();
    if (s.visible && s.rect.contains(p.x(), p.y())) click(target);
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    emit context_menu_requested(event->globalPos());
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closing();
}

void TForm1::click(ImageId id) {
    if (id == im_background_closed) {
        perform(replay::Action::open);
    } else if (id == btn_game_menu_top) {
        emit game_menu_clicked();
    }
}

void TForm1::drag_to(const QPoint& global_pos) {
    if (!translucent_) {
        move(global_pos - drag_offset_);
        return;
    }
    // A Wayland window cannot place itself: the compositor moves it and keeps the pointer
    // until the drag ends, so the release is taken from the first event after the move.
    QWindow* window = windowHandle();
    if (window && window->startSystemMove()) {
        system_move_from_ = pressed_;
        pressed_ = kNoImage;
        dragging_ = false;
    }
}

void TForm1::finish_system_move() {
    const ImageId from = system_move_from_;
    system_move_from_ = kNoImage;
    if (from == im_background_closed && handheld_.images().visible(im_background_closed)) {
        click(from);
    }
}

void TForm1::update_cursor(ImageId id) {
    if (id == cursor_image_) return;
    cursor_image_ = id;
    setCursor(cursor_shape(id));
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const ImageId id = image_at(handheld_.images(), help->pos().x(), help->pos().y());
        const QString text = hint(id);
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            const Rect& r = handheld_.images()[id].rect;
            QToolTip::showText(help->globalPos(), text, this,
                               QRect(r.left, r.top, r.width, r.height));
        }
        return true;
    }
    if (event->type() == QEvent::Enter && system_move_from_ != kNoImage) finish_system_move();
    return QWidget::event(event);
}

}  // namespace gorvo::ui
