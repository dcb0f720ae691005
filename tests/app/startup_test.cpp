// Start-up and shutdown of the whole program: the splash rules, the start action with the real
// sound output, the ways the program ends and what each of them leaves in the store.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>

#include "program_fixture.h"
#include "ui/windows/splash_form.h"

namespace gorvo::test {
namespace {

using Startup = ProgramTest;

void press_key(QWidget* target, Qt::Key key) {
    QTest::keyClick(target, key);
}

TEST_F(Startup, AFirstRunShowsTheSplashCentredWithNoDriverAndTheGameOutOfSight) {
    app::Program& p = make();
    ASSERT_TRUE(p.created());
    EXPECT_FALSE(p.splash().isVisible());  // not before the event loop runs
    p.start();
    process_events();
    ui::TSplashForm& splash = p.splash();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(QRect(splash.pos(), splash.size()), centred_on_screen(splash.size()));
    EXPECT_EQ(splash.chosen_mode(), -1);
    EXPECT_FALSE(splash.start_enabled());
    EXPECT_FALSE(p.main_window().isVisible());
    EXPECT_FALSE(p.splash_pending());
    EXPECT_EQ(stored("SoundMode"), "");
    EXPECT_TRUE(errors.empty());
}

TEST_F(Startup, AStoredDriverWithTheSplashOffStartsStraightIntoTheClosedCase) {
    store({{"SoundMode", "2"}, {"SplashScreen", "0"}});
    app::Program& p = make();
    ASSERT_TRUE(p.created());
    // The whole start ran inside creation: nothing is left for the event loop to bring up.
    EXPECT_FALSE(p.splash_pending());
    p.start();
    process_events();
    EXPECT_FALSE(p.splash().isVisible());
    EXPECT_TRUE(p.main_window().isVisible());
    EXPECT_EQ(p.main_window().geometry(), centred_on_screen(QSize(605, 748)));
    EXPECT_EQ(p.handheld().state().game_mode, mode_closed);
    EXPECT_TRUE(p.handheld().images().visible(im_background_closed));
    EXPECT_FALSE(p.sound().sound_on());
    EXPECT_EQ(stored("SoundMode"), "2");
    EXPECT_EQ(stored("SplashScreen"), "0");
}

TEST_F(Startup, AStoredSoundDriverLoadsTheSamplesFromTheWorkingDirectory) {
    install_sound_folder();
    store({{"SoundMode", "0"}, {"SplashScreen", "0"}});
    app::Program& p = make();
    ASSERT_TRUE(p.created());
    EXPECT_TRUE(p.sound().sound_on());
    for (int i = 0; i < kSoundCount; ++i)
        EXPECT_FALSE(p.sound().handle(static_cast<Sound>(i)).empty()) << i;
    EXPECT_TRUE(errors.empty());
}

TEST_F(Startup, WithoutASoundFolderTheStartFailsWithItsMessageAndOffersTheChoiceAgain) {
    // The working directory is not the program's folder: no Sound/ beside it.
    store({{"SoundMode", "1"}, {"SplashScreen", "0"}});
    app::Program& p = make();
    EXPECT_FALSE(p.created());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Sound folder unproperly installed. Please reinstall the game.");
    EXPECT_FALSE(p.main_window().isVisible());
    EXPECT_NE(p.handheld().state().game_mode, mode_all_segments);
    EXPECT_EQ(stored("SoundMode"), "-1");
    EXPECT_EQ(stored("SplashScreen"), "1");
}

TEST_F(Startup, StartingFromTheSplashStoresTheChoicesAndBringsUpTheGame) {
    store({{"SoundMode", "2"}});
    app::Program& p = make_and_start();
    ui::TSplashForm& splash = p.splash();
    ASSERT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.start_enabled());
    splash.chb_splashscreen()->setChecked(false);
    press_key(splash.cb_sound(), Qt::Key_Return);
    process_events();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(p.main_window().isVisible());
    EXPECT_EQ(p.main_window().geometry(), centred_on_screen(QSize(605, 748)));
    EXPECT_EQ(stored("SoundMode"), "2");
    EXPECT_EQ(stored("SplashScreen"), "0");
    // A later activation of the main window does not bring the splash back.
    p.main_window().activateWindow();
    process_events();
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(Startup, AFailedStartFromTheSplashEndsTheProgram) {
    store({{"SoundMode", "0"}, {"SplashScreen", "1"}});
    app::Program& p = make_and_start();
    ASSERT_TRUE(p.splash().isVisible());
    const std::optional<int> code =
        run_loop([&] { press_key(p.splash().cb_sound(), Qt::Key_Return); });
    EXPECT_EQ(code, 1);
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_FALSE(p.main_window().isVisible());
    EXPECT_EQ(stored("SoundMode"), "-1");
}

TEST_F(Startup, EscInTheSplashEndsTheProgramWithoutWritingAnything) {
    store({{"SoundMode", "2"}});
    app::Program& p = make_and_start();
    const QByteArray before = store_file();
    const std::optional<int> code =
        run_loop([&] { press_key(p.splash().cb_sound(), Qt::Key_Escape); });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(store_file(), before);
    EXPECT_FALSE(p.main_window().isVisible());
}

TEST_F(Startup, ClosingTheMainWindowShutsTheSoundDownAndEndsTheProgram) {
    install_sound_folder();
    store({{"SoundMode", "0"}, {"SplashScreen", "0"}});
    app::Program& p = make_and_start();
    ASSERT_TRUE(p.sound().sound_on());
    const std::optional<int> code = run_loop([&] { p.main_window().close(); });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(p.sound().sound_on());
    EXPECT_TRUE(p.sound().handle(Sound::Chain).empty());
}

TEST_F(Startup, EscInTheGameEndsAtOnceWithoutTheCloseStep) {
    install_sound_folder();
    store({{"SoundMode", "0"}, {"SplashScreen", "0"}});
    app::Program& p = make_and_start();
    p.main_window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p.main_window()));
    const std::optional<int> code =
        run_loop([&] { QTest::keyClick(&p.main_window(), Qt::Key_Escape); });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(p.sound().sound_on());  // left to the end of the process
}

TEST_F(Startup, WithoutConfigIniNothingIsStartedAndNothingStored) {
    QFile::remove(QString::fromStdString(skin->config().string()));
    store({{"SoundMode", "2"}, {"SplashScreen", "0"}});
    app::Program& p = make();
    EXPECT_FALSE(p.created());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_FALSE(p.main_window().isVisible());
    EXPECT_EQ(stored("SoundMode"), "2");
    EXPECT_EQ(stored("SplashScreen"), "0");
}

}  // namespace
}  // namespace gorvo::test
