// The context menu inside the whole program: the windows its entries bring up, the documents
// it opens in the working directory, and the splash tick that the start action sets.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTest>

#include "program_fixture.h"
#include "ui/windows/about_form.h"
#include "ui/windows/keys_form.h"
#include "ui/windows/manual_form.h"
#include "ui/windows/splash_form.h"

namespace gorvo::test {
namespace {

class MenuWiring : public ProgramTest {
  protected:
    // Straight into the game, without sound.
    app::Program& started() {
        store({{"SoundMode", "2"}, {"SplashScreen", "0"}});
        return make_and_start();
    }
};

TEST_F(MenuWiring, AboutIsShownOnTopWithoutBlockingTheGameAndOnlyOnce) {
    app::Program& p = started();
    p.context_menu().item(1)->trigger();
    p.context_menu().item(1)->trigger();
    process_events();
    ui::TAboutForm& about = p.about();
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(about.isModal());
    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(p.main_window().isEnabled());
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        shown += (w->isVisible() && qobject_cast<ui::TAboutForm*>(w)) ? 1 : 0;
    EXPECT_EQ(shown, 1);
}

TEST_F(MenuWiring, DocumentsOpenFromTheWorkingDirectory) {
    app::Program& p = started();
    for (int n : {2, 3, 6})
        p.context_menu().item(n)->trigger();
    const QDir cwd = QDir::current();
    EXPECT_EQ(opened, (std::vector<QUrl>{QUrl::fromLocalFile(cwd.filePath("Readme.txt")),
                                         QUrl::fromLocalFile(cwd.filePath("Whatsnew.txt")),
                                         QUrl::fromLocalFile(cwd.filePath("Config.ini"))}));
}

TEST_F(MenuWiring, KeySettingsHoldTheGameUntilAcceptedAndTheNewKeyWorks) {
    app::Program& p = started();
    p.context_menu().item(7)->trigger();
    process_events();
    ui::KeysForm& keys = p.keys();
    ASSERT_TRUE(keys.isVisible());
    EXPECT_FALSE(p.main_window().isEnabled());
    EXPECT_TRUE(keys.isEnabled());  // not a child of the disabled main window
    // Jump on 'A' (choice 11).
    auto* jump = keys.findChild<QComboBox*>(QStringLiteral("cb_9"));
    ASSERT_NE(jump, nullptr);
    jump->setCurrentIndex(10);
    keys.btn_acceptClick();
    EXPECT_TRUE(p.main_window().isEnabled());
    EXPECT_EQ(p.main_window().key_bindings()[8].choice, 11);
    EXPECT_EQ(p.main_window().key_bindings()[8].code, 'A');
    EXPECT_EQ(p.main_window().hint(btn_jump_top), "click or press 'A'");
    EXPECT_EQ(stored("Key9"), "11");
}

TEST_F(MenuWiring, TheManualOpensFromTheMenu) {
    app::Program& p = started();
    p.context_menu().item(4)->trigger();
    process_events();
    EXPECT_TRUE(p.manual().isVisible());
}

// With no window manager to hand the activation back (as here), the main window takes it itself:
// its shortcuts act at once after the About window, the key settings or the manual close.
TEST_F(MenuWiring, ShortcutsActAtOnceAfterAWindowOverTheGameCloses) {
    app::Program& p = started();
    ui::TForm1& main = p.main_window();
    const auto closes_and_gives_back = [&](QWidget& window) {
        process_events();
        EXPECT_EQ(QApplication::activeWindow(), &window) << window.objectName().toStdString();
        QTest::keyClick(&window, Qt::Key_Escape);
        process_events();
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(QApplication::activeWindow(), &main) << window.objectName().toStdString();
        const bool fullscreen = main.fullscreen_mode();
        QTest::keyClick(&main, Qt::Key_F12);
        EXPECT_NE(main.fullscreen_mode(), fullscreen) << window.objectName().toStdString();
    };
    QTest::keyClick(&main, Qt::Key_F1);
    closes_and_gives_back(p.about());
    p.context_menu().item(7)->trigger();
    closes_and_gives_back(p.keys());
    QTest::keyClick(&main, Qt::Key_F4);
    closes_and_gives_back(p.manual());
}

TEST_F(MenuWiring, TheSplashTickFollowsTheStartAndItsEntryBringsTheSplashBack) {
    store({{"SoundMode", "2"}});
    app::Program& p = make_and_start();
    p.splash().chb_splashscreen()->setChecked(false);
    QTest::keyClick(p.splash().cb_sound(), Qt::Key_Return);
    QAction* splash_item = p.context_menu().item(11);
    EXPECT_FALSE(splash_item->isChecked());
    p.context_menu().pm_0_menuPopup();
    EXPECT_FALSE(splash_item->isChecked());
    splash_item->trigger();
    EXPECT_EQ(stored("SplashScreen"), "1");
    EXPECT_FALSE(p.splash().chb_splashscreen()->isChecked());  // the box itself stays as it was

    // The next run shows the splash window.
    program.reset();
    app::Program& next = make_and_start();
    EXPECT_TRUE(next.splash().isVisible());
}

}  // namespace
}  // namespace gorvo::test
