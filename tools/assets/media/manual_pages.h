// Paints the pages of the instruction leaflet, 560 × 365 each, the manual window's size.
#pragma once

#include <QImage>
#include <QString>

#include "manual_text.h"

namespace gorvo::media {

class SkinArt;

constexpr int kPageWidth = 560;
constexpr int kPageHeight = 365;

struct PagePicture {
    QImage image;
    QString error;  // "page N (Title): ..." when the page cannot be painted as written
};

PagePicture paint_manual_page(const Page& page, int number, int count, SkinArt& art);

}  // namespace gorvo::media
