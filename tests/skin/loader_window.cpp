// The window side of a skin load: client size, colours, offsets, the menu button, the [Manual]
// keys, and the failures that stop a load.
#include <gtest/gtest.h>

#include <climits>

#include "loader_fixture.h"

namespace gorvo::skin::test {
namespace {

using Status = SkinLoadResult::Status;

TEST(LoaderWindow, Windowed) {
    SkinFolder folder;
    Loaded run;
    folder.write_config(
        "[Common]\nGameWidth=$100\nGameHeight=\"300\"\n[VideoMode]\nTranspColor=0x00123456\n"
        "[Fullscreen]\nBgColor=bad\nGameOffsetX=40\n");
    run.load(folder, false);
    ASSERT_EQ(run.result.status, Status::Ok);
    EXPECT_EQ(run.layout.client_width, 256);
    EXPECT_EQ(run.layout.client_height, 300);
    EXPECT_EQ(run.layout.background, 0x00123456u);
    EXPECT_EQ(run.layout.see_through, 0x00123456u);
    EXPECT_TRUE(run.layout.see_through_on);
    EXPECT_EQ(run.layout.game_offset_x, 0);
    EXPECT_FALSE(run.images.visible(btn_game_menu_top));
    EXPECT_EQ(run.images[im_backdrop].rect, (Rect{0, 0, 256, 300}));
}

TEST(LoaderWindow, FullscreenCentresTheGameUnlessGivenAnOffset) {
    struct Case {
        const char* offset;
        ScreenSize screen;
        int x;
        int y;
    };
    for (const Case& c : {Case{"Center", {1024, 768}, 209, 10}, Case{"0", {1024, 768}, 209, 10},
                          Case{"12px", {1920, 1080}, 657, 166}, Case{"-20", {1024, 768}, -20, -20},
                          Case{"", {600, 740}, -2, -4}}) {  // -2.5 and -4: toward zero
        SkinFolder folder;
        folder.write_config(std::string("[Fullscreen]\nBgColor=255\nGameOffsetX=") + c.offset +
                            "\nGameOffsetY=" + c.offset + "\n[Image5]\nLeft=100\nWidth=3\n");
        Loaded run;
        run.load(folder, true, c.screen);
        EXPECT_EQ(run.layout.game_offset_x, c.x) << c.offset;
        EXPECT_EQ(run.layout.game_offset_y, c.y) << c.offset;
        EXPECT_EQ(run.image(5).rect, (Rect{100 + c.x, c.y, 3, 0})) << c.offset;
        EXPECT_EQ(run.image(60).rect, (Rect{c.x, c.y, 0, 0})) << c.offset;  // no section
        EXPECT_EQ(run.layout.client_width, c.screen.width);
        EXPECT_EQ(run.images[im_backdrop].rect, (Rect{0, 0, c.screen.width, c.screen.height}));
        EXPECT_EQ(run.layout.background, 255u);
        EXPECT_FALSE(run.layout.see_through_on);
        EXPECT_TRUE(run.images.visible(btn_game_menu_top));
        EXPECT_EQ(run.images[btn_game_menu_background].rect, (Rect{0, 0, 36, 32}));
    }
}

TEST(LoaderWindow, SizesAndPositionsAreKeptSane) {
    SkinFolder folder;
    folder.write_config(
        "[Common]\nGameWidth=-5\nGameHeight=99999999\n"
        "[Fullscreen]\nGameOffsetX=2147483647\nGameOffsetY=-2147483648\n"
        "[Image1]\nLeft=2147483647\nTop=-2147483648\nWidth=-1\nHeight=16385\n"
        "[Image2]\nLeft=12.5\nTop=7\nWidth=x\nHeight=0x20\n");
    Loaded run;
    run.load(folder, false);
    EXPECT_EQ(run.layout.client_width, 0);
    EXPECT_EQ(run.layout.client_height, 16384);
    EXPECT_EQ(run.image(1).rect, (Rect{INT_MAX, INT_MIN, 0, 16384}));
    EXPECT_EQ(run.image(2).rect, (Rect{0, 7, 0, 32}));
    run.load(folder, true);
    EXPECT_EQ(run.image(1).rect, (Rect{INT_MAX, INT_MIN, 0, 16384}));
}

TEST(LoaderWindow, ManualKeys) {
    SkinFolder folder;
    EXPECT_EQ(read_manual_settings(folder.config()).dir, "Graphics/Manual/");
    folder.write_config("[MANUAL]\nManualDir=Pages\\Book\nManualWidth=800\nManualHeight=$258\n");
    ManualSettings read = read_manual_settings(folder.config());
    EXPECT_EQ(read.dir, "Pages/Book/");
    EXPECT_EQ(read.width, 800);
    EXPECT_EQ(read.height, 600);
    folder.write_config("[Manual]\nManualDir=\nManualWidth=-800\nManualHeight=abc\n");
    read = read_manual_settings(folder.config());
    EXPECT_EQ(read.dir, "");  // the working directory, not the root of the file system
    EXPECT_EQ(read.width, 0);
    EXPECT_EQ(read.height, 365);
}

TEST(LoaderFailure, MissingConfigAppliesNothingButSettlesTheMenu) {
    SkinFolder folder;
    fs::create_directories(folder.config());  // a folder is no file
    Loaded run;
    run.load(folder, true);
    EXPECT_EQ(run.result.status, Status::ConfigMissing);
    EXPECT_EQ(run.result.message,
              "Configuration file (Config.ini) not found. Please reinstall the game.");
    EXPECT_EQ(run.layout.client_width, 605);
    EXPECT_EQ(run.image(1).rect, kImageDefs[im_background_closed].design);
    EXPECT_TRUE(run.images.visible(btn_game_menu_top));
}

TEST(LoaderFailure, BadColourStopsTheLoad) {
    SkinFolder folder;
    Loaded run;
    folder.write_config("[VideoMode]\nTranspColor=magenta\n[Image1]\nLeft=5\n");
    run.load(folder, false);
    EXPECT_EQ(run.result.status, Status::Error);
    EXPECT_EQ(run.result.message, "'magenta' is not a valid integer value");
    EXPECT_FALSE(run.result.progress.window_done);
    EXPECT_EQ(run.image(1).rect, kImageDefs[im_background_closed].design);
    EXPECT_FALSE(run.images.visible(btn_game_menu_top));  // settled all the same
}

}  // namespace
}  // namespace gorvo::skin::test
