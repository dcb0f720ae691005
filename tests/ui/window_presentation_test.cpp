// Creation of the main window, its two presentations, the switch between them, and its frame.
#include <QFile>
#include <QSignalSpy>
#include <QWindow>

#include "window_fixture.h"

namespace gorvo::test {
namespace {

using Presentation = WindowTest;

QPoint offset_of(ImageId id, const Images& images) {
    const Rect& now = images[id].rect;
    const Rect& design = kImageDefs[id].design;
    return QPoint(now.left - design.left, now.top - design.top);
}

TEST_F(Presentation, AFirstStartIsFullscreenWithOverlaysAndDefaultKeys) {
    rig.settings.values.clear();
    rig.settings.values["FullscreenMode"] = "";  // present but empty: the default
    create({}, {1920, 1080});
    EXPECT_TRUE(window->fullscreen_mode());
    EXPECT_TRUE(window->fullscreen_action()->isChecked());
    EXPECT_TRUE(s().ctrlr_overlay);
    EXPECT_EQ(window->hint(im_background_closed), "click or press '5' to open the game");
    EXPECT_EQ(window->hint(btn_jump_top), "click or press 'ctrl' key");
    for (int k = 1; k <= 9; ++k)
        EXPECT_TRUE(rig.settings.values.count("Key" + std::to_string(k)));
    EXPECT_FALSE(window->isVisible());  // out of sight until centred
    EXPECT_TRUE(errors.empty());
}

TEST_F(Presentation, FullscreenCoversTheScreenWithTheGameAtItsOffsets) {
    rig.settings.values["FullscreenMode"] = "1";
    create({}, {1920, 1080});
    window->centre();
    EXPECT_EQ(window->geometry(), QRect(0, 0, 1920, 1080));
    EXPECT_EQ(offset_of(im_tobo_01_08, rig.hh.images()), QPoint(657, 166));
    EXPECT_EQ(offset_of(btn_jump_top, rig.hh.images()), QPoint(657, 166));
    // The menu button stays in the corner.
    EXPECT_TRUE(lit(btn_game_menu_top));
    EXPECT_EQ(rig.hh.images()[btn_game_menu_top].rect, (Rect{0, 0, 36, 32}));
    // Background colour around the game, the closed case at its place, the menu symbol's band.
    EXPECT_EQ(window->frame().size(), QSize(1920, 1080));
    EXPECT_EQ(window->frame().pixelColor(1800, 1000), TestSkin::fullscreen_background());
    EXPECT_EQ(window->frame().pixelColor(657 + 300, 166 + 300),
              TestSkin::colour_of(im_background_closed));
    EXPECT_EQ(window->frame().pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(window->frame().pixelColor(40, 40), TestSkin::fullscreen_background());
}

TEST_F(Presentation, FullscreenOffsetsFollowTheScreenSize) {
    rig.settings.values["FullscreenMode"] = "1";
    create({}, {1024, 768});
    EXPECT_EQ(offset_of(im_background_closed, rig.hh.images()), QPoint(209, 10));
    EXPECT_EQ(window->size(), QSize(1024, 768));
}

TEST_F(Presentation, TheSwitchStoresTheChoiceReloadsAndKeepsTheGameRunning) {
    rig.settings.values["FullscreenMode"] = "1";
    create({}, {1920, 1080});
    window->act([this] { rig.hh.im_background_closedClick(); });
    key_press(Qt::Key_1, 10);
    key_release(Qt::Key_1, 10);
    ASSERT_EQ(s().game_mode, mode_game_a);
    const std::optional<Millis> due = rig.hh.timers().next_due();
    QSignalSpy switching(window.get(), &ui::TForm1::presentation_switching);

    window->pm_10_fullscreenClick();
    EXPECT_FALSE(window->fullscreen_mode());
    EXPECT_EQ(rig.settings.values["FullscreenMode"], "0");
    EXPECT_EQ(window->geometry(), QRect(657, 166, 605, 748));
    EXPECT_EQ(offset_of(im_tobo_01_08, rig.hh.images()), QPoint(0, 0));
    EXPECT_FALSE(lit(btn_game_menu_top));
    EXPECT_EQ(switching.count(), 1);
    EXPECT_EQ(s().game_mode, mode_game_a);
    EXPECT_EQ(rig.hh.timers().next_due(), due);
    EXPECT_TRUE(lit(im_background_open));

    window->pm_10_fullscreenClick();
    EXPECT_EQ(rig.settings.values["FullscreenMode"], "1");
    EXPECT_EQ(window->geometry(), QRect(0, 0, 1920, 1080));
    EXPECT_EQ(offset_of(im_tobo_01_08, rig.hh.images()), QPoint(657, 166));
}

TEST_F(Presentation, TheWindowedShapeLeavesTheSeeThroughColourOut) {
    create();
    EXPECT_EQ(window->size(), QSize(605, 748));
    const QRegion shape = window->mask();
    EXPECT_FALSE(shape.contains(QPoint(5, 300)));  // the case's see-through margin
    EXPECT_TRUE(shape.contains(QPoint(300, 300)));
    EXPECT_FALSE(shape.contains(QPoint(600, 10)));
    window->pm_10_fullscreenClick();
    EXPECT_TRUE(window->mask().isEmpty());  // nothing is see-through in fullscreen
}

TEST_F(Presentation, OnlyTheChangedSegmentsArePaintedAgain) {
    create_open();
    const QPoint tobo = centre_of(im_tobo_01_08);
    EXPECT_EQ(window->frame().pixelColor(tobo), TestSkin::colour_of(im_tobo_01_08));
    window->act([this] { rig.hh.images().Vid_Show_All(false); });
    EXPECT_NE(window->frame().pixelColor(tobo), TestSkin::colour_of(im_tobo_01_08));
    // The digit positions take the digits' pictures.
    window->act([this] { rig.hh.images().Vid_Show_Panel_Score(7, true); });
    EXPECT_EQ(window->frame().pixelColor(centre_of(im_panel_digit_pos_4)),
              TestSkin::colour_of(im_panel_number_7));
}

TEST_F(Presentation, AMissingConfigurationEndsTheProgramWithItsMessage) {
    create();
    ASSERT_TRUE(errors.empty());
    EXPECT_FALSE(window->end_requested());
    // The file disappears before a switch.
    QFile::remove(QString::fromStdString(skin->config().string()));
    window->pm_10_fullscreenClick();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Configuration file (Config.ini) not found. Please reinstall the game.");
    EXPECT_TRUE(window->end_requested());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Presentation, AMissingConfigurationAtCreationIsReportedBeforeAnythingShows) {
    rig.settings.values["FullscreenMode"] = "0";
    skin = std::make_unique<TestSkin>();
    QFile::remove(QString::fromStdString(skin->config().string()));
    ui::MainWindowSetup setup;
    setup.config = skin->config();
    setup.screen_size = [] { return skin::ScreenSize{1920, 1080}; };
    setup.show_error = [this](const QString& text) { errors.push_back(text); };
    ui::TForm1 form(rig.hh, rig.settings, std::move(setup));
    EXPECT_TRUE(form.end_requested());
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Presentation, StartingCentresTheWindowAndShowsTheClosedCase) {
    create({}, {1920, 1080});
    window->start_game();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->pos(), QPoint(657, 166));
    EXPECT_EQ(s().game_mode, mode_closed);
    EXPECT_TRUE(lit(im_background_closed));
    EXPECT_EQ(window->engine().armed_delay(), std::nullopt);
    window->hide();
}

// The desktop is told of each switch: a window left fullscreen by the desktop would cover the
// screen with the windowed case in its corner.
TEST_F(Presentation, TheSwitchOfAShownWindowEntersAndLeavesTheDesktopsFullscreen) {
    rig.settings.values["FullscreenMode"] = "1";
    create({}, {1920, 1080});
    window->start_game();
    ASSERT_TRUE(window->windowHandle()->windowStates() & Qt::WindowFullScreen);
    window->pm_10_fullscreenClick();
    EXPECT_FALSE(window->windowHandle()->windowStates() & Qt::WindowFullScreen);
    EXPECT_EQ(window->size(), QSize(605, 748));
    window->pm_10_fullscreenClick();
    EXPECT_TRUE(window->windowHandle()->windowStates() & Qt::WindowFullScreen);
    window->hide();
}

}  // namespace
}  // namespace gorvo::test
