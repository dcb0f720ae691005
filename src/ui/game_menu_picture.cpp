#include "ui/game_menu_picture.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstring>

namespace gorvo::ui {

namespace {

constexpr int kWidth = 256;
constexpr int kHeight = 512;
constexpr int kBand = 32;

void draw_title_band(QPainter& painter) {
    painter.fillRect(0, 0, kWidth, kBand, Qt::black);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (int line = 0; line < 3; ++line)
        painter.drawRect(9, 9 + line * 6, 18, 3);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(44, 0, kWidth - 44, kBand), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("Game menu"));
}

}  // namespace

PicturePtr game_menu_picture() {
    QImage image(kWidth, kHeight, QImage::Format_RGBA8888);
    image.fill(QColor(0, 0, 0, 204));
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        draw_title_band(painter);
    }
    auto picture = std::make_shared<Picture>();
    picture->width = kWidth;
    picture->height = kHeight;
    picture->has_alpha = true;
    picture->rgba.resize(static_cast<std::size_t>(kWidth) * kHeight * 4);
    for (int y = 0; y < kHeight; ++y) {
        std::memcpy(picture->pixel(0, y), image.constScanLine(y), kWidth * 4);
    }
    return picture;
}

}  // namespace gorvo::ui
