#include "manual_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "art_style.h"
#include "figure_painter.h"
#include "page_text.h"
#include "skin_art.h"

namespace gorvo::media {

namespace {

// The manual window puts its close button in the top right corner and the page-turn buttons in
// the bottom corners (16 × 14, 4 pixels from the edges); nothing of the page may hide there.
constexpr double kMargin = 20;
constexpr double kBandHeight = 44;
constexpr double kBodyTop = kBandHeight + 12;
constexpr double kBodyBottom = kPageHeight - 26;
constexpr double kColumnGap = 16;
constexpr int kBodyPx = 13;
constexpr int kCoverBodyPx = 14;
constexpr int kDefaultTextWidth = 270;

const QColor kPagePaper(250, 247, 238);

void paint_frame(QPainter& p, const Page& page, int number, int count) {
    p.fillRect(QRectF(0, 0, kPageWidth, kPageHeight), kPagePaper);
    if (page.layout != Layout::Cover) {
        QLinearGradient g(0, 0, 0, kBandHeight);
        g.setColorAt(0, kNavyLight);
        g.setColorAt(1, kNavy);
        p.fillRect(QRectF(0, 0, kPageWidth, kBandHeight), g);
        p.fillRect(QRectF(0, kBandHeight, kPageWidth, 2), kAccent);
        p.setFont(art_font(21, true));
        draw_shadowed_text(p, QRectF(kMargin, 0, kPageWidth - 2 * kMargin - 30, kBandHeight),
                           QString::fromStdString(page.title), Qt::white,
                           Qt::AlignLeft | Qt::AlignVCenter);
    }
    p.setFont(art_font(11));
    p.setPen(QColor(120, 116, 104));
    p.drawText(QRectF(0, kPageHeight - 20, kPageWidth, 16), Qt::AlignCenter,
               QStringLiteral("%1 / %2").arg(number).arg(count));
}

struct Columns {
    QRectF text;
    QRectF figures;
};

Columns columns(const Page& page) {
    const QRectF body(kMargin, kBodyTop, kPageWidth - 2 * kMargin, kBodyBottom - kBodyTop);
    if (page.layout == Layout::Full || page.figures.empty()) return {body, {}};
    if (page.layout == Layout::FiguresAbove) {
        const double fh = page.figure_height > 0 ? page.figure_height : body.height() / 2;
        return {QRectF(body.left(), body.top() + fh + kColumnGap, body.width(),
                       body.height() - fh - kColumnGap),
                QRectF(body.left(), body.top(), body.width(), fh)};
    }
    const double tw = page.text_width > 0 ? page.text_width : kDefaultTextWidth;
    const double fw = body.width() - tw - kColumnGap;
    if (page.layout == Layout::TextRight)
        return {QRectF(body.right() - tw, body.top(), tw, body.height()),
                QRectF(body.left(), body.top(), fw, body.height())};
    return {QRectF(body.left(), body.top(), tw, body.height()),
            QRectF(body.right() - fw, body.top(), fw, body.height())};
}

// The cover: the title large, the text below it, the figure the full height on the right.
Columns cover_columns(const Page& page) {
    const double tw = page.text_width > 0 ? page.text_width : kDefaultTextWidth;
    return {QRectF(kMargin + 6, 118, tw, kBodyBottom - 118),
            QRectF(kMargin + tw + kColumnGap, 24, kPageWidth - 2 * kMargin - tw - kColumnGap,
                   kBodyBottom - 24)};
}

void paint_cover_title(QPainter& p, const Page& page, const QRectF& text) {
    p.setFont(art_font(46, true));
    p.setPen(kNavy);
    p.drawText(QRectF(text.left(), 30, text.width() + 40, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(page.title));
    p.fillRect(QRectF(text.left(), 92, 150, 3), kAccent);
}

QString paint_text(QPainter& p, const Page& page, const QRectF& column) {
    const int px = page.layout == Layout::Cover ? kCoverBodyPx : kBodyPx;
    const auto doc = layout_text(page.blocks, column.width(), px);
    const double overflow = doc->size().height() - column.height();
    if (overflow > 0)
        return QStringLiteral("the text is %1 pixels too long for its column")
            .arg(std::ceil(overflow));
    p.save();
    p.translate(column.topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, kInk);
    doc->documentLayout()->draw(&p, context);
    p.restore();
    return {};
}

// Several figures share the column: one above the other, or side by side above the text.
QString paint_figures(QPainter& p, const Page& page, const QRectF& column, SkinArt& art) {
    const auto n = static_cast<double>(page.figures.size());
    constexpr double kGap = 10;
    const bool across = page.layout == Layout::FiguresAbove;
    const double size = ((across ? column.width() : column.height()) - kGap * (n - 1)) / n;
    for (size_t i = 0; i < page.figures.size(); ++i) {
        const double step = static_cast<double>(i) * (size + kGap);
        const QRectF slot = across
                                ? QRectF(column.left() + step, column.top(), size, column.height())
                                : QRectF(column.left(), column.top() + step, column.width(), size);
        if (auto e = paint_figure(p, page.figures[i], slot, art); !e.isEmpty())
            return QStringLiteral("figure %1: %2").arg(i + 1).arg(e);
    }
    return {};
}

}  // namespace

PagePicture paint_manual_page(const Page& page, int number, int count, SkinArt& art) {
    PagePicture out;
    out.image = QImage(kPageWidth, kPageHeight, QImage::Format_RGB32);
    QPainter p(&out.image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paint_frame(p, page, number, count);
    const bool cover = page.layout == Layout::Cover;
    const Columns c = cover ? cover_columns(page) : columns(page);
    if (cover) paint_cover_title(p, page, c.text);
    QString error = paint_text(p, page, c.text);
    if (error.isEmpty() && !page.figures.empty()) {
        if (page.layout == Layout::Full)
            error = QStringLiteral("a page laid out in full width has no room for figures");
        else
            error = paint_figures(p, page, c.figures, art);
    }
    if (!error.isEmpty())
        out.error = QStringLiteral("page %1 (%2): %3")
                        .arg(number)
                        .arg(QString::fromStdString(page.title), error);
    return out;
}

}  // namespace gorvo::media
