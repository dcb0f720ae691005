// A short real game under valgrind memcheck, on an X server of its own: the case is opened, a
// Game B started and, once play has begun, Tobo moved from the keyboard; then Esc ends the game.
// Memcheck must find no error outside the suppressions of bench/valgrind/gorvo250.supp (system
// and library code only). Every step waits for what the screen shows: under valgrind the
// program is many times slower, and a key sent too early would test less.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/images.h"
#include "support/qt/game_screen.h"
#include "support/qt/test_app.h"
#include "support/qt/x_desktop.h"
#include "support/x_server.h"

namespace gorvo::test {
namespace {

using std::chrono::seconds;

constexpr int kMemcheckFound = 99;  // --error-exitcode

class ValgrindRun : public ::testing::Test {
  protected:
    void SetUp() override {
        ensure_qt_core_app();
        QDir(scratch.path()).mkpath("Quillmark");
        QFile conf(scratch.filePath("Quillmark/Gorvo250.conf"));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("[General]\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\n");
        conf.close();
        QProcessEnvironment env = desktop.environment();
        env.insert("XDG_CONFIG_HOME", scratch.path());
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(GORVO_PROGRAM_DIR);
        // Children the libraries fork (a bus launcher) are not the game: their reports are
        // left out.
        game.start("valgrind",
                   {"--tool=memcheck", "--error-exitcode=" + QString::number(kMemcheckFound),
                    "--child-silent-after-fork=yes", "--num-callers=40", "--leak-check=full",
                    "--show-leak-kinds=definite", "--errors-for-leak-kinds=definite",
                    "--suppressions=" GORVO_VALGRIND_SUPPRESSIONS, "--gen-suppressions=all",
                    "--log-file=" + log_path(), "./gorvo250"});
        ASSERT_TRUE(game.waitForStarted(10000));
    }
    void TearDown() override {
        if (game.state() != QProcess::NotRunning) {
            game.kill();
            game.waitForFinished(10000);
        }
    }
    QString log_path() const { return scratch.filePath("memcheck.log"); }
    std::string memcheck_log() const {
        QFile log(log_path());
        return log.open(QIODevice::ReadOnly) ? log.readAll().toStdString() : "(no log)";
    }
    void key(const QString& name) { desktop.xdotool({"key", name}); }
    // Holds a key until Tobo shows at other places, for at most ten seconds: an enemy may have
    // changed his course meanwhile, and memcheck is what this run checks.
    void hold(const QString& name, const std::function<std::vector<bool>(const QImage&)>& tobo) {
        const std::vector<bool> before = tobo(desktop.screenshot());
        desktop.xdotool({"keydown", name});
        desktop.wait_for_screen([&](const QImage& shot) { return tobo(shot) != before; },
                                seconds(10));
        desktop.xdotool({"keyup", name});
    }

    XServer server;  // 1280x1024x24
    XDesktop desktop{server.display()};
    QTemporaryDir scratch;
    QProcess game;
};

TEST_F(ValgrindRun, AShortGameHasNoMemoryErrorInTheProgramsOwnCode) {
    const QString window = desktop.wait_for_window("^Gorvo250$", seconds(300));
    ASSERT_FALSE(window.isEmpty()) << "the game's window never appeared\n" << memcheck_log();
    desktop.xdotool({"windowfocus", "--sync", window});
    const std::optional<GameScreen> screen =
        GameScreen::load(GORVO_PROGRAM_DIR, desktop.geometry(window).topLeft(), QSize(1280, 1024));
    ASSERT_TRUE(screen.has_value());
    const std::vector<QPoint> entered = screen->segment(im_tobo_01_08);
    const std::vector<QPoint> key_segment = screen->segment(im_key_00_a);
    const QImage closed_picture = screen->picture(im_background_closed);

    const std::optional<QImage> closed = desktop.wait_for_screen(
        [&](const QImage& shot) { return alike(entered, shot, closed_picture) > 0.9; },
        seconds(120));
    ASSERT_TRUE(closed.has_value()) << "the closed case was never painted";
    key("5");  // open the case
    const std::optional<QImage> all_lit = desktop.wait_for_screen(
        [&](const QImage& shot) {
            return alike(entered, shot, *closed) < 0.5 && alike(key_segment, shot, *closed) < 0.5;
        },
        seconds(120));
    ASSERT_TRUE(all_lit.has_value()) << "the case did not open";
    key("2");  // Game B; play begins when the key starts blinking
    ASSERT_TRUE(desktop
                    .wait_for_screen(
                        [&](const QImage& shot) {
                            return alike(entered, shot, *all_lit) < 0.5 &&
                                   alike(key_segment, shot, *all_lit) > 0.8;
                        },
                        seconds(120))
                    .has_value())
        << "Game B never began";
    std::vector<std::vector<QPoint>> tobo_places;
    for (ImageId id : kSkinImages) {
        if (std::string_view(kImageDefs[id].name).substr(0, 8) == "im_tobo_")
            tobo_places.push_back(screen->segment(id));
    }
    const auto tobo = [&](const QImage& shot) {
        std::vector<bool> shown;
        for (const std::vector<QPoint>& place : tobo_places)
            shown.push_back(alike(place, shot, *all_lit) > 0.8);
        return shown;
    };
    for (const char* name : {"Up", "Right", "Left", "Control_L", "Up", "Down", "Left"})
        hold(name, tobo);
    key("Escape");

    ASSERT_TRUE(game.waitForFinished(300000)) << "the game did not end on Esc";
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(game.exitCode(), kMemcheckFound) << "memcheck found errors\n" << memcheck_log();
    EXPECT_EQ(game.exitCode(), 0) << memcheck_log();
}

}  // namespace
}  // namespace gorvo::test
