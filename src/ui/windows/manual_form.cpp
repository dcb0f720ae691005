#include "ui/windows/manual_form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "skin/skin_loader.h"
#include "ui/window_placement.h"
#include "ui/windows/manual_pages.h"

namespace gorvo::ui {

namespace {

std::size_t slot(ManualButton button) {
    return static_cast<std::size_t>(button);
}

std::optional<ManualButton> button_of_key(int key) {
    switch (key) {
        case Qt::Key_Escape:
            return ManualButton::Close;
        case Qt::Key_Left:
            return ManualButton::Left;
        case Qt::Key_Right:
            return ManualButton::Right;
        default:
            return std::nullopt;
    }
}

// A window cannot be narrower or lower than one pixel.
QSize client_size(const skin::ManualSettings& settings) {
    return {std::max(settings.width, 1), std::max(settings.height, 1)};
}

bool on_wayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

ManualForm::ManualForm(const std::filesystem::path& config, QWidget* parent)
    : ManualForm(skin::read_manual_settings(config), parent) {}

ManualForm::ManualForm(const skin::ManualSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      state_(client_size(settings).width(), client_size(settings).height()),
      settings_(settings),
      buttons_(paint_manual_buttons()) {
    setObjectName(QStringLiteral("TManualForm"));
    setWindowTitle(QStringLiteral("Manual"));
    setFixedSize(client_size(settings));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

// The pages are decoded when the manual is first wanted: sixteen full-size pictures would
// otherwise hold up every start of the game, and most games never open the manual.
void ManualForm::load_pages() const {
    if (pages_loaded_) return;
    pages_loaded_ = true;
    ManualPages loaded = load_manual_pages(settings_);
    pages_ = std::move(loaded.pages);
    unreadable_ = std::move(loaded.unreadable);
}

const QImage& ManualForm::page_picture(int page) const {
    load_pages();
    return pages_[static_cast<std::size_t>(std::clamp(page, 1, kManualPageCount) - 1)];
}

const QImage& ManualForm::shown_page() const {
    if (page_top_.isNull()) page_top_ = page_picture(state_.manual_page());
    return page_top_;
}

const std::vector<QString>& ManualForm::unreadable_pages() const {
    load_pages();
    return unreadable_;
}

void ManualForm::open() {
    shown_page();
    show();
    raise();
    activateWindow();
}

void ManualForm::Vid_Show_Page() {
    page_top_ = page_picture(state_.manual_page());
    state_.Vid_Show_Page();
    update();
}

void ManualForm::Inp_left_down() {
    press(ManualButton::Left);
}
void ManualForm::Inp_left_up() {
    release(ManualButton::Left);
}
void ManualForm::Inp_right_down() {
    press(ManualButton::Right);
}
void ManualForm::Inp_right_up() {
    release(ManualButton::Right);
}
void ManualForm::Inp_esc_down() {
    press(ManualButton::Close);
}
void ManualForm::Inp_esc_up() {
    release(ManualButton::Close);
}

void ManualForm::press(ManualButton button) {
    state_.press(button);
    update();
}

void ManualForm::release(ManualButton button) {
    const bool close = state_.release(button);
    page_top_ = page_picture(state_.manual_page());
    update();
    if (close) hide();
}

void ManualForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.drawImage(0, 0, shown_page());  // unscaled, from the top-left corner
    p.setPen(Qt::black);              // sh_page_top: the page's one-pixel outline
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, width() - 1, height() - 1);
    for (int i = 0; i < kManualImageCount; ++i) {
        const auto image = static_cast<ManualImage>(i);
        if (!state_.visible(image)) continue;
        const ManualRect r = state_.rect(image);
        p.drawImage(r.left, r.top, buttons_[static_cast<std::size_t>(i)]);
    }
}

// FormShow; the first showing is centred on the screen, later ones keep the window's place.
void ManualForm::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->geometry();
            const Placement place = centred({area.width(), area.height()}, width(), height());
            move(area.left() + place.left, area.top() + place.top);
        }
    }
    Vid_Show_Page();
    QWidget::showEvent(event);
}

// Presses whose releases this window will not see any more leave no button looking pressed.
void ManualForm::hideEvent(QHideEvent* event) {
    drop_held_keys();
    captured_.reset();
    dragging_ = false;
    state_.cancel_presses();
    QWidget::hideEvent(event);
}

void ManualForm::focusOutEvent(QFocusEvent* event) {
    drop_held_keys();
    QWidget::focusOutEvent(event);
}

void ManualForm::drop_held_keys() {
    if (!std::any_of(key_held_.begin(), key_held_.end(), [](bool held) { return held; })) return;
    key_held_ = {};
    state_.cancel_presses();
    if (captured_) state_.press(*captured_);  // the mouse still holds its button
    update();
}

// Esc always; the arrows only while there is a page to turn to.
bool ManualForm::key_allowed(ManualButton button) const {
    switch (button) {
        case ManualButton::Left:
            return state_.manual_page() > 1;
        case ManualButton::Right:
            return state_.manual_page() < kManualPageCount;
        case ManualButton::Close:
            break;
    }
    return true;
}

// A held key repeats its press, which only repeats the pressed look.
void ManualForm::keyPressEvent(QKeyEvent* event) {
    const std::optional<ManualButton> button = button_of_key(event->key());
    if (!button) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!key_allowed(*button)) return;
    key_held_[slot(*button)] = true;
    press(*button);
}

// Only the release that ends a hold acts, and only for a key whose press acted here.
void ManualForm::keyReleaseEvent(QKeyEvent* event) {
    const std::optional<ManualButton> button = button_of_key(event->key());
    if (!button) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || !key_held_[slot(*button)]) return;
    key_held_[slot(*button)] = false;
    if (key_allowed(*button)) release(*button);
}

void ManualForm::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    const ManualHit hit = state_.hit(p.x(), p.y());
    switch (hit.kind) {
        case ManualHit::Kind::Button:
            captured_ = hit.button;
            press(hit.button);
            break;
        case ManualHit::Kind::PressedLook:
            break;  // a button held by its key: not a drag surface
        case ManualHit::Kind::Page:
            dragging_ = true;
            page_drag_ = p;
            break;
    }
}

// The grabbed point of the page stays under the pointer.
void ManualForm::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return;
    if (on_wayland()) {
        // Wayland lets only the compositor move a window.
        QWindow* window = windowHandle();
        if (window && window->startSystemMove()) dragging_ = false;
        return;
    }
    move(event->globalPosition().toPoint() - page_drag_);
}

void ManualForm::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    dragging_ = false;
    if (!captured_) return;
    const ManualButton button = *captured_;
    captured_.reset();
    release(button);
}

}  // namespace gorvo::ui
