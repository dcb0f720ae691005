// Config.ini as shipped: the default skin must reproduce the design layout and name files that
// exist, in both presentations.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <string>

#include "skin_folder.h"

namespace gorvo::test {
namespace {

std::string get(const std::string& section, const std::string& key) {
    return shipped_config().find(section, key).value_or("<missing>");
}

bool is_colour_value(const std::string& text) {
    if (text.size() < 2 || text[0] != '$') return false;
    return text.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos;
}

TEST(ShippedConfig, WindowSizeSeeThroughColourAndFolders) {
    EXPECT_EQ(get("Common", "GameWidth"), "605");
    EXPECT_EQ(get("Common", "GameHeight"), "748");
    EXPECT_EQ(get("VideoMode", "TranspColor"), "$00ff00ff");
    const std::string skin = folder_path(get("Common", "SkinDir"));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(skin)).isDir()) << skin;
    // The manual viewer's pages and their size.
    EXPECT_EQ(folder_path(get("Manual", "ManualDir")), folder_path("Graphics/Manual/"));
    EXPECT_EQ(get("Manual", "ManualWidth"), "560");
    EXPECT_EQ(get("Manual", "ManualHeight"), "365");
}

TEST(ShippedConfig, FullscreenPresentationCentresTheGameOnOurBackdropWithLogo) {
    EXPECT_EQ(get("Fullscreen", "GameOffsetX"), "Center");
    EXPECT_EQ(get("Fullscreen", "GameOffsetY"), "Center");
    EXPECT_TRUE(is_colour_value(get("Fullscreen", "BgColor"))) << get("Fullscreen", "BgColor");
    const std::string stretch = get("Fullscreen", "BackdropStretch");
    EXPECT_TRUE(stretch == "0" || stretch == "1") << stretch;
    const std::string position = get("Fullscreen", "LogoPosition");
    EXPECT_TRUE(position == "0" || position == "1" || position == "2" || position == "3");

    const std::string dir = folder_path(get("Fullscreen", "BackdropDir"));
    const QImage backdrop(QString::fromStdString(dir + get("Fullscreen", "BackdropFile")));
    ASSERT_FALSE(backdrop.isNull()) << dir << get("Fullscreen", "BackdropFile");
    EXPECT_GE(backdrop.width(), 1280);
    EXPECT_GE(backdrop.height(), 720);
    const QImage logo(QString::fromStdString(dir + get("Fullscreen", "LogoFile")));
    ASSERT_FALSE(logo.isNull()) << dir << get("Fullscreen", "LogoFile");
    EXPECT_TRUE(logo.hasAlphaChannel());
    // The logo sits in a screen corner beside the game menu: it must stay small.
    EXPECT_LE(logo.width(), 320);
    EXPECT_LE(logo.height(), 96);
}

TEST(ShippedConfig, DigitPositionsKeepTheGamesDigitAcrossAReload) {
    // A picture named here would replace the score or the time on every fullscreen switch.
    for (ImageId id :
         {im_panel_digit_pos_1, im_panel_digit_pos_2, im_panel_digit_pos_3, im_panel_digit_pos_4}) {
        EXPECT_EQ(get("Image" + std::to_string(section_of(id)), "Filename"), "nil") << name_of(id);
    }
}

}  // namespace
}  // namespace gorvo::test
