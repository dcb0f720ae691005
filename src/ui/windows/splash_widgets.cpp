#include "ui/windows/splash_widgets.h"

#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace gorvo::ui {

QFont layout_font(int pixel_size, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    return font;
}

QPixmap load_picture(const QString& file) {
    QImage image;
    if (!image.load(file)) return {};
    return QPixmap::fromImage(image);
}

void centre_on_screen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    window.move(area.x() + (area.width() - window.width()) / 2,
                area.y() + (area.height() - window.height()) / 2);
}

ImageButton::ImageButton(const QString& picture_file, const QString& fallback_caption,
                         QWidget* parent)
    : QAbstractButton(parent), picture_(load_picture(picture_file)) {
    setText(fallback_caption);
    setFocusPolicy(Qt::NoFocus);
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (has_picture()) {
        p.drawPixmap(0, 0, picture_);
        return;
    }
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.setBrush(palette().button());
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(layout_font(12, true));
    p.drawText(rect(), Qt::AlignCenter, text());
}

LinkLabel::LinkLabel(const QString& caption, const QRect& place, int pixel_size,
                     const QColor& colour, QWidget* parent)
    : QLabel(parent) {
    QFont font = layout_font(pixel_size, true);
    font.setUnderline(true);
    setFont(font);
    setText(QFontMetrics(font).elidedText(caption, Qt::ElideRight, place.width()));
    setToolTip(caption);
    setGeometry(place);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool was_pressed = pressed_;
    pressed_ = false;
    if (was_pressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    event->accept();
}

void ShortenedComboBox::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    p.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText =
        fontMetrics().elidedText(option.currentText, Qt::ElideRight, field.width());
    p.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace gorvo::ui
