// The context menu: its entries, the ticks it refreshes on opening, the shortcuts on the main
// window, and what each entry does to the game and the store.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include "ui/context_menu.h"
#include "window_fixture.h"

namespace gorvo::test {
namespace {

class ContextMenuTest : public WindowTest {
  protected:
    void TearDown() override {
        menu.reset();
        window.reset();
    }

    ui::ContextMenu& make_menu() {
        ui::ContextMenuCommands c;
        c.show_about = [this] { calls.push_back("about"); };
        c.open_document = [this](const QString& f) { calls.push_back("open " + f.toStdString()); };
        c.show_manual = [this] { calls.push_back("manual"); };
        c.open_key_settings = [this] { calls.push_back("keys"); };
        c.splash_box_ticked = [this] { return splash_box; };
        c.beep = [this] { calls.push_back("beep"); };
        menu = std::make_unique<ui::ContextMenu>(*window, rig.hh, rig.settings, std::move(c));
        return *menu;
    }
    // The main window on the screen with the keyboard, as the player has it.
    void activate() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    std::vector<std::string> writes_since(std::size_t from) const {
        return {rig.settings.writes.begin() + static_cast<std::ptrdiff_t>(from),
                rig.settings.writes.end()};
    }

    bool splash_box = true;
    std::vector<std::string> calls;
    std::unique_ptr<ui::ContextMenu> menu;
};

TEST_F(ContextMenuTest, TheFourteenEntriesInTheirOrderWithShortcutsTicksAndTheBoldDefault) {
    create();
    ui::ContextMenu& m = make_menu();
    const std::vector<std::pair<QString, QKeySequence>> expected{
        {"About...", Qt::Key_F1},
        {"View 'Readme.txt'", Qt::Key_F2},
        {"View 'Whatsnew.txt'", Qt::Key_F3},
        {"View manual", Qt::Key_F4},
        {"", {}},
        {"Edit configuration file", {}},
        {"Key settings", {}},
        {"Reset Hiscores", {}},
        {"", {}},
        {"Display in fullscreen mode", Qt::Key_F12},
        {"Display splash screen at startup", {}},
        {"Display controller overlays", {}},
        {"", {}},
        {"Exit", Qt::Key_Escape},
    };
    ASSERT_EQ(m.menu().actions().size(), 14);
    for (int n = 1; n <= 14; ++n) {
        SCOPED_TRACE(n);
        QAction* a = m.item(n);
        EXPECT_EQ(m.menu().actions()[n - 1], a);
        EXPECT_EQ(a->isSeparator(), n == 5 || n == 9 || n == 13);
        EXPECT_EQ(a->text(), expected[static_cast<std::size_t>(n - 1)].first);
        EXPECT_EQ(a->shortcut(), expected[static_cast<std::size_t>(n - 1)].second);
        EXPECT_EQ(a->isCheckable(), n >= 10 && n <= 12);
        EXPECT_TRUE(a->isEnabled());
    }
    EXPECT_EQ(m.menu().defaultAction(), m.item(1));
    EXPECT_EQ(m.item(10), window->fullscreen_action());
    EXPECT_EQ(m.item(14), window->exit_action());
    EXPECT_FALSE(m.item(10)->isChecked());  // this window was created windowed
    EXPECT_TRUE(m.item(12)->isChecked());   // overlays on by default
}

TEST_F(ContextMenuTest, OpeningTheMenuRefreshesTheSplashAndOverlayTicks) {
    rig.settings.values["CtrlrOverlay"] = "0";
    create();
    ui::ContextMenu& m = make_menu();
    EXPECT_FALSE(m.item(12)->isChecked());  // as read at creation

    rig.settings.values["SplashScreen"] = "0";
    m.item(12)->setChecked(true);  // a stale tick is put right
    m.pm_0_menuPopup();
    EXPECT_FALSE(m.item(11)->isChecked());
    EXPECT_FALSE(m.item(12)->isChecked());

    // Removed from the store while the program runs: the splash window's box decides.
    rig.settings.values.erase("SplashScreen");
    splash_box = false;
    m.pm_0_menuPopup();
    EXPECT_FALSE(m.item(11)->isChecked());
    splash_box = true;
    m.pm_0_menuPopup();
    EXPECT_TRUE(m.item(11)->isChecked());
    rig.settings.values["SplashScreen"] = "-1";
    splash_box = false;
    m.pm_0_menuPopup();
    EXPECT_TRUE(m.item(11)->isChecked());
}

TEST_F(ContextMenuTest, ARightClickAnywhereOverTheWindowOpensTheMenuWithFreshTicks) {
    create_open();
    ui::ContextMenu& m = make_menu();
    rig.settings.values["SplashScreen"] = "0";
    m.item(11)->setChecked(true);
    // Over the see-through margin beside the case, not over any button.
    const QPoint at(2, 300);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, window->mapToGlobal(at));
    QCoreApplication::sendEvent(window.get(), &event);
    EXPECT_TRUE(m.menu().isVisible());
    EXPECT_FALSE(m.item(11)->isChecked());
    m.menu().close();
    EXPECT_EQ(s().game_mode, mode_all_segments);  // the game saw nothing of it
}

TEST_F(ContextMenuTest, TheShortcutsWorkOnTheMainWindowWhileTheMenuIsClosed) {
    create();
    make_menu();
    activate();
    for (Qt::Key key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4})
        QTest::keyClick(window.get(), key);
    EXPECT_EQ(calls, (std::vector<std::string>{"about", "open Readme.txt", "open Whatsnew.txt",
                                               "manual"}));
    QTest::keyClick(window.get(), Qt::Key_F12);
    EXPECT_TRUE(window->fullscreen_mode());
    EXPECT_TRUE(menu->item(10)->isChecked());
    EXPECT_EQ(rig.settings.values["FullscreenMode"], "1");
}

TEST_F(ContextMenuTest, ResetHiscoresStoresBothAtOnceAndBeepsWithoutTouchingTheScreen) {
    rig.settings.values["HiScore1"] = "120";
    rig.settings.values["HiScore2"] = "340";
    create_open();
    ui::ContextMenu& m = make_menu();
    ASSERT_EQ(s().hiscore_a, 120);
    const std::size_t from = rig.settings.writes.size();
    const QImage before = window->frame();
    m.item(8)->trigger();
    EXPECT_EQ(s().hiscore_a, 0);
    EXPECT_EQ(s().hiscore_b, 0);
    EXPECT_EQ(writes_since(from), (std::vector<std::string>{"HiScore1=0", "HiScore2=0"}));
    EXPECT_EQ(calls, (std::vector<std::string>{"beep"}));
    EXPECT_EQ(window->frame(), before);
}

TEST_F(ContextMenuTest, TheSplashEntryInvertsItsTickAndStoresIt) {
    create();
    ui::ContextMenu& m = make_menu();
    m.tick_splash_item(false);
    m.item(11)->trigger();
    EXPECT_TRUE(m.item(11)->isChecked());
    EXPECT_EQ(rig.settings.values["SplashScreen"], "1");
    m.item(11)->trigger();
    EXPECT_FALSE(m.item(11)->isChecked());
    EXPECT_EQ(rig.settings.values["SplashScreen"], "0");
}

TEST_F(ContextMenuTest, TheOverlayEntryStoresTheChoiceAndShowsItOnTheOpenCase) {
    create_open();
    ui::ContextMenu& m = make_menu();
    ASSERT_TRUE(lit(btn_ctrlr_overlay_up));
    m.item(12)->trigger();
    EXPECT_FALSE(s().ctrlr_overlay);
    EXPECT_EQ(rig.settings.values["CtrlrOverlay"], "0");
    EXPECT_FALSE(lit(btn_ctrlr_overlay_up));
    EXPECT_TRUE(lit(btn_cross_top));
    // On the screen as well, not only in the state.
    const QPoint up = centre_of(btn_ctrlr_overlay_up);
    EXPECT_NE(window->frame().pixelColor(up), TestSkin::colour_of(btn_ctrlr_overlay_up));
    m.item(12)->trigger();
    EXPECT_TRUE(s().ctrlr_overlay);
    EXPECT_EQ(window->frame().pixelColor(up), TestSkin::colour_of(btn_ctrlr_overlay_up));
}

TEST_F(ContextMenuTest, OverlaysChosenWhileClosedShowOnlyWhenTheCaseOpens) {
    create();
    ui::ContextMenu& m = make_menu();
    const QImage before = window->frame();
    m.item(12)->trigger();
    EXPECT_EQ(window->frame(), before);
    EXPECT_FALSE(lit(btn_cross_top));
    window->act([this] { rig.hh.im_background_closedClick(); });
    EXPECT_TRUE(lit(btn_cross_top));
    EXPECT_FALSE(lit(btn_ctrlr_overlay_left));
}

}  // namespace
}  // namespace gorvo::test
