#include "ui/windows/splash_form.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include "core/stored_settings.h"
#include "platform/sound_drivers.h"
#include "ui/windows/links.h"
#include "ui/windows/splash_keys.h"
#include "ui/windows/splash_start.h"

namespace gorvo::ui {

namespace {

const QColor kLinkColour(24, 82, 148);
const QColor kFooterColour(8, 41, 82);
constexpr int kBoxTop = 56;
constexpr int kBoxHeight = 160;

QLabel* text_label(QWidget* parent, const QString& text, const QRect& place, int pixel_size,
                   bool bold, const QColor& colour, Qt::Alignment align = Qt::AlignLeft) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(layout_font(pixel_size, bold));
    label->setAlignment(align | Qt::AlignVCenter);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

// The box picture keeps a height of 160 and its proportions, centred across the window.
QRect box_place(const QSize& picture) {
    if (picture.isEmpty()) return {};
    const int width = picture.width() * kBoxHeight / picture.height();
    return {(TSplashForm::kWidth - width) / 2, kBoxTop, width, kBoxHeight};
}

}  // namespace

TSplashForm::TSplashForm(SettingsStore& settings, UrlOpener open_url, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      open_url_(std::move(open_url)) {
    setWindowTitle(QStringLiteral("About this game..."));
    setFixedSize(kWidth, kHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    build_texts();
    build_links();
    build_driver_choice();
    build_buttons();
    read_settings(settings);

    // The window sees every key before the control that has the focus. The open driver list
    // is a window of its own and keeps its keys: Enter there picks an entry.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->window() == this) child->installEventFilter(this);
    }

    skip_path_ = chosen_mode() >= 0 && !splash_ticked();
    if (!skip_path_) apply_start_button_rule();
}

void TSplashForm::build_texts() {
    text_label(this, QStringLiteral("Gorvo250"), {0, 12, kWidth, 15}, 12, true, Qt::white,
               Qt::AlignHCenter);
    text_label(this, QStringLiteral("Version ") + release_version(), {0, 28, kWidth, 15}, 12, true,
               Qt::white, Qt::AlignHCenter);
    text_label(this, QStringLiteral("Release ") + release_date(), {0, 236, kWidth, 15}, 12, false,
               Qt::black, Qt::AlignHCenter);
}

void TSplashForm::build_links() {
    text_label(this, QStringLiteral("website:"), {118, 259, 56, 15}, 12, false, Qt::black);
    text_label(this, QStringLiteral("email:"), {118, 282, 56, 15}, 12, false, Qt::black);
    const Link project = project_link();
    const Link contact = contact_link();
    la_website_2_ = new LinkLabel(project.caption, {174, 259, 168, 15}, 12, kLinkColour, this);
    la_email_2_ = new LinkLabel(contact.caption, {174, 282, 168, 15}, 12, kLinkColour, this);
    connect(la_website_2_, &LinkLabel::clicked, this, [this, url = project.url] { open(url); });
    connect(la_email_2_, &LinkLabel::clicked, this, [this, url = contact.url] { open(url); });
}

void TSplashForm::build_driver_choice() {
    text_label(this, QStringLiteral("Select sound driver:"), {98, 308, 116, 15}, 12, false,
               Qt::black);
    cb_sound_ = new ShortenedComboBox(this);
    cb_sound_->setGeometry(217, 308, 144, 21);
    cb_sound_->setFont(layout_font(12));
    cb_sound_->setEditable(false);
    for (const platform::SoundDriver& driver : platform::sound_drivers()) {
        const QString text =
            QString::fromUtf8(driver.text.data(), static_cast<qsizetype>(driver.text.size()));
        cb_sound_->addItem(text, driver.sound_mode);
        // The closed list is narrower than the longest entry: its full text on hovering.
        cb_sound_->setItemData(cb_sound_->count() - 1, text, Qt::ToolTipRole);
    }
    // The open list is as wide as its entries need, not cut to the closed box.
    cb_sound_->view()->setMinimumWidth(cb_sound_->view()->sizeHintForColumn(0) + 24);
    connect(cb_sound_, &QComboBox::currentIndexChanged, this, [this] {
        cb_sound_->setToolTip(cb_sound_->currentText());
        apply_start_button_rule();
    });

    chb_splashscreen_ =
        new QCheckBox(QStringLiteral("Display this splash screen at startup"), this);
    chb_splashscreen_->setGeometry(12, 391, 444, 17);
    chb_splashscreen_->setFont(layout_font(12));
    QPalette pal = chb_splashscreen_->palette();
    pal.setColor(QPalette::Window, kFooterColour);
    pal.setColor(QPalette::WindowText, Qt::white);
    chb_splashscreen_->setPalette(pal);
    chb_splashscreen_->setBackgroundRole(QPalette::Window);
    chb_splashscreen_->setAutoFillBackground(true);
    chb_splashscreen_->setChecked(true);
    setTabOrder(cb_sound_, chb_splashscreen_);
}

void TSplashForm::build_buttons() {
    btn_play_ =
        new ImageButton(QStringLiteral("Graphics/Splash/play.png"), QStringLiteral("Play"), this);
    btn_play_->setGeometry(116, 340, 107, 30);
    btn_play_->setCursor(Qt::PointingHandCursor);
    connect(btn_play_, &QAbstractButton::clicked, this, &TSplashForm::request_start);

    // An enabled picture that does nothing: a disabled widget would not show its hint.
    btn_play_disabled_ = new ImageButton(QStringLiteral("Graphics/Splash/play_disabled.png"),
                                         QStringLiteral("Play"), this);
    btn_play_disabled_->setGeometry(116, 340, 107, 30);
    btn_play_disabled_->setCursor(Qt::WhatsThisCursor);
    btn_play_disabled_->setToolTip(QStringLiteral("please select sound driver first"));
    btn_play_disabled_->hide();

    btn_help_ =
        new ImageButton(QStringLiteral("Graphics/Splash/link.png"), QStringLiteral("Help"), this);
    btn_help_->setGeometry(237, 340, 107, 30);
    btn_help_->setCursor(Qt::PointingHandCursor);
    connect(btn_help_, &QAbstractButton::clicked, this, [this] { open(help_link().url); });
}

void TSplashForm::read_settings(SettingsStore& settings) {
    // Any stored value other than a list position leaves the list empty, as on a first run.
    const SplashChoice choice = read_splash_choice(settings);
    cb_sound_->setCurrentIndex(choice.sound_mode);
    chb_splashscreen_->setChecked(choice.show_splash);
}

int TSplashForm::chosen_mode() const {
    const int index = cb_sound_->currentIndex();
    return index < 0 ? -1 : cb_sound_->itemData(index).toInt();
}

bool TSplashForm::splash_ticked() const {
    return chb_splashscreen_->isChecked();
}

bool TSplashForm::start_enabled() const {
    return btn_play_->isEnabled();
}

void TSplashForm::apply_start_button_rule() {
    const bool enabled = !cb_sound_->currentText().isEmpty();
    btn_play_->setEnabled(enabled);
    btn_play_->setVisible(enabled);
    btn_play_disabled_->setVisible(!enabled);
}

void TSplashForm::request_start() {
    if (started_ || !start_enabled() || chosen_mode() < 0) return;
    started_ = true;
    emit start_requested();
}

void TSplashForm::open(const QUrl& url) const {
    if (open_url_ && url.isValid()) open_url_(url);
}

bool TSplashForm::handle_key(QKeyEvent* event) {
    switch (splash_key_of(*event)) {
        case SplashKey::Start:
            request_start();
            return true;
        case SplashKey::Quit:
            emit quit_requested();
            return true;
        case SplashKey::Other:
            return false;
    }
    return false;
}

bool TSplashForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && handle_key(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TSplashForm::keyPressEvent(QKeyEvent* event) {
    if (!handle_key(event)) QWidget::keyPressEvent(event);
}

bool TSplashForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) cb_sound_->setFocus(Qt::ActiveWindowFocusReason);
    return QWidget::event(event);
}

void TSplashForm::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        centre_on_screen(*this);
    }
    QWidget::showEvent(event);
}

void TSplashForm::closeEvent(QCloseEvent* event) {
    // The window has no close button, but a desktop may close it anyway. Before a start that
    // would leave the game hidden with nothing to start it: treat it like Esc.
    if (!started_) {
        event->ignore();
        emit quit_requested();
        return;
    }
    QWidget::closeEvent(event);
}

void TSplashForm::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Read when first shown: a start that goes straight into the game never needs them.
    if (!pictures_loaded_) {
        pictures_loaded_ = true;
        background_ = load_picture(QStringLiteral("Graphics/Splash/background.png"));
        box_picture_ = load_picture(QStringLiteral("Graphics/Splash/box.jpg"));
    }
    QPainter p(this);
    if (!background_.isNull()) p.drawPixmap(0, 0, background_);
    if (!box_picture_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setClipRect(0, kBoxTop, kWidth, kBoxHeight);
        p.drawPixmap(box_place(box_picture_.size()), box_picture_);
    }
}

}  // namespace gorvo::ui
