// The in-game menu of the fullscreen presentation: unfolding and folding, the labels and their
// ticks, choosing an entry, inert rows, and the folds that a presentation switch or the context
// menu bring (the labels must outlive their own event handling: run under AddressSanitizer).
#include <QAction>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "ui/context_menu.h"
#include "ui/game_menu.h"
#include "window_fixture.h"

namespace gorvo::test {
namespace {

class GameMenuTest : public WindowTest {
  protected:
    void TearDown() override {
        game_menu.reset();
        menu.reset();
        window.reset();
    }

    // Fullscreen on a 1920 x 1080 screen, the case open, and both menus.
    void make() {
        rig.settings.values["FullscreenMode"] = "1";
        create({}, {1920, 1080});
        // The fixture stores windowed before creation; this test wants the fullscreen store.
        if (!window->fullscreen_mode()) window->pm_10_fullscreenClick();
        ASSERT_TRUE(window->fullscreen_mode());
        window->act([this] { rig.hh.im_background_closedClick(); });
        ui::ContextMenuCommands c;
        c.show_about = [this] { calls.push_back("about"); };
        c.open_document = [this](const QString& f) { calls.push_back("open " + f.toStdString()); };
        c.beep = [] {};
        menu = std::make_unique<ui::ContextMenu>(*window, rig.hh, rig.settings, std::move(c));
        game_menu = std::make_unique<ui::GameMenu>(*window, *menu);
    }
    void click_symbol() { click(QPoint(10, 10)); }
    // Labels still on the window, once deferred deletions have run.
    int labels_left() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return static_cast<int>(window->findChildren<ui::MenuLabel*>().size());
    }
    Rect panel() const { return rig.hh.images()[btn_game_menu_background].rect; }
    void left_click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    std::vector<std::string> calls;
    std::unique_ptr<ui::ContextMenu> menu;
    std::unique_ptr<ui::GameMenu> game_menu;
};

TEST_F(GameMenuTest, TheSymbolUnfoldsFourteenRowsAndFoldsThemAgainWithoutRunningAnEntry) {
    make();
    EXPECT_EQ(panel(), (Rect{0, 0, 36, 32}));
    click_symbol();
    ASSERT_TRUE(game_menu->menu_shown());
    EXPECT_EQ(panel(), (Rect{0, 0, 256, 480}));
    EXPECT_EQ(labels_left(), 14);
    for (int n = 1; n <= 14; ++n) {
        SCOPED_TRACE(n);
        const ui::MenuLabel* label = game_menu->label(n);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), QRect(0, 32 * n, 256, 32));
        EXPECT_TRUE(label->isVisibleTo(window.get()));
        const bool separator = n == 5 || n == 9 || n == 13;
        EXPECT_EQ(label->text().isEmpty(), separator);
        EXPECT_EQ(label->active(), !separator);
    }
    EXPECT_EQ(game_menu->label(1)->text(), "   About...");
    EXPECT_EQ(game_menu->label(10)->text(), "   Display in fullscreen mode [V]");
    EXPECT_EQ(game_menu->label(12)->text(), "   Display controller overlays [V]");
    EXPECT_EQ(game_menu->label(14)->text(), "   Exit");
    // The panel under the rows is translucent black over the background colour.
    const QColor under = window->frame().pixelColor(200, 300);
    EXPECT_NE(under, TestSkin::fullscreen_background());
    EXPECT_LT(under.value(), TestSkin::fullscreen_background().value());

    click_symbol();
    EXPECT_FALSE(game_menu->menu_shown());
    EXPECT_EQ(labels_left(), 0);
    EXPECT_EQ(panel(), (Rect{0, 0, 36, 32}));
    EXPECT_EQ(window->frame().pixelColor(200, 300), TestSkin::fullscreen_background());
    EXPECT_TRUE(calls.empty());
}

TEST_F(GameMenuTest, ALeftClickRunsTheEntryThenFoldsAndEveryUnfoldingIsFresh) {
    make();
    for (int round = 0; round < 3; ++round) {
        click_symbol();
        ASSERT_NE(game_menu->label(1), nullptr);
        left_click(game_menu->label(1));
        EXPECT_FALSE(game_menu->menu_shown());
        EXPECT_EQ(labels_left(), 0);
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"about", "about", "about"}));
    click_symbol();
    left_click(game_menu->label(2));
    EXPECT_EQ(calls.back(), "open Readme.txt");
}

TEST_F(GameMenuTest, OtherButtonsSeparatorsAndDisabledEntriesLeaveTheMenuOpen) {
    make();
    menu->item(3)->setEnabled(false);
    click_symbol();
    QTest::mouseClick(game_menu->label(1), Qt::RightButton);
    QTest::mouseClick(game_menu->label(1), Qt::MiddleButton);
    left_click(game_menu->label(5));
    left_click(game_menu->label(3));
    EXPECT_TRUE(game_menu->menu_shown());
    EXPECT_EQ(labels_left(), 14);
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(game_menu->label(3)->isEnabled());
    EXPECT_FALSE(game_menu->label(3)->active());
    // A press that ends outside the entry is no click.
    QTest::mousePress(game_menu->label(1), Qt::LeftButton);
    QTest::mouseRelease(game_menu->label(1), Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_TRUE(calls.empty());
}

TEST_F(GameMenuTest, TheHoverBarFollowsThePointerOnActiveEntriesOnly) {
    make();
    click_symbol();
    auto enter = [](QWidget* w) {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(w, &e);
    };
    auto leave = [](QWidget* w) {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(w, &e);
    };
    enter(game_menu->label(4));
    EXPECT_TRUE(game_menu->label(4)->highlighted());
    leave(game_menu->label(4));
    EXPECT_FALSE(game_menu->label(4)->highlighted());
    enter(game_menu->label(9));
    EXPECT_FALSE(game_menu->label(9)->highlighted());
}

TEST_F(GameMenuTest, F12WhileUnfoldedSwitchesToWindowedAndLeavesNoLabelBehind) {
    make();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    click_symbol();
    QTest::keyClick(window.get(), Qt::Key_F12);
    EXPECT_FALSE(window->fullscreen_mode());
    EXPECT_FALSE(game_menu->menu_shown());
    EXPECT_EQ(labels_left(), 0);
    EXPECT_FALSE(lit(btn_game_menu_top));
    EXPECT_EQ(panel().width, 36);
}

TEST_F(GameMenuTest, ChoosingTheFullscreenEntryFromTheMenuSwitchesAndFolds) {
    make();
    click_symbol();
    left_click(game_menu->label(10));
    EXPECT_FALSE(window->fullscreen_mode());
    EXPECT_EQ(rig.settings.values["FullscreenMode"], "0");
    EXPECT_FALSE(game_menu->menu_shown());
    EXPECT_EQ(labels_left(), 0);
    EXPECT_FALSE(lit(btn_game_menu_top));
    EXPECT_FALSE(lit(btn_game_menu_background));
    // And back: the menu starts folded in the new fullscreen presentation.
    window->pm_10_fullscreenClick();
    EXPECT_EQ(panel(), (Rect{0, 0, 36, 32}));
    click_symbol();
    EXPECT_TRUE(game_menu->menu_shown());
}

TEST_F(GameMenuTest, TheOverlayEntryTogglesFoldsAndTheNextUnfoldingShowsTheNewTick) {
    make();
    click_symbol();
    left_click(game_menu->label(12));
    EXPECT_FALSE(s().ctrlr_overlay);
    EXPECT_TRUE(lit(btn_cross_top));
    EXPECT_FALSE(game_menu->menu_shown());
    click_symbol();
    EXPECT_EQ(game_menu->label(12)->text(), "   Display controller overlays");
    left_click(game_menu->label(12));
    click_symbol();
    EXPECT_EQ(game_menu->label(12)->text(), "   Display controller overlays [V]");
}

TEST_F(GameMenuTest, OpeningTheContextMenuFoldsTheInGameMenuFirst) {
    make();
    click_symbol();
    // A right click on one of the menu's own rows reaches the main window's context menu.
    const QPoint at(100, 32 * 6 + 10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(100, 10), window->mapToGlobal(at));
    QCoreApplication::sendEvent(game_menu->label(6), &event);
    EXPECT_TRUE(menu->menu().isVisible());
    EXPECT_FALSE(game_menu->menu_shown());
    EXPECT_EQ(labels_left(), 0);
    menu->menu().close();
}

TEST_F(GameMenuTest, ExitFromTheMenuEndsTheProgramAndTheLabelsGoCleanly) {
    make();
    click_symbol();
    QTimer::singleShot(0, window.get(), [this] { left_click(game_menu->label(14)); });
    QTimer::singleShot(2000, window.get(), [] { QCoreApplication::exit(-1000); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(game_menu->menu_shown());
    EXPECT_EQ(labels_left(), 0);
}

}  // namespace
}  // namespace gorvo::test
