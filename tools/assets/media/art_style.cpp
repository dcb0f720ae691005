#include "art_style.h"

#include <QFontInfo>
#include <QPainter>

namespace gorvo::media {

QFont art_font(int pixel_size, bool bold, bool italic) {
    QFont f(kFontFamily);
    f.setPixelSize(pixel_size);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QString check_fonts() {
    for (bool bold : {false, true}) {
        const QFontInfo info(art_font(14, bold));
        if (info.family() != QLatin1String(kFontFamily))
            return QStringLiteral(
                       "the font \"%1\" is not installed (Debian package fonts-dejavu-core)")
                .arg(kFontFamily);
    }
    return {};
}

void draw_shadowed_text(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
                        int flags) {
    p.save();
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(box.translated(1.5, 1.5), flags, text);
    p.setPen(colour);
    p.drawText(box, flags, text);
    p.restore();
}

}  // namespace gorvo::media
