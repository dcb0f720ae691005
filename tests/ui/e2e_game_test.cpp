// The real program on an X server of its own: open the case, start Game A from the keyboard,
// bring Tobo in, and look at the screen where his segments are. Every step waits for what the
// screen shows, never for a fixed time.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <vector>

#include "core/images.h"
#include "real_program.h"
#include "support/qt/game_screen.h"
#include "support/qt/x_desktop.h"
#include "support/x_server.h"

namespace gorvo::test {
namespace {

using std::chrono::seconds;

class RealProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        ensure_qt_core_app();
        ASSERT_FALSE(program_dir().isEmpty()) << "GORVO_PROGRAM_DIR is not set";
        // Windowed, with a store of its own; straight into the game with no sound and no splash.
        const QProcessEnvironment env = real_program_environment(desktop, home.path());
        ASSERT_FALSE(env.isEmpty()) << "no store in " << home.path().toStdString();
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(program_dir());
        game.start(QDir(program_dir()).filePath("gorvo250"), {});
        ASSERT_TRUE(game.waitForStarted(10000));
    }
    void TearDown() override {
        if (game.state() != QProcess::NotRunning) {
            game.kill();
            game.waitForFinished(5000);
        }
    }
    // Presses and releases a key in the game's window, which has the keyboard focus.
    void key(const QString& window, const QString& name) {
        desktop.xdotool({"windowfocus", "--sync", window});
        desktop.xdotool({"key", name});
    }
    std::string game_output() { return game.readAllStandardError().toStdString(); }

    XServer server;  // 1280x1024x24
    XDesktop desktop{server.display()};
    QTemporaryDir home;
    QProcess game;
};

TEST_F(RealProgram, GameAFromTheKeyboardBringsToboIn) {
    const QString window = desktop.wait_for_window("^Gorvo250$", seconds(60));
    ASSERT_FALSE(window.isEmpty()) << "the window never appeared; " << game_output();
    const std::optional<GameScreen> screen =
        GameScreen::load(program_dir(), desktop.geometry(window).topLeft(), QSize(1280, 1024));
    ASSERT_TRUE(screen.has_value());
    const std::vector<QPoint> entered = screen->segment(im_tobo_01_08);
    const std::vector<QPoint> waiting = screen->segment(im_tobo_01_09);
    const std::vector<QPoint> key_segment = screen->segment(im_key_00_a);
    ASSERT_GT(entered.size(), 20u);
    ASSERT_GT(waiting.size(), 20u);
    ASSERT_GE(key_segment.size(), 10u);
    QImage last;

    // The closed case, painted: the case's picture where the segments will be.
    const QImage closed_picture = screen->picture(im_background_closed);
    const std::optional<QImage> closed = desktop.wait_for_screen(
        [&](const QImage& shot) {
            return alike(entered, shot, closed_picture) > 0.9 &&
                   alike(waiting, shot, closed_picture) > 0.9;
        },
        seconds(30), &last);
    ASSERT_TRUE(closed.has_value()) << "the closed case was never painted";

    // Open the case: every segment lit, Tobo at both places.
    key(window, "5");
    const std::optional<QImage> all_lit = desktop.wait_for_screen(
        [&](const QImage& shot) {
            return alike(entered, shot, *closed) < 0.5 && alike(waiting, shot, *closed) < 0.5 &&
                   alike(key_segment, shot, *closed) < 0.5;
        },
        seconds(30), &last);
    ASSERT_TRUE(all_lit.has_value()) << "the case did not open";

    // Game A: Tobo waits below the screen while the game starts; play begins when the key
    // starts blinking.
    key(window, "1");
    const std::optional<QImage> playing = desktop.wait_for_screen(
        [&](const QImage& shot) {
            return alike(entered, shot, *all_lit) < 0.5 && alike(key_segment, shot, *all_lit) > 0.8;
        },
        seconds(30), &last);
    ASSERT_TRUE(playing.has_value())
        << "Game A never began: Tobo on the bottom row " << alike(entered, last, *all_lit)
        << ", key " << alike(key_segment, last, *all_lit);
    EXPECT_GT(alike(waiting, *playing, *all_lit), 0.8) << "Tobo is not at the waiting place";

    // Up, held until his first step, brings him onto the bottom row.
    desktop.xdotool({"keydown", "Up"});
    const std::optional<QImage> after = desktop.wait_for_screen(
        [&](const QImage& shot) { return alike(entered, shot, *all_lit) > 0.8; }, seconds(30),
        &last);
    desktop.xdotool({"keyup", "Up"});
    ASSERT_TRUE(after.has_value()) << "Tobo did not come in";
    EXPECT_LT(alike(waiting, *after, *all_lit), 0.5) << "Tobo is still waiting";

    // Esc ends the program at once.
    key(window, "Escape");
    EXPECT_TRUE(game.waitForFinished(10000));
    EXPECT_EQ(game.exitCode(), 0);
}

}  // namespace
}  // namespace gorvo::test
