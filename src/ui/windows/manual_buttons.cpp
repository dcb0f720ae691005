#include "ui/windows/manual_buttons.h"

#include <QPainter>
#include <QPolygon>

namespace gorvo::ui {

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 14;

const QColor kFace(192, 192, 192);
const QColor kLight(255, 255, 255);
const QColor kShadow(128, 128, 128);
const QColor kDark(0, 0, 0);

enum class Glyph { Left, Right, Close };

// A raised button lit from the top left; pressed, the light and shade swap.
void paint_frame(QPainter& p, bool pressed) {
    p.fillRect(0, 0, kWidth, kHeight, kFace);
    const QColor& outer_lit = pressed ? kDark : kLight;
    const QColor& outer_shade = pressed ? kLight : kDark;
    const QColor& inner_shade = pressed ? kFace : kShadow;
    const QColor& inner_lit = pressed ? kShadow : kFace;
    p.setPen(outer_lit);
    p.drawLine(0, 0, kWidth - 2, 0);
    p.drawLine(0, 0, 0, kHeight - 2);
    p.setPen(outer_shade);
    p.drawLine(0, kHeight - 1, kWidth - 1, kHeight - 1);
    p.drawLine(kWidth - 1, 0, kWidth - 1, kHeight - 1);
    p.setPen(inner_lit);
    p.drawLine(1, 1, kWidth - 3, 1);
    p.drawLine(1, 1, 1, kHeight - 3);
    p.setPen(inner_shade);
    p.drawLine(1, kHeight - 2, kWidth - 2, kHeight - 2);
    p.drawLine(kWidth - 2, 1, kWidth - 2, kHeight - 2);
}

// The glyph sits in the middle; pressed, it moves one pixel down and right.
void paint_glyph(QPainter& p, Glyph glyph, bool pressed) {
    const int shift = pressed ? 1 : 0;
    p.translate(shift, shift);
    p.setPen(kDark);
    p.setBrush(kDark);
    switch (glyph) {
        case Glyph::Left:
            p.drawPolygon(QPolygon({QPoint(5, 6), QPoint(9, 2), QPoint(9, 10)}));
            break;
        case Glyph::Right:
            p.drawPolygon(QPolygon({QPoint(10, 6), QPoint(6, 2), QPoint(6, 10)}));
            break;
        case Glyph::Close:
            for (int offset = 0; offset <= 1; ++offset) {
                p.drawLine(4 + offset, 3, 10 + offset, 9);
                p.drawLine(10 + offset, 3, 4 + offset, 9);
            }
            break;
    }
}

QImage paint_button(Glyph glyph, bool pressed) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    paint_frame(p, pressed);
    paint_glyph(p, glyph, pressed);
    return image;
}

}  // namespace

ManualButtonPictures paint_manual_buttons() {
    ManualButtonPictures pictures;
    const auto set = [&pictures](ManualImage image, Glyph glyph, bool pressed) {
        pictures[static_cast<std::size_t>(image)] = paint_button(glyph, pressed);
    };
    set(ManualImage::btn_left_up, Glyph::Left, false);
    set(ManualImage::btn_left_down, Glyph::Left, true);
    set(ManualImage::btn_right_up, Glyph::Right, false);
    set(ManualImage::btn_right_down, Glyph::Right, true);
    set(ManualImage::btn_close_up, Glyph::Close, false);
    set(ManualImage::btn_close_down, Glyph::Close, true);
    return pictures;
}

}  // namespace gorvo::ui
