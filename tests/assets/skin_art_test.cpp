// Properties of the art that the game relies on: LCD segments that look like one liquid
// crystal, glass over the screens that does not hide them, pressed looks that show through
// their buttons, and seven-segment digits.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "skin_folder.h"

namespace gorvo::test {
namespace {

QImage straight(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

int max_alpha(const QImage& image) {
    const QImage s = straight(image);
    int m = 0;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x)
            m = std::max(m, qAlpha(s.pixel(x, y)));
    }
    return m;
}

// The window area of `rect` with the open case and the given pictures stacked on it.
QImage stacked(const QRect& rect, std::initializer_list<ImageId> layers) {
    QImage out(rect.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::black);
    QPainter painter(&out);
    painter.drawImage(-rect.left(), -rect.top(), skin_picture(im_background_open));
    for (ImageId id : layers) {
        const QRect r = design_rect(id);
        painter.drawImage(r.left() - rect.left(), r.top() - rect.top(), skin_picture(id));
    }
    painter.end();
    return straight(out);
}

// Share of pixels whose colour differs clearly between two equally sized images.
double changed_share(const QImage& a, const QImage& b) {
    int changed = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                          std::abs(qBlue(p) - qBlue(q));
            changed += d > 60 ? 1 : 0;
        }
    }
    return static_cast<double>(changed) / (a.width() * a.height());
}

// The colour of the most opaque pixel of the first segment: the flat colour itself.
QRgb lcd_colour() {
    const QImage s = straight(skin_picture(im_tobo_01_09));
    QRgb best = 0;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if (qAlpha(s.pixel(x, y)) > qAlpha(best)) best = s.pixel(x, y);
        }
    }
    return best;
}

TEST(LcdSegments, AreOneFlatDarkSlightlyTranslucentColour) {
    const QRgb reference = lcd_colour();
    ASSERT_GT(qAlpha(reference), 0);
    for (ImageId id : kSkinImages) {
        if (!is_segment(id)) continue;
        const QImage picture = skin_picture(id);
        if (picture.isNull()) continue;  // the digit positions
        const QImage s = straight(picture);
        int strongest = 0;
        for (int y = 0; y < s.height(); ++y) {
            for (int x = 0; x < s.width(); ++x) {
                const QRgb c = s.pixel(x, y);
                strongest = std::max(strongest, qAlpha(c));
                if (qAlpha(c) < 64) continue;
                // Edge pixels carry the rounding noise of premultiplied painting, which shrinks as
                // their alpha grows.
                const int tolerance = 2 + 255 / qAlpha(c);
                ASSERT_LE(std::abs(qRed(c) - qRed(reference)), tolerance) << name_of(id);
                ASSERT_LE(std::abs(qGreen(c) - qGreen(reference)), tolerance) << name_of(id);
                ASSERT_LE(std::abs(qBlue(c) - qBlue(reference)), tolerance) << name_of(id);
            }
        }
        EXPECT_GE(strongest, 180) << name_of(id);
        EXPECT_LT(strongest, 255) << name_of(id) << " should let the print show through";
    }
    EXPECT_LT(qGray(reference), 80) << "segments are dark on a light screen";
}

TEST(ScreenCovers, AddASheenWithoutHidingTheSegments) {
    for (ImageId id : {im_background_screen_1_top, im_background_screen_2_top}) {
        const QImage cover = skin_picture(id);
        ASSERT_FALSE(cover.isNull());
        EXPECT_LE(max_alpha(cover), 110) << name_of(id);
        EXPECT_GT(max_alpha(cover), 0) << name_of(id) << " should show some glass";
    }
}

TEST(Buttons, PressedLookShowsThroughTheReleasedButtonAndDiffersFromIt) {
    const std::pair<ImageId, ImageId> buttons[] = {{btn_game_a_top, btn_game_a_down},
                                                   {btn_game_b_top, btn_game_b_down},
                                                   {btn_time_top, btn_time_down},
                                                   {btn_acl_top, btn_acl_down},
                                                   {btn_jump_top, btn_jump_down}};
    for (const auto& [top, down] : buttons) {
        const QRect area = design_rect(top);
        const QImage released = stacked(area, {top});
        const QImage pressed = stacked(area, {down, top});
        EXPECT_GT(changed_share(released, pressed), 0.10) << name_of(down);
    }
}

TEST(Buttons, CrossPadShowsEachDirectionPressedDifferently) {
    const QRect pad = design_rect(btn_cross_down);
    const ImageId looks[] = {btn_cross_down_up, btn_cross_down_down, btn_cross_down_left,
                             btn_cross_down_right};
    const QImage released = stacked(pad, {btn_cross_top});
    QImage pressed[4];
    for (int i = 0; i < 4; ++i) {
        QImage frame(pad.size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&frame);
        painter.drawImage(0, 0, stacked(pad, {}));
        painter.drawImage(0, 0, skin_picture(looks[i]));  // drawn in btn_cross_down's place
        painter.drawImage(0, 0, skin_picture(btn_cross_top));
        painter.end();
        pressed[i] = straight(frame);
        EXPECT_GT(changed_share(released, pressed[i]), 0.04) << name_of(looks[i]);
    }
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j) {
            EXPECT_GT(changed_share(pressed[i], pressed[j]), 0.04)
                << name_of(looks[i]) << " / " << name_of(looks[j]);
        }
    }
}

TEST(PanelDigits, AreSevenSegmentGlyphsThatAllFitTheEight) {
    const ImageId digits[] = {im_panel_number_0, im_panel_number_1, im_panel_number_2,
                              im_panel_number_3, im_panel_number_4, im_panel_number_5,
                              im_panel_number_6, im_panel_number_7, im_panel_number_8,
                              im_panel_number_9};
    const QImage eight = straight(skin_picture(im_panel_number_8));
    ASSERT_EQ(eight.size(), QSize(14, 24));
    QImage glyph[10];
    for (int d = 0; d < 10; ++d) {
        glyph[d] = straight(skin_picture(digits[d]));
        ASSERT_EQ(glyph[d].size(), eight.size()) << d;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 14; ++x) {
                if (qAlpha(glyph[d].pixel(x, y)) < 128) continue;
                EXPECT_GE(qAlpha(eight.pixel(x, y)), 64) << d << " at " << x << "," << y;
            }
        }
    }
    for (int a = 0; a < 10; ++a) {
        for (int b = a + 1; b < 10; ++b)
            EXPECT_NE(glyph[a], glyph[b]) << a << " and " << b;
    }
}

}  // namespace
}  // namespace gorvo::test
