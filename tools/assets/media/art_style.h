// The shared look of the pictures the build paints: colours, fonts and small painting helpers.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class QRectF;

namespace gorvo::media {

// The splash and About windows draw their own controls on these colours.
inline const QColor kNavy(8, 41, 82);
inline const QColor kNavyLight(26, 78, 138);
inline const QColor kPaper(246, 242, 232);
inline const QColor kInk(28, 30, 36);
inline const QColor kAccent(224, 122, 36);
inline const QColor kLcd(186, 196, 168);
inline const QColor kLcdInk(44, 52, 44);

// The one family every picture uses; it ships with Debian as fonts-dejavu-core.
inline const char* kFontFamily = "DejaVu Sans";

QFont art_font(int pixel_size, bool bold = false, bool italic = false);

// Empty when the font family is installed; else a message naming the package to install.
// Without it the pictures would silently fall back to another font and their text might not fit.
QString check_fonts();

// Text centred in a rectangle with a soft shadow, for titles on dark or busy backgrounds.
void draw_shadowed_text(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
                        int flags);

}  // namespace gorvo::media
