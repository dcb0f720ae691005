// The segment layer: lookup tables, group switching and the panel drawing operations.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/images.h"

namespace gorvo {
namespace {

std::string two(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string name_of(ImageId id) {
    return std::string(kImageDefs[id].name);
}

// Every image that the all-segments display lights, collected through the tables.
std::set<ImageId> lcd_segments(const Images& im) {
    std::set<ImageId> out;
    for (int i = 1; i <= 4; ++i) {
        out.insert(im.digit_pos(i));
        out.insert(im.panel_alarm(i));
        out.insert(im.key_zero_image(i));
    }
    for (int i = 1; i <= 2; ++i)
        out.insert(im.panel_life(i));
    for (int i = 1; i <= 3; ++i)
        out.insert(im.gorvo_image(i));
    for (int i = 2; i <= 5; ++i) {
        out.insert(im.chain_image(i));
        out.insert(im.key_image(i));
    }
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 9; ++r)
            if (im.tobo_image(c, r) != kNoImage) out.insert(im.tobo_image(c, r));
    for (int c = 0; c <= 7; ++c)
        for (int r = 1; r <= 8; ++r)
            if (im.enemy_image(c, r) != kNoImage) out.insert(im.enemy_image(c, r));
    for (ImageId id : {im_tobo_01_03_a, im_tobo_01_03_b, im_panel_game_a, im_panel_game_b,
                       im_panel_time_am, im_panel_time_colon})
        out.insert(id);
    return out;
}

std::string panel(const Images& im) {
    std::string out;
    for (int i = 1; i <= 4; ++i) {
        ImageId src = im[im.digit_pos(i)].picture_source;
        char c = '?';
        if (src == kNoImage) c = ' ';
        for (int d = 0; d <= 9; ++d)
            if (src == im.panel_number(d)) c = static_cast<char>('0' + d);
        out += c;
    }
    return out;
}

TEST(SegmentTables, GridsAddressTheSegmentsNamedAfterTheirCell) {
    Images im;
    int tobo = 0;
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 9; ++r) {
            ImageId id = im.tobo_image(c, r);
            if (id == kNoImage) continue;
            ++tobo;
            EXPECT_EQ(name_of(id), "im_tobo_" + two(c) + "_" + two(r));
        }
    EXPECT_EQ(tobo, 38);
    // The cells without a Tobo position.
    for (auto [c, r] : {std::pair{1, 1}, {1, 2}, {5, 5}, {2, 9}, {5, 9}})
        EXPECT_EQ(im.tobo_image(c, r), kNoImage) << c << "," << r;

    int crows = 0, nokkers = 0, sparks = 0;
    for (int c = 0; c <= 7; ++c)
        for (int r = 1; r <= 8; ++r) {
            ImageId id = im.enemy_image(c, r);
            if (id == kNoImage) continue;
            std::string n = name_of(id);
            EXPECT_EQ(n.substr(n.size() - 5), two(c) + "_" + two(r));
            std::string kind = r <= 3               ? "im_crow_"
                               : (r == 5 || r == 6) ? "im_spark_"
                                                    : "im_nokker_";
            EXPECT_EQ(n.substr(0, kind.size()), kind);
            crows += r <= 3 ? 1 : 0;
            sparks += (r == 5 || r == 6) ? 1 : 0;
            nokkers += (r == 4 || r == 8) ? 1 : 0;
        }
    EXPECT_EQ(crows, 16);
    EXPECT_EQ(nokkers, 14);
    EXPECT_EQ(sparks, 12);
    for (int c = 0; c <= 7; ++c)
        EXPECT_EQ(im.enemy_image(c, 7), kNoImage);
    EXPECT_EQ(im.enemy_image(0, 5), kNoImage);
    EXPECT_EQ(im.enemy_image(1, 2), kNoImage);
    EXPECT_EQ(im.enemy_image(7, 6), kNoImage);

    EXPECT_EQ(im.key_zero_image(1), im_key_00_a);
    EXPECT_EQ(im.key_zero_image(4), im_key_00_d);
    EXPECT_EQ(im.chain_image(4), im_chain_04);
    EXPECT_EQ(im.key_image(5), im_key_05);
    EXPECT_EQ(im.panel_number(7), im_panel_number_7);
    EXPECT_EQ(image_by_name("im_spark_00_06"), im_spark_00_06);
    EXPECT_EQ(image_by_name("im_spark_00_07"), kNoImage);
}

TEST(SegmentGroups, StartOnlyTheClosedCaseAndItsSurroundingsVisible) {
    Images im;
    std::set<ImageId> shown;
    for (int i = 0; i < kImageCount; ++i)
        if (im.visible(static_cast<ImageId>(i))) shown.insert(static_cast<ImageId>(i));
    EXPECT_EQ(shown, (std::set<ImageId>{im_backdrop, im_backdrop_logo, im_background_closed,
                                        btn_game_menu_background, btn_game_menu_top}));
}

TEST(SegmentGroups, AllSegmentsLightsExactlyTheLcdAndReadsTwelveAm) {
    Images im;
    std::set<ImageId> lcd = lcd_segments(im);
    ASSERT_EQ(lcd.size(), 111u);
    im.set_visible(im_panel_time_pm, true);
    im.Vid_Show_All(true);
    for (int i = 0; i < kImageCount; ++i) {
        auto id = static_cast<ImageId>(i);
        if (lcd.count(id)) {
            EXPECT_TRUE(im.visible(id)) << name_of(id);
        }
    }
    EXPECT_FALSE(im.visible(im_panel_time_pm));
    EXPECT_EQ(panel(im), "1200");
    // Buttons, covers and digit sources are not part of the LCD.
    EXPECT_FALSE(im.visible(btn_game_a_top));
    EXPECT_FALSE(im.visible(im_panel_number_1));
    EXPECT_FALSE(im.visible(im_background_screen_1_top));
}

TEST(SegmentGroups, ClearingKeepsTheDigitPositionsVisibleButBlank) {
    Images im;
    im.Vid_Show_All(true);
    im.set_visible(im_panel_time_pm, true);
    im.Vid_Show_All(false);
    for (ImageId id : lcd_segments(im)) {
        bool digit = false;
        for (int i = 1; i <= 4; ++i)
            digit = digit || id == im.digit_pos(i);
        EXPECT_EQ(im.visible(id), digit) << name_of(id);
    }
    EXPECT_FALSE(im.visible(im_panel_time_pm));
    EXPECT_EQ(panel(im), "    ");
}

TEST(SegmentGroups, EachGroupSwitchesOnlyItsOwnSegments) {
    Images im;
    auto count_lit = [&] {
        int n = 0;
        for (ImageId id : lcd_segments(im))
            n += im.visible(id) ? 1 : 0;
        return n;
    };
    im.Vid_Show_All_Enemies(true);
    EXPECT_EQ(count_lit(), 42);
    EXPECT_TRUE(im.visible(im_crow_01_01));
    EXPECT_TRUE(im.visible(im_spark_00_06));
    EXPECT_TRUE(im.visible(im_spark_06_06));
    EXPECT_TRUE(im.visible(im_nokker_07_08));
    im.Vid_Show_All_Enemies(false);
    EXPECT_EQ(count_lit(), 0);

    im.Vid_Show_All_Tobo(true);
    EXPECT_EQ(count_lit(), 40);
    EXPECT_TRUE(im.visible(im_tobo_01_03_b));
    im.Vid_Show_All_Tobo(false);

    im.Vid_Show_All_Chains(true);
    im.Vid_Show_All_Keys(true);
    im.Vid_Show_All_Key_Zero(true);
    im.Vid_Show_All_Gorvo(true);
    im.Vid_Show_All_Panel_Alarm(true);
    EXPECT_EQ(count_lit(), 19);
    EXPECT_TRUE(im.visible(im_chain_05));
    EXPECT_TRUE(im.visible(im_key_00_d));
    EXPECT_TRUE(im.visible(im_panel_alarm_4));
}

TEST(SegmentGroups, ShowToboTouchesOneCellAndIgnoresCellsWithoutASegment) {
    Images im;
    im.take_changes();
    im.Vid_Show_Tobo(3, 6, true);
    EXPECT_TRUE(im.visible(im_tobo_03_06));
    EXPECT_EQ(im.take_changes().size(), 1u);
    im.Vid_Show_Tobo(1, 1, true);
    im.Vid_Show_Tobo(5, 5, true);
    EXPECT_TRUE(im.take_changes().empty());
}

TEST(PanelLives, MarksFollowTheCountClampedToTwo) {
    Images im;
    struct Case {
        int count;
        bool first, second;
    };
    for (Case c : {Case{-1, false, false},
                   {0, false, false},
                   {1, true, false},
                   {2, true, true},
                   {3, true, true}}) {
        im.Vid_Show_Panel_Lives(c.count);
        EXPECT_EQ(im.visible(im_panel_life_1), c.first) << c.count;
        EXPECT_EQ(im.visible(im_panel_life_2), c.second) << c.count;
    }
}

TEST(PanelScore, RightAlignedWithoutLeadingZerosModuloThousand) {
    Images im;
    im.Vid_Show_All(true);  // position 1 reads 1: drawing a score must blank it
    struct Case {
        int value;
        const char* shown;
    };
    for (Case c : {Case{0, "   0"},
                   {7, "   7"},
                   {70, "  70"},
                   {700, " 700"},
                   {1234, " 234"},
                   {999, " 999"},
                   {1000, "   0"},
                   {2005, "   5"},
                   {1010, "  10"}}) {
        im.Vid_Show_Panel_Score(c.value, true);
        EXPECT_EQ(panel(im), c.shown) << c.value;
    }
    im.Vid_Show_Panel_Score(888, false);
    EXPECT_EQ(panel(im), "    ");
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(im.visible(im.digit_pos(i)));
}

TEST(PanelScore, LeavesTheTimeMarksAlone) {
    Images im;
    im.set_visible(im_panel_time_colon, true);
    im.set_visible(im_panel_time_pm, true);
    im.Vid_Show_Panel_Score(12, true);
    EXPECT_TRUE(im.visible(im_panel_time_colon));
    EXPECT_TRUE(im.visible(im_panel_time_pm));
}

}  // namespace
}  // namespace gorvo
