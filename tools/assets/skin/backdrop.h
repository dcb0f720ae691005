// The fullscreen presentation's own pictures: a backdrop for the screen behind the unit and a
// logo for its corner, each one element of the SVG sources ("backdrop", "logo").
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include "svg_library.h"

namespace gorvo::assets {

constexpr int kBackdropWidth = 1920;
constexpr int kBackdropHeight = 1080;
constexpr int kLogoWidth = 256;
constexpr int kLogoHeight = 64;

struct BackdropSet {
    QImage backdrop;
    QImage logo;
    QColor edge;  // mean colour along the backdrop's border: the fullscreen background colour
    QString error;
};

BackdropSet render_backdrop_set(const SvgLibrary& svg);

// 0x00BBGGRR, the colour encoding of Config.ini.
unsigned to_bgr(QColor colour);

// Writes Backdrop.jpg and Logo.png into `dir`; error text or empty.
QString write_backdrop_set(const BackdropSet& set, const QString& dir);

}  // namespace gorvo::assets
