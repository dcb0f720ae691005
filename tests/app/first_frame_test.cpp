// Straight into the game, the first frame waits only for what it shows: the menus, the key
// settings, manual and splash windows and the skin's hidden pictures come right after it, and
// always before the first input is handled, whichever input comes first.
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <memory>

#include "program_fixture.h"
#include "ui/windows/splash_form.h"

namespace gorvo::test {
namespace {

// Notes, when the main window is handed its first input event, whether everything was made.
class FirstInputWatch : public QObject {
  public:
    explicit FirstInputWatch(std::function<bool()> made) : made_(std::move(made)) {}
    std::optional<bool> made_at_first_input;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const auto type = event->type();
        const bool input = type == QEvent::KeyPress || type == QEvent::MouseButtonPress ||
                           type == QEvent::ContextMenu;
        if (input && !made_at_first_input) made_at_first_input = made_();
        return false;
    }

  private:
    std::function<bool()> made_;
};

class FirstFrame : public ProgramTest {
  protected:
    // Straight into the game, no sound; the program made, its event loop not run yet.
    app::Program& straight_in() {
        store({{"SoundMode", "2"}, {"SplashScreen", "0"}});
        return make();
    }
    // Everything the first frame did not wait for that an input can reach. (The game menu's
    // picture is made by the switch to fullscreen at the latest.)
    bool everything_made() {
        const Images& images = program->handheld().images();
        return program->fully_created() && images[im_background_open].picture &&
               images[btn_jump_top].picture;
    }
    // Hands `event` to the main window as the desktop would, and says whether everything had
    // been made when the window got it.
    std::optional<bool> made_when_handed(QEvent& event) {
        // The first frame has not been drawn yet: the input is the first thing to happen.
        EXPECT_FALSE(program->fully_created());
        FirstInputWatch watch([this] { return everything_made(); });
        program->main_window().installEventFilter(&watch);
        QApplication::sendEvent(&program->main_window(), &event);
        program->main_window().removeEventFilter(&watch);
        return watch.made_at_first_input;
    }
    // A run that wrote the picture cache, so that this one holds back the hidden pictures.
    void run_once_before() {
        straight_in();
        ASSERT_TRUE(QTest::qWaitFor([this] { return program->fully_created(); }, 5000));
        program->picture_cache().release_writes();
        program.reset();
        ASSERT_TRUE(std::filesystem::exists(dir.filePath("pictures.cache").toStdString()));
    }
};

TEST_F(FirstFrame, OnlyTheMainWindowIsMadeBeforeTheFirstFrameAndTheRestRightAfterIt) {
    run_once_before();
    app::Program& p = straight_in();
    ASSERT_TRUE(p.created());
    EXPECT_TRUE(p.main_window().isVisible());
    EXPECT_TRUE(p.handheld().images()[im_background_closed].picture);
    EXPECT_FALSE(everything_made());
    ASSERT_TRUE(QTest::qWaitFor([this] { return everything_made(); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&p] { return p.handheld().images()[btn_game_menu_background].picture != nullptr; }, 5000));
    EXPECT_FALSE(p.splash().isVisible());
    EXPECT_TRUE(errors.empty());
}

TEST_F(FirstFrame, AKeyFindsEverythingMade) {
    run_once_before();
    straight_in();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    EXPECT_EQ(made_when_handed(key), true);
}

TEST_F(FirstFrame, AClickFindsEverythingMade) {
    run_once_before();
    straight_in();
    const QPointF at(300, 300);
    QMouseEvent click(QEvent::MouseButtonPress, at, program->main_window().mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(made_when_handed(click), true);
}

TEST_F(FirstFrame, ARightClickOpensTheContextMenuThatWasNotMadeYet) {
    straight_in();
    ASSERT_FALSE(program->fully_created());
    QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(300, 300),
                                  program->main_window().mapToGlobal(QPoint(300, 300)));
    EXPECT_EQ(made_when_handed(right_click), true);
    EXPECT_TRUE(program->context_menu().menu().isVisible());
    program->context_menu().menu().hide();
}

TEST_F(FirstFrame, TheSplashWindowIsMadeBeforeItsOwnFirstFrame) {
    store({{"SoundMode", "2"}, {"SplashScreen", "1"}});
    app::Program& p = make();
    EXPECT_TRUE(p.fully_created());
}

}  // namespace
}  // namespace gorvo::test
