#include "splash_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "art_style.h"
#include "handheld_drawing.h"

namespace gorvo::media {

namespace {

// Where the window puts its controls (see the splash window's layout).
constexpr int kTitleBandHeight = 56;
constexpr int kBoxBottom = 216;
constexpr int kFooterTop = 384;  // the check box row, drawn on navy

// A faint seven-segment "8" as decoration: the look of an unlit LCD digit.
void ghost_digit(QPainter& p, const QPointF& at, double size, const QColor& colour) {
    const double w = size * 0.55, h = size, t = size * 0.09;
    const QRectF segs[] = {
        {at.x() + t, at.y(), w - 2 * t, t},                    // top
        {at.x() + t, at.y() + h / 2 - t / 2, w - 2 * t, t},    // middle
        {at.x() + t, at.y() + h - t, w - 2 * t, t},            // bottom
        {at.x(), at.y() + t, t, h / 2 - 1.5 * t},              // upper left
        {at.x() + w - t, at.y() + t, t, h / 2 - 1.5 * t},      // upper right
        {at.x(), at.y() + h / 2 + t / 2, t, h / 2 - 1.5 * t},  // lower left
        {at.x() + w - t, at.y() + h / 2 + t / 2, t, h / 2 - 1.5 * t},
    };
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (const auto& r : segs)
        p.drawRoundedRect(r, t / 3, t / 3);
}

void navy_band(QPainter& p, const QRectF& r, bool light_on_top) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, light_on_top ? kNavyLight : kNavy);
    g.setColorAt(1, light_on_top ? kNavy : kNavy);
    p.fillRect(r, g);
}

void button_face(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom,
                 const QColor& rim) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(rim, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 5, 5);
}

void play_icon(QPainter& p, const QPointF& c, const QColor& colour) {
    QPainterPath tri;
    tri.moveTo(c + QPointF(-4, -6));
    tri.lineTo(c + QPointF(6, 0));
    tri.lineTo(c + QPointF(-4, 6));
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(tri);
}

void help_icon(QPainter& p, const QPointF& c, const QColor& colour) {
    p.setPen(QPen(colour, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 7, 7);
    p.setFont(art_font(11, true));
    p.drawText(QRectF(c.x() - 7, c.y() - 7, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

QImage splash_background() {
    QImage img(460, 420, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(img.rect(), kPaper);
    navy_band(p, QRectF(0, 0, 460, kTitleBandHeight), true);
    p.fillRect(QRectF(0, kTitleBandHeight - 3, 460, 3), kAccent);
    // Faint LCD digits down both sides of the paper area, clear of the labels in the middle.
    const QColor ghost(0, 0, 0, 14);
    for (int i = 0; i < 3; ++i) {
        ghost_digit(p, QPointF(18 + 26 * (i % 2), 232 + 48 * i), 40, ghost);
        ghost_digit(p, QPointF(398 - 26 * (i % 2), 232 + 48 * i), 40, ghost);
    }
    p.fillRect(QRectF(0, kBoxBottom, 460, 2), kNavy);
    p.fillRect(QRectF(0, kFooterTop - 3, 460, 3), kAccent);
    p.fillRect(QRectF(0, kFooterTop, 460, 420 - kFooterTop), kNavy);
    return img;
}

QImage splash_box() {
    QImage img(460, 160, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QRadialGradient glow(QPointF(120, 80), 260);
    glow.setColorAt(0, QColor(44, 110, 168));
    glow.setColorAt(1, kNavy);
    p.fillRect(img.rect(), glow);
    // Soft light rays behind the unit.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        QPainterPath ray;
        ray.moveTo(80, 80);
        ray.arcTo(QRectF(80 - 300, 80 - 300, 600, 600), i * 40.0, 12.0);
        ray.closeSubpath();
        p.setBrush(QColor(255, 255, 255, 12));
        p.drawPath(ray);
    }
    draw_handheld(p, QRectF(22, 6, 116, 150));

    p.setFont(art_font(44, true));
    draw_shadowed_text(p, QRectF(150, 22, 300, 56), QStringLiteral("Gorvo250"), Qt::white,
                       Qt::AlignHCenter | Qt::AlignVCenter);
    p.fillRect(QRectF(190, 80, 220, 2), kAccent);
    p.setFont(art_font(14, true));
    draw_shadowed_text(p, QRectF(150, 88, 300, 20), QStringLiteral("Free Gorvo from his cage!"),
                       QColor(255, 226, 170), Qt::AlignHCenter | Qt::AlignVCenter);
    p.setFont(art_font(12));
    draw_shadowed_text(
        p, QRectF(150, 112, 300, 36),
        QStringLiteral("A two-screen LCD game\nGame A  \u00b7  Game B  \u00b7  Clock"),
        QColor(220, 232, 246), Qt::AlignHCenter | Qt::AlignVCenter);
    return img;
}

QImage splash_button(ButtonLook look) {
    QImage img(107, 30, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF face(0.5, 0.5, 106, 29);
    QColor text = Qt::white;
    QString label = QStringLiteral("Play");
    switch (look) {
        case ButtonLook::Play:
            button_face(p, face, QColor(92, 186, 88), QColor(36, 118, 44), QColor(24, 80, 30));
            play_icon(p, QPointF(24, 15), text);
            break;
        case ButtonLook::PlayDisabled:
            text = QColor(150, 150, 150);
            button_face(p, face, QColor(226, 226, 222), QColor(196, 196, 192),
                        QColor(160, 160, 156));
            play_icon(p, QPointF(24, 15), text);
            break;
        case ButtonLook::Help:
            label = QStringLiteral("Help");
            button_face(p, face, QColor(70, 132, 204), QColor(26, 70, 134), QColor(14, 44, 90));
            help_icon(p, QPointF(24, 15), text);
            break;
    }
    p.setFont(art_font(15, true));
    p.setPen(text);
    p.drawText(QRectF(36, 0, 62, 30), Qt::AlignCenter, label);
    return img;
}

QImage about_picture() {
    QImage img(116, 160, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    draw_handheld(p, QRectF(0, 0, 116, 160));
    return img;
}

}  // namespace gorvo::media
