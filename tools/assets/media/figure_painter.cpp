#include "figure_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "art_style.h"
#include "core/images.h"
#include "skin_art.h"

namespace gorvo::media {

namespace {

constexpr int kCalloutPx = 12;
constexpr int kCaptionPx = 12;
constexpr double kCalloutGap = 10;  // between a label and the picture
constexpr double kLabelPitch = 16;  // minimum distance between two labels on one side

// Maps the figure's design area into a box on the page, keeping proportions, centred.
struct Mapping {
    double scale = 1;
    QPointF offset;
    Area area;
    QRectF map(const QRectF& design) const {
        return {offset.x() + (design.x() - area.x) * scale,
                offset.y() + (design.y() - area.y) * scale, design.width() * scale,
                design.height() * scale};
    }
    QRectF frame() const { return map({area.x, area.y, area.width, area.height}); }
};

Mapping fit(const Area& area, const QRectF& box) {
    Mapping m;
    m.area = area;
    m.scale = std::min(box.width() / area.width, box.height() / area.height);
    m.offset = QPointF(box.center().x() - area.width * m.scale / 2,
                       box.center().y() - area.height * m.scale / 2);
    return m;
}

double widest_label(const Figure& f, bool left) {
    const QFontMetricsF fm(art_font(kCalloutPx, true));
    double w = 0;
    for (const auto& c : f.callouts)
        if (c.left == left) w = std::max(w, fm.horizontalAdvance(QString::fromStdString(c.text)));
    return w > 0 ? w + kCalloutGap : 0;
}

// The rectangle of a window image in design pixels; the game shows its picture only there.
bool image_rect(const QString& name, QRectF& out) {
    const ImageId id = image_by_name(name.toStdString());
    if (id == kNoImage) return false;
    const Rect r = kImageDefs[static_cast<size_t>(id)].design;
    out = QRectF(r.left, r.top, r.width, r.height);
    return true;
}

// Draws one element where the game would show it: in its own image's place, or, for a digit
// glyph put into a digit position, moved to that position's place.
QString draw_element(QPainter& p, const QString& id, const QString& target, const Mapping& m,
                     SkinArt& art) {
    QRectF own, place;
    if (!image_rect(id, own)) own = art.bounds(id);
    place = own;
    if (!target.isEmpty() && !image_rect(target, place))
        return QStringLiteral("%1 is not an image of the unit").arg(target);
    p.save();
    p.setClipRect(m.map(place), Qt::IntersectClip);
    art.draw(p, id, m.map(art.bounds(id).translated(place.topLeft() - own.topLeft())));
    p.restore();
    return {};
}

QString draw_elements(QPainter& p, const Figure& f, const Mapping& m, SkinArt& art) {
    p.save();
    p.setClipRect(m.frame());
    QString error;
    for (const auto& e : f.elements) {
        const QStringList ids = art.expand(QString::fromStdString(e.id));
        if (ids.isEmpty()) error = QStringLiteral("the skin has no element %1").arg(e.id.c_str());
        for (const QString& id : ids) {
            if (error.isEmpty())
                error = draw_element(p, id, QString::fromStdString(e.target), m, art);
        }
        if (!error.isEmpty()) break;
    }
    p.restore();
    return error;
}

struct Label {
    QPointF anchor;  // the element's centre on the page
    QString text;
    double y = 0;  // centre of the label's line
};

// Spreads the labels of one side so that none overlaps the one above, nearest to their anchors.
QString spread(std::vector<Label>& labels, const QRectF& slot) {
    std::sort(labels.begin(), labels.end(),
              [](const Label& a, const Label& b) { return a.anchor.y() < b.anchor.y(); });
    double next = slot.top() + kLabelPitch / 2;
    for (auto& l : labels) {
        l.y = std::max(l.anchor.y(), next);
        next = l.y + kLabelPitch;
    }
    if (!labels.empty() && labels.back().y > slot.bottom() - kLabelPitch / 2)
        return QStringLiteral("its labels do not fit beside it");
    return {};
}

void draw_labels(QPainter& p, const std::vector<Label>& labels, const QRectF& frame, bool left,
                 double width) {
    p.setFont(art_font(kCalloutPx, true));
    for (const auto& l : labels) {
        const QRectF box = left ? QRectF(frame.left() - width, l.y - 8, width - kCalloutGap, 16)
                                : QRectF(frame.right() + kCalloutGap, l.y - 8, width, 16);
        p.setPen(kInk);
        p.drawText(box, (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, l.text);
        const QPointF start(left ? frame.left() - kCalloutGap + 3 : frame.right() + kCalloutGap - 3,
                            l.y);
        p.setPen(QPen(kAccent, 1.4));
        p.drawLine(start, QPointF(left ? frame.left() : frame.right(), l.y));
        p.drawLine(QPointF(left ? frame.left() : frame.right(), l.y), l.anchor);
        p.setBrush(kAccent);
        p.drawEllipse(l.anchor, 2.5, 2.5);
    }
}

QString draw_callouts(QPainter& p, const Figure& f, const Mapping& m, const QRectF& slot,
                      SkinArt& art, double left_w, double right_w) {
    std::vector<Label> sides[2];
    for (const auto& c : f.callouts) {
        const QString id = QString::fromStdString(c.element);
        if (!art.has(id)) return QStringLiteral("the skin has no element %1").arg(id);
        sides[c.left ? 0 : 1].push_back(
            {m.map(art.bounds(id)).center(), QString::fromStdString(c.text)});
    }
    for (int s = 0; s < 2; ++s) {
        if (auto e = spread(sides[s], slot); !e.isEmpty()) return e;
        draw_labels(p, sides[s], m.frame(), s == 0, s == 0 ? left_w : right_w);
    }
    return {};
}

}  // namespace

QString paint_figure(QPainter& p, const Figure& figure, const QRectF& slot, SkinArt& art) {
    const QString caption = QString::fromStdString(figure.caption);
    if (QFontMetricsF(art_font(kCaptionPx, false, true)).horizontalAdvance(caption) > slot.width())
        return QStringLiteral("its caption is wider than the figure");
    QRectF box = slot;
    if (!figure.caption.empty()) box.setBottom(box.bottom() - kCaptionPx - 6);
    const double left_w = widest_label(figure, true);
    const double right_w = widest_label(figure, false);
    box.adjust(left_w, 0, -right_w, 0);
    if (box.width() < 40 || box.height() < 40) return QStringLiteral("its picture has no room");
    const Mapping m = fit(figure.area, box);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (auto e = draw_elements(p, figure, m, art); !e.isEmpty()) {
        p.restore();
        return e;
    }
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(m.frame().adjusted(-0.5, -0.5, 0.5, 0.5), 3, 3);
    QString error = draw_callouts(p, figure, m, slot, art, left_w, right_w);
    if (!figure.caption.empty()) {
        p.setFont(art_font(kCaptionPx, false, true));
        p.setPen(kInk);
        const QRectF below(slot.left(), m.frame().bottom() + 4, slot.width(), kCaptionPx + 4);
        p.drawText(below, Qt::AlignHCenter | Qt::AlignTop, caption);
    }
    p.restore();
    return error;
}

}  // namespace gorvo::media
