// Creation, presentation and painting of the main window.
#include "ui/main_window.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "core/stored_settings.h"
#include "ui/game_menu_picture.h"
#include "ui/image_roles.h"
#include "ui/probes.h"
#include "ui/startup_marks.h"
#include "ui/window_placement.h"

namespace gorvo::ui {

namespace {

QColor colour_of(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QRect rect_of(const Rect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

bool on_wayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

TForm1::TForm1(Handheld& handheld, SettingsStore& settings, MainWindowSetup setup, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      handheld_(handheld),
      settings_(settings),
      setup_(std::move(setup)),
      engine_(handheld, setup_.clock) {
    setWindowTitle(QStringLiteral("Gorvo250"));
    translucent_ = on_wayland();
    if (translucent_) setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_OpaquePaintEvent, !translucent_);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Out of sight until centred: the window is only shown by start_game().
    const skin::ScreenSize screen = screen_size();
    move(-screen.width, -screen.height);
    create_actions();

    fullscreen_mode_ = settings_.read_bool(stored::kFullscreenMode.name, true);
    fullscreen_action_->setChecked(fullscreen_mode_);
    if (fullscreen_mode_) {
        give_game_menu_picture();
    } else {
        after_first_paint([this] { give_game_menu_picture(); });
    }
    load_skin();
    bindings_ = load_key_bindings(settings_);
    Vid_Set_Button_Hints();
    handheld_.load_settings();
    apply_presentation();

    connect(&engine_, &EngineDriver::ran, this, &TForm1::repaint_changes);
}

TForm1::~TForm1() = default;

void TForm1::create_actions() {
    fullscreen_action_ = new QAction(QStringLiteral("Display in fullscreen mode"), this);
    fullscreen_action_->setCheckable(true);
    fullscreen_action_->setShortcut(QKeySequence(Qt::Key_F12));
    connect(fullscreen_action_, &QAction::triggered, this, [this] { pm_10_fullscreenClick(); });
    exit_action_ = new QAction(QStringLiteral("Exit"), this);
    exit_action_->setShortcut(QKeySequence(Qt::Key_Escape));
    // Everything is stored as it changes: ending at once loses nothing.
    connect(exit_action_, &QAction::triggered, this, [] { QCoreApplication::exit(0); });
    addAction(fullscreen_action_);
    addAction(exit_action_);
}

void TForm1::give_game_menu_picture() {
    if (game_menu_picture_given_) return;
    game_menu_picture_given_ = true;
    handheld_.images().set_own_picture(btn_game_menu_background, game_menu_picture());
}

skin::ScreenSize TForm1::screen_size() const {
    if (setup_.screen_size) return setup_.screen_size();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {605, 748};
    return {screen->geometry().width(), screen->geometry().height()};
}

// The desktop never shows a window larger than all its screens together, so a skin asking for
// more (up to the loader's limit of 16384 x 16384, a gigabyte of pixels per frame) gets a window
// as large as the desktop: the part past it could never be seen, and its frames need not exist.
QSize TForm1::frame_size() const {
    QSize size(std::max(layout_.client_width, 1), std::max(layout_.client_height, 1));
    if (fullscreen_mode_) return size;
    QSize desktop(screen_size().width, screen_size().height);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!setup_.screen_size && screen) desktop = screen->virtualSize();
    return size.boundedTo(desktop.expandedTo(QSize(1, 1)));
}

QPoint TForm1::screen_origin() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (setup_.screen_size || !screen) return {};
    return screen->geometry().topLeft();
}

void TForm1::show_error(const QString& text) {
    if (setup_.show_error) {
        setup_.show_error(text);
        return;
    }
    QMessageBox::critical(nullptr, QStringLiteral("Gorvo250"), text);
}

bool TForm1::load_skin() {
    const skin::SkinLoadResult result =
        skin::Gfx_Load_Skin(setup_.config, fullscreen_mode_, screen_size(), layout_,
                            handheld_.images(), setup_.picture_cache);
    startup::mark("skin");
    // The whole frame is painted anew below.
    handheld_.images().take_changes();
    rebuild_frame();
    startup::mark("frame");
    if (result.status != skin::SkinLoadResult::Status::Ok) {
        show_error(QString::fromStdString(result.message));
    }
    if (result.status == skin::SkinLoadResult::Status::ConfigMissing) {
        end_requested_ = true;
        return false;
    }
    return true;
}

bool TForm1::see_through_window() const {
    return !fullscreen_mode_ && layout_.see_through_on;
}

void TForm1::rebuild_frame() {
    FrameStyle style;
    style.background = colour_of(layout_.background);
    if (translucent_ && see_through_window()) style.clear_colour = colour_of(layout_.see_through);
    if (!translucent_ && see_through_window()) style.shape_colour = colour_of(layout_.see_through);
    style.backdrop_stretch = layout_.backdrop_stretch;
    const QSize size = frame_size();
    painter_.reset(size, style);
    painter_.redraw(handheld_.images(), QRect(QPoint(0, 0), size));
    shape_ = QRegion();
    update_shape(QRegion(QRect(QPoint(0, 0), size)), true);
    update();
}

void TForm1::apply_presentation() {
    // Fullscreen is left before the new size is set: a new size clears the widget's own
    // fullscreen flag without telling the desktop, which would then keep the window covering
    // the screen with the windowed case in its corner.
    if (!fullscreen_mode_ && (windowState() & Qt::WindowFullScreen)) {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    }
    // A fixed size: a window manager restoring a window from fullscreen may otherwise give it
    // back its fullscreen size, and the case is never meant to be resized.
    setFixedSize(painter_.frame().size());
    if (fullscreen_mode_) {
        move(screen_origin());
        if (isVisible()) setWindowState(windowState() | Qt::WindowFullScreen);
    }
}

void TForm1::centre() {
    const Placement place = centred(screen_size(), width(), height());
    move(screen_origin() + QPoint(place.left, place.top));
}

void TForm1::start_game() {
    centre();
    if (fullscreen_mode_) {
        showFullScreen();
    } else {
        show();
    }
    raise();
    activateWindow();
    startup::mark("shown");
    engine_.start_session();
    act([this] { handheld_.enter_closed_case(); });
}

void TForm1::pm_10_fullscreenClick() {
    fullscreen_mode_ = !fullscreen_mode_;
    fullscreen_action_->setChecked(fullscreen_mode_);
    emit fullscreen_mode_changed(fullscreen_mode_);
    emit presentation_switching();
    settings_.write_bool(stored::kFullscreenMode.name, fullscreen_mode_);
    release_mouse_button();
    give_game_menu_picture();
    if (!load_skin()) {
        hide();
        QCoreApplication::exit(1);
        return;
    }
    apply_presentation();
    centre();
}

void TForm1::Vid_Set_Button_Hints() {
    hints_ = ui::Vid_Set_Button_Hints(bindings_);
}

void TForm1::set_key_bindings(const KeyBindings& bindings) {
    bindings_ = bindings;
    Vid_Set_Button_Hints();
}

QString TForm1::hint(ImageId id) const {
    if (id == kNoImage) return {};
    return QString::fromStdString(hints_[id]);
}

void TForm1::act(const std::function<void()>& action) {
    engine_.catch_up();
    action();
    repaint_changes();
    engine_.reschedule();
}

void TForm1::perform(replay::Action action, int value) {
    if (playing_back_) return;
    replay::ScriptEvent input;
    input.action = action;
    input.value = value;
    act([this, &input] { engine_.perform(input); });
}

void TForm1::repaint_changes() {
    const Images& images = handheld_.images();
    const std::vector<ImageChange> changes = handheld_.images().take_changes();
    probes::changes_taken(!changes.empty());
    if (changes.empty()) return;
    QRegion dirty;
    for (const ImageChange& c : changes) {
        if (c.id == im_backdrop) {
            dirty = QRegion(painter_.frame().rect());
            break;
        }
        if (c.old_visible) dirty += rect_of(c.old_rect);
        if (images.visible(c.id)) dirty += rect_of(images[c.id].rect);
    }
    for (const QRect& r : dirty)
        painter_.redraw(images, r);
    update_shape(dirty);
    update(dirty);
    if (underMouse() && pressed_ == kNoImage) {
        const QPoint p = mapFromGlobal(QCursor::pos());
        update_cursor(image_at(images, p.x(), p.y()));
    }
}

void TForm1::update_shape(const QRegion& area, bool anew) {
    if (!see_through_window()) {
        if (shaped_) clearMask();
        shaped_ = false;
        return;
    }
    const QColor key = colour_of(layout_.see_through);
    bool changed = anew || !shaped_;
    for (const QRect& r : area) {
        const QRegion now = solid_region(painter_.frame(), r, key);
        if ((shape_.intersected(r) ^ now).isEmpty()) continue;
        shape_ = shape_.subtracted(r).united(now);
        changed = true;
    }
    if (!changed) return;
    shaped_ = true;
    // An empty mask would mean "no mask at all"; keep one pixel so the window stays see-through.
    setMask(shape_.isEmpty() ? QRegion(0, 0, 1, 1) : shape_);
}

void TForm1::after_first_paint(std::function<void()> work) {
    if (painted_) {
        QTimer::singleShot(0, this, std::move(work));
        return;
    }
    after_first_paint_.push_back(std::move(work));
}

void TForm1::paintEvent(QPaintEvent* event) {
    // The screen frame follows the screen the window is on; a new ratio repaints it whole.
    painter_.set_pixel_ratio(devicePixelRatioF(), handheld_.images());
    QPainter painter(this);
    painter_.paint(painter, event->region());
    painter.end();
    probes::painted();
    if (!painted_) {
        startup::mark("painted");
        painted_ = true;
        for (std::function<void()>& work : after_first_paint_)
            QTimer::singleShot(0, this, std::move(work));
        after_first_paint_.clear();
    }
    if (first_paint_hook_ && handheld_.images().visible(im_background_closed) &&
        event->region().intersects(rect_of(handheld_.images()[im_background_closed].rect))) {
        const std::function<void()> hook = std::move(first_paint_hook_);
        first_paint_hook_ = nullptr;
        hook();
    }
}

}  // namespace gorvo::ui
