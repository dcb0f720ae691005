// The window side of a skin load: client size, colours, offsets, the menu button, and the
// failures that stop a load.
#include <gtest/gtest.h>

#include <climits>

#include "loader_fixture.h"

namespace gorvo::skin::test {
namespace {

using Status = SkinLoadResult::Status;

TEST(LoaderWindow, WindowedDefaultsFromAnEmptyFile) {
    SkinFolder folder;
    folder.write_config("");
    Loaded run;
    run.load(folder, false);
    ASSERT_EQ(run.result.status, Status::Ok);
    EXPECT_EQ(run.layout.client_width, 605);
    EXPECT_EQ(run.layout.client_height, 748);
    EXPECT_EQ(run.layout.background, 0x00FF00FFu);
    EXPECT_TRUE(run.layout.see_through_on);
    EXPECT_EQ(run.layout.see_through, 0x00FF00FFu);
    EXPECT_EQ(run.layout.game_offset_x, 0);
    EXPECT_EQ(run.layout.game_offset_y, 0);
    EXPECT_FALSE(run.images.visible(im_backdrop));
    EXPECT_FALSE(run.images.visible(im_backdrop_logo));
    EXPECT_FALSE(run.images.visible(btn_game_menu_top));
    EXPECT_FALSE(run.images.visible(btn_game_menu_background));
    EXPECT_EQ(run.images[im_backdrop].rect, (Rect{0, 0, 605, 748}));
    EXPECT_EQ(run.result.progress.images_done, kSkinImageCount);
}

TEST(LoaderWindow, WindowedColoursAndSize) {
    SkinFolder folder;
    folder.write_config(
        "[Common]\nGameWidth=$100\nGameHeight=\"300\"\n"
        "[VideoMode]\nTranspColor=0x00123456\n"
        "[Fullscreen]\nBgColor=$0000FF00\nGameOffsetX=40\n");
    Loaded run;
    run.load(folder, false);
    ASSERT_EQ(run.result.status, Status::Ok);
    EXPECT_EQ(run.layout.client_width, 256);
    EXPECT_EQ(run.layout.client_height, 300);
    EXPECT_EQ(run.layout.background, 0x00123456u);
    EXPECT_EQ(run.layout.see_through, 0x00123456u);
    EXPECT_EQ(run.layout.game_offset_x, 0);  // offsets belong to fullscreen
    EXPECT_EQ(run.images[im_backdrop].rect, (Rect{0, 0, 256, 300}));
}

TEST(LoaderWindow, FullscreenTakesTheScreenAndCentresTheGame) {
    SkinFolder folder;
    folder.write_config("[Fullscreen]\nBgColor=255\n[Image1]\nLeft=0\nTop=0\nWidth=605\n");
    Loaded run;
    run.load(folder, true, {1024, 768});
    ASSERT_EQ(run.result.status, Status::Ok);
    EXPECT_EQ(run.layout.client_width, 1024);
    EXPECT_EQ(run.layout.client_height, 768);
    EXPECT_EQ(run.layout.background, 255u);
    EXPECT_FALSE(run.layout.see_through_on);
    EXPECT_EQ(run.layout.game_offset_x, 209);
    EXPECT_EQ(run.layout.game_offset_y, 10);
    EXPECT_EQ(run.image(1).rect, (Rect{209, 10, 605, 0}));
    EXPECT_TRUE(run.images.visible(btn_game_menu_top));
    EXPECT_TRUE(run.images.visible(btn_game_menu_background));
    EXPECT_EQ(run.images[btn_game_menu_background].rect, (Rect{0, 0, 36, 32}));
    EXPECT_EQ(run.images[im_backdrop].rect, (Rect{0, 0, 1024, 768}));
}

TEST(LoaderWindow, OffsetZeroCenterAndTextAllCentre) {
    for (const char* value : {"0", "Center", "center", "12px", "", "0x0"}) {
        SkinFolder folder;
        folder.write_config(std::string("[Fullscreen]\nGameOffsetX=") + value +
                            "\nGameOffsetY=" + value + "\n");
        Loaded run;
        run.load(folder, true, {1920, 1080});
        EXPECT_EQ(run.layout.game_offset_x, 657) << value;
        EXPECT_EQ(run.layout.game_offset_y, 166) << value;
    }
}

TEST(LoaderWindow, GivenOffsetShiftsEveryImage) {
    SkinFolder folder;
    folder.write_config(
        "[Fullscreen]\nGameOffsetX=-20\nGameOffsetY=$10\n"
        "[Image5]\nLeft=100\nTop=50\nWidth=3\nHeight=4\n"
        "[Image147]\nLeft=-7\nTop=0\n");
    Loaded run;
    run.load(folder, true, {1024, 768});
    EXPECT_EQ(run.image(5).rect, (Rect{80, 66, 3, 4}));
    EXPECT_EQ(run.image(147).rect, (Rect{-27, 16, 0, 0}));
    EXPECT_EQ(run.image(60).rect, (Rect{-20, 16, 0, 0}));  // no section: at the game origin
}

TEST(LoaderWindow, CentringOnASmallScreenTruncatesTowardZero) {
    SkinFolder folder;
    folder.write_config("[Common]\nGameWidth=605\nGameHeight=753\n");
    Loaded run;
    run.load(folder, true, {600, 748});
    EXPECT_EQ(run.layout.game_offset_x, -2);  // (600 - 605) / 2 = -2.5
    EXPECT_EQ(run.layout.game_offset_y, -2);
}

TEST(LoaderWindow, SizesAreKeptSane) {
    SkinFolder folder;
    folder.write_config(
        "[Common]\nGameWidth=-5\nGameHeight=99999999\n"
        "[Image3]\nWidth=-1\nHeight=100000\n"
        "[Image4]\nWidth=16384\nHeight=16385\n");
    Loaded run;
    run.load(folder, false);
    EXPECT_EQ(run.layout.client_width, 0);
    EXPECT_EQ(run.layout.client_height, 16384);
    EXPECT_EQ(run.image(3).rect.width, 0);
    EXPECT_EQ(run.image(3).rect.height, 16384);
    EXPECT_EQ(run.image(4).rect.width, 16384);
    EXPECT_EQ(run.image(4).rect.height, 16384);
}

TEST(LoaderWindow, PositionsPlusOffsetsStayInRange) {
    SkinFolder folder;
    folder.write_config(
        "[Fullscreen]\nGameOffsetX=2147483647\nGameOffsetY=-2147483648\n"
        "[Image1]\nLeft=2147483647\nTop=-2147483648\n");
    Loaded run;
    run.load(folder, true);
    EXPECT_EQ(run.image(1).rect.left, INT_MAX);
    EXPECT_EQ(run.image(1).rect.top, INT_MIN);
}

TEST(LoaderWindow, IntegerKeysThatAreNotIntegersGiveTheirDefaults) {
    SkinFolder folder;
    folder.write_config(
        "[Common]\nGameWidth=605 ; px\nGameHeight=1e3\n"
        "[Image2]\nLeft=12.5\nTop=7\nWidth=x\nHeight=0x20\n");
    Loaded run;
    run.load(folder, false);
    EXPECT_EQ(run.layout.client_width, 605);
    EXPECT_EQ(run.layout.client_height, 748);
    EXPECT_EQ(run.image(2).rect, (Rect{0, 7, 0, 32}));
}

TEST(LoaderWindow, LoadLeavesTheVisibilityOfSkinImagesAlone) {
    SkinFolder folder;
    folder.write_config("[Image2]\nLeft=1\n[Image1]\nLeft=2\n");
    Loaded run;
    run.images.set_visible(im_background_open, true);
    run.images.set_visible(im_background_closed, false);
    run.load(folder, true);
    EXPECT_TRUE(run.images.visible(im_background_open));
    EXPECT_FALSE(run.images.visible(im_background_closed));
    EXPECT_FALSE(run.images.visible(btn_acl_top));
}

TEST(LoaderFailure, MissingConfigAppliesNothingButSettlesTheMenu) {
    SkinFolder folder;  // no Config.ini
    Loaded run;
    run.load(folder, true);
    EXPECT_EQ(run.result.status, Status::ConfigMissing);
    EXPECT_EQ(run.result.message,
              "Configuration file (Config.ini) not found. Please reinstall the game.");
    EXPECT_EQ(run.layout.client_width, 605);
    EXPECT_EQ(run.layout.client_height, 748);
    EXPECT_EQ(run.image(1).rect, kImageDefs[im_background_closed].design);
    EXPECT_TRUE(run.images.visible(btn_game_menu_top));
    EXPECT_FALSE(run.result.progress.window_done);
}

TEST(LoaderFailure, AFolderNamedConfigIsMissingToo) {
    SkinFolder folder;
    std::filesystem::create_directories(folder.config());
    Loaded run;
    EXPECT_EQ(run.load(folder, false).result.status, Status::ConfigMissing);
}

TEST(LoaderFailure, BadTranspColorStopsBeforeAnyImage) {
    SkinFolder folder;
    folder.write_config("[VideoMode]\nTranspColor=magenta\n[Image1]\nLeft=5\n");
    Loaded run;
    run.load(folder, false);
    EXPECT_EQ(run.result.status, Status::Error);
    EXPECT_EQ(run.result.message, "'magenta' is not a valid integer value");
    EXPECT_FALSE(run.result.progress.window_done);
    EXPECT_EQ(run.result.progress.images_done, 0);
    EXPECT_EQ(run.image(1).rect, kImageDefs[im_background_closed].design);
    EXPECT_FALSE(run.images.visible(btn_game_menu_top));  // settled for windowed all the same
}

TEST(LoaderFailure, BadBgColorStopsAfterTheBackdropStep) {
    SkinFolder folder;
    folder.write_config("[Fullscreen]\nBgColor=$00ff00ff ; magenta\n[VideoMode]\nTranspColor=1\n");
    Loaded run;
    run.load(folder, true);
    EXPECT_EQ(run.result.status, Status::Error);
    EXPECT_EQ(run.result.message, "'$00ff00ff ; magenta' is not a valid integer value");
    EXPECT_TRUE(run.result.progress.backdrop_done);
    EXPECT_FALSE(run.result.progress.window_done);
    EXPECT_EQ(run.layout.background, WindowLayout{}.background);
}

TEST(LoaderFailure, BadColourOfTheOtherPresentationIsNeverRead) {
    SkinFolder folder;
    folder.write_config("[VideoMode]\nTranspColor=bad\n[Fullscreen]\nBgColor=bad\n");
    Loaded windowed;
    Loaded fullscreen;
    EXPECT_EQ(windowed.load(folder, false).result.message, "'bad' is not a valid integer value");
    EXPECT_EQ(fullscreen.load(folder, true).result.message, "'bad' is not a valid integer value");
    folder.write_config("[VideoMode]\nTranspColor=bad\n");
    EXPECT_EQ(fullscreen.load(folder, true).result.status, Status::Ok);
}

}  // namespace
}  // namespace gorvo::skin::test
