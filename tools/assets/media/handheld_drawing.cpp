#include "handheld_drawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "art_style.h"

namespace gorvo::media {

namespace {

constexpr double kWidth = 116;
constexpr double kHeight = 160;

const QColor kShell(34, 132, 136);
const QColor kShellDark(16, 78, 84);
const QColor kShellLight(84, 178, 176);
const QColor kTrim(244, 214, 140);

void shell(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, kShellLight);
    g.setColorAt(0.25, kShell);
    g.setColorAt(1, kShellDark);
    p.setPen(QPen(kShellDark.darker(130), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(r, 8, 8);
}

void screen(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(40, 40, 44));
    p.drawRoundedRect(r.adjusted(-3, -3, 3, 3), 3, 3);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, kLcd.lighter(108));
    g.setColorAt(1, kLcd.darker(106));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(r);
}

// Tobo: round head, body, legs apart as if walking.
void tobo(QPainter& p, double x, double y) {
    p.setPen(QPen(kLcdInk, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(kLcdInk);
    p.drawEllipse(QPointF(x, y), 2.2, 2.2);
    p.drawLine(QPointF(x, y + 2), QPointF(x, y + 6));
    p.drawLine(QPointF(x, y + 6), QPointF(x - 2.2, y + 9.5));
    p.drawLine(QPointF(x, y + 6), QPointF(x + 2.4, y + 9));
    p.drawLine(QPointF(x, y + 3.5), QPointF(x + 2.8, y + 2.5));
    p.drawLine(QPointF(x, y + 3.5), QPointF(x - 2.6, y + 5));
}

void crow(QPainter& p, double x, double y) {
    QPainterPath wing;
    wing.moveTo(x - 4, y - 1.5);
    wing.quadTo(x - 1.5, y - 0.5, x, y + 1);
    wing.quadTo(x + 1.5, y - 0.5, x + 4, y - 1.5);
    wing.quadTo(x + 1.5, y + 1.8, x, y + 2.4);
    wing.quadTo(x - 1.5, y + 1.8, x - 4, y - 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kLcdInk);
    p.drawPath(wing);
}

void spark(QPainter& p, double x, double y) {
    p.setPen(QPen(kLcdInk, 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const double a = i * std::numbers::pi / 4;
        const QPointF d(2.8 * std::cos(a), 2.8 * std::sin(a));
        p.drawLine(QPointF(x, y) - d, QPointF(x, y) + d);
    }
}

void nokker(QPainter& p, double x, double y) {
    p.setPen(Qt::NoPen);
    p.setBrush(kLcdInk);
    p.drawEllipse(QPointF(x, y), 3.0, 2.3);
    p.setBrush(kLcd);
    p.drawEllipse(QPointF(x - 1.1, y - 0.5), 0.7, 0.7);
}

void cage_with_gorvo(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kLcdInk, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    for (double x = r.left() + 3; x < r.right() - 1; x += 3)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    // Gorvo: a big round fellow behind the bars.
    p.setBrush(kLcdInk);
    p.setPen(Qt::NoPen);
    const QPointF c = r.center() + QPointF(0, 1);
    p.drawEllipse(c, 4.5, 4.0);
    p.drawEllipse(c + QPointF(0, -5.0), 3.0, 2.8);
    // Chains hanging from the cage to the locks below.
    p.setPen(QPen(kLcdInk, 0.8, Qt::DotLine));
    for (double dx : {-9.0, -3.0, 3.0, 9.0})
        p.drawLine(QPointF(c.x() + dx, r.bottom()), QPointF(c.x() + dx * 1.4, r.bottom() + 6));
}

void vines(QPainter& p, const QRectF& screen_rect) {
    p.setPen(QPen(kLcdInk.lighter(150), 0.8));
    for (double x : {40.0, 52.0, 64.0, 76.0}) {
        QPainterPath v;
        v.moveTo(x, screen_rect.top() + 24);
        v.cubicTo(x + 2, screen_rect.top() + 32, x - 2, screen_rect.top() + 40, x, 55);
        p.drawPath(v);
    }
    p.drawLine(QPointF(screen_rect.left() + 2, 57.5), QPointF(screen_rect.right() - 2, 57.5));
}

void upper_scene(QPainter& p, const QRectF& r) {
    cage_with_gorvo(p, QRectF(49, r.top() + 3, 18, 14));
    vines(p, r);
    crow(p, 28, r.top() + 24);
    crow(p, 86, r.top() + 34);
    nokker(p, 90, 54);
    tobo(p, 64, 38);
}

void lower_scene(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kLcdInk.lighter(150), 0.8));
    p.drawLine(QPointF(r.left() + 2, r.top() + 18), QPointF(r.right() - 2, r.top() + 18));
    p.drawLine(QPointF(r.left() + 2, r.bottom() - 4), QPointF(r.right() - 2, r.bottom() - 4));
    spark(p, 40, r.top() + 8);
    spark(p, 70, r.top() + 14);
    nokker(p, 76, r.bottom() - 7);
    tobo(p, 52, r.bottom() - 15);
    // The key, blinking at the bottom left.
    p.setPen(QPen(kLcdInk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(r.left() + 5, r.top() + 24), 1.6, 1.6);
    p.drawLine(QPointF(r.left() + 6.6, r.top() + 24), QPointF(r.left() + 10, r.top() + 24));
}

void controls(QPainter& p) {
    // Cross pad.
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(48, 48, 52));
    QPainterPath cross;
    cross.addRect(QRectF(10, 139, 18, 6));
    cross.addRect(QRectF(16, 133, 6, 18));
    p.drawPath(cross.simplified());
    // Jump button.
    QLinearGradient g(QPointF(92, 134), QPointF(104, 148));
    g.setColorAt(0, kTrim);
    g.setColorAt(1, kTrim.darker(150));
    p.setBrush(g);
    p.drawEllipse(QPointF(98, 142), 7, 7);
    // The four mode buttons beside the lower screen.
    p.setBrush(QColor(60, 60, 64));
    for (double y : {95.0, 107.0}) {
        p.drawRoundedRect(QRectF(9, y, 12, 5), 2.5, 2.5);
        p.drawRoundedRect(QRectF(95, y, 12, 5), 2.5, 2.5);
    }
}

}  // namespace

void draw_handheld(QPainter& p, const QRectF& box) {
    p.save();
    const double scale = std::min(box.width() / kWidth, box.height() / kHeight);
    p.translate(box.center().x() - kWidth * scale / 2, box.center().y() - kHeight * scale / 2);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    shell(p, QRectF(4, 2, 108, 75));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 44, 48));
    p.drawRoundedRect(QRectF(12, 76, 92, 7), 2, 2);  // hinge
    shell(p, QRectF(4, 82, 108, 76));
    p.setPen(QPen(kTrim, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(7.5, 5.5, 101, 68), 6, 6);

    const QRectF upper(16, 11, 84, 52);
    screen(p, upper);
    upper_scene(p, upper);
    const QRectF lower(28, 90, 60, 38);
    screen(p, lower);
    lower_scene(p, lower);
    controls(p);

    p.setPen(kTrim);
    p.setFont(art_font(7, true));
    p.drawText(QRectF(4, 66, 108, 10), Qt::AlignCenter, QStringLiteral("GORVO250"));
    p.restore();
}

}  // namespace gorvo::media
