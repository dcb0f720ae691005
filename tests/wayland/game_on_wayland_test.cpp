// The real program on real Wayland compositors, each started by the test on a runtime folder of
// its own: the translucent window with the desktop around the case, keys that open the case and
// start Game A, screens that keep moving as the game runs, the compositor moving the window,
// fullscreen covering the output and leaving it again, Esc ending the program, and clicks on the
// see-through parts falling through to the window below.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "desktop.h"
#include "processes.h"
#include "skin_view.h"
#include "support/qt/program_folder.h"
#include "support/qt/test_app.h"

namespace gorvo::test {
namespace {

bool qt_has_wayland() {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                         QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland-*.so")}).isEmpty();
}

// The game's window in fullscreen: the game in the middle of the output.
QPoint fullscreen_origin(QSize game) {
    return QPoint((kOutputSize.width() - game.width()) / 2,
                  (kOutputSize.height() - game.height()) / 2);
}

// The share of the output's pixels that still show the desktop.
double desktop_share(const QImage& shot, const QImage& desktop) {
    const int all = kOutputSize.width() * kOutputSize.height();
    return 1.0 - static_cast<double>(pixels_changed(shot, desktop, shot.rect())) / all;
}

class WaylandGame : public ::testing::Test {
  protected:
    // Starts `made`, or skips the test when the machine lacks what it needs.
    void start_desktop(std::unique_ptr<Desktop> made) {
        ensure_qt_core_app();
        ASSERT_FALSE(program_dir().isEmpty()) << "GORVO_PROGRAM_DIR is not set";
        std::optional<SkinView> loaded = SkinView::load(program_dir());
        ASSERT_TRUE(loaded.has_value()) << "no Config.ini in " << program_dir().toStdString();
        skin.emplace(std::move(*loaded));
        if (!qt_has_wayland()) {
            GTEST_SKIP() << "Qt has no Wayland platform here (qt6-wayland; "
                            "scripts/install-deps.sh installs it)";
        }
        desktop = std::move(made);
        const QString missing = desktop->missing();
        if (!missing.isEmpty()) {
            GTEST_SKIP() << "not installed: " << missing.toStdString()
                         << " (scripts/install-deps.sh installs them)";
        }
        const QString failure = desktop->start();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        desktop_shot = desktop->screenshot();
        ASSERT_FALSE(desktop_shot.isNull());
    }

    void TearDown() override {
        if (HasFailure() && desktop) keep(desktop->screenshot(), QStringLiteral("end"));
        if (game.state() == QProcess::NotRunning) return;
        game.kill();
        game.waitForFinished(5000);
    }

    // Keeps a screenshot that shows a failure, to look at, in the test's folder.
    static void keep(const QImage& picture, const QString& what) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        QString name = QString::fromLatin1(test->test_suite_name()) + QLatin1Char('.') +
                       QString::fromLatin1(test->name()) + QLatin1Char('.') + what;
        picture.save(name.replace(QLatin1Char('/'), QLatin1Char('-')) +
                     QStringLiteral(".failed.png"));
    }

    // Windowed, straight into the closed case, without sound.
    void start_game() {
        QDir(config_home.path()).mkpath(QStringLiteral("Quillmark"));
        QFile conf(config_home.filePath(QStringLiteral("Quillmark/Gorvo250.conf")));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("[General]\nFullscreenMode=0\nSoundMode=2\nSplashScreen=0\n");
        conf.close();
        QProcessEnvironment env = desktop->client_environment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_home.path());
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(program_dir());
        game.start(QDir(program_dir()).filePath(QStringLiteral("gorvo250")), {});
        ASSERT_TRUE(game.waitForStarted(10000));
    }

    std::string game_state() {
        const std::string state = game.state() == QProcess::Running
                                      ? std::string("still running")
                                      : "ended with " + std::to_string(game.exitCode());
        return state + "; error output:\n" + game.readAllStandardError().toStdString();
    }

    // Waits until the window showing `case_picture` is on the desktop, with the desktop
    // around it; its origin.
    std::optional<QPoint> wait_for_window(ImageId case_picture) {
        std::optional<QPoint> origin;
        wait_for(
            [&] {
                shot = desktop->screenshot();
                origin = skin->locate(case_picture, shot, desktop_shot);
                return origin.has_value();
            },
            30000);
        if (!origin) {
            keep(desktop_shot, QStringLiteral("desktop"));
            keep(shot, QStringLiteral("no-case"));
        }
        return origin;
    }

    // Waits until `shot` shows `case_picture` at `origin`.
    bool wait_for_case(ImageId case_picture, QPoint origin) {
        return wait_for(
            [&] {
                shot = desktop->screenshot();
                return skin->shown(case_picture, shot, origin) > 0.95;
            },
            15000);
    }

    // The two screens change twice in a row, each time within a few seconds: the game runs
    // and its steps reach the output.
    void expect_screens_keep_moving(QPoint origin, const QString& where) {
        const QRect upper = skin->rect(im_background_screen_1_top).translated(origin);
        const QRect lower = skin->rect(im_background_screen_2_top).translated(origin);
        QImage last = desktop->screenshot();
        for (int change = 1; change <= 2; ++change) {
            const bool moved = wait_for(
                [&] {
                    const QImage now = desktop->screenshot();
                    if (pixels_changed(last, now, upper) + pixels_changed(last, now, lower) < 20)
                        return false;
                    last = now;
                    return true;
                },
                5000);
            if (moved) continue;
            keep(last, where);
            ADD_FAILURE() << "the screens stood still " << where.toStdString() << " after "
                          << change - 1 << " changes";
            return;
        }
    }

    // `1` in the opened case (every segment lit, as `shot` shows it) starts Game A: its mark
    // stays lit, Game B's goes out.
    void start_game_a(QPoint origin) {
        const QImage all_lit = shot;
        desktop->key(QStringLiteral("1"));
        const bool game_a = wait_for(
            [&] {
                shot = desktop->screenshot();
                return skin->alike(im_panel_game_b, shot, all_lit, origin) < 0.5;
            },
            10000);
        ASSERT_TRUE(game_a) << "Game A did not start";
        EXPECT_GT(skin->alike(im_panel_game_a, shot, all_lit, origin), 0.9);
    }

    // F12 makes the window cover the output, with the game in its middle playing on; F12
    // again brings back a window of the case's size with the desktop around it, the game still
    // playing. `shot` shows it then.
    void expect_fullscreen_and_back() {
        desktop->key(QStringLiteral("F12"));
        const QPoint middle = fullscreen_origin(skin->game_size());
        ASSERT_TRUE(wait_for_case(im_background_open, middle)) << "no fullscreen game";
        EXPECT_LT(desktop_share(shot, desktop_shot), 0.02);
        if (const auto window = desktop->game_window()) {
            EXPECT_TRUE(window->fullscreen);
            EXPECT_EQ(window->rect, QRect(QPoint(0, 0), kOutputSize));
        }
        expect_screens_keep_moving(middle, QStringLiteral("fullscreen"));

        desktop->key(QStringLiteral("F12"));
        const std::optional<QPoint> back = wait_for_window(im_background_open);
        ASSERT_TRUE(back.has_value()) << "the windowed case did not come back";
        EXPECT_GT(skin->desktop_around(im_background_open, shot, desktop_shot, *back), 0.95);
        expect_screens_keep_moving(*back, QStringLiteral("windowed-again"));
        shot = desktop->screenshot();
    }

    // Where the window showing `case_picture` is now.
    std::optional<QPoint> window_origin(ImageId case_picture) {
        if (const auto window = desktop->game_window()) return window->rect.topLeft();
        return skin->locate(case_picture, desktop->screenshot(), desktop_shot);
    }

    // Drags the window showing `case_picture` at `origin` by the pointer from `from` towards
    // `from + by`, in small steps. The compositor takes over only once the game has asked it
    // to, and it ignores a late request after the button is up: the button stays down until
    // the window has been seen to follow. The window's new origin, once it has come to rest.
    std::optional<QPoint> drag(ImageId case_picture, QPoint origin, QPoint from, QPoint by) {
        desktop->pointer_to(from);
        desktop->left_button(true);
        constexpr int kSteps = 40;
        bool following = false;
        for (int step = 1; step <= kSteps; ++step) {
            desktop->pointer_to(from + by * step / kSteps);
            if (following) continue;
            const std::optional<QPoint> now = window_origin(case_picture);
            following = now && *now != origin;
        }
        desktop->left_button(false);
        if (!following) return std::nullopt;
        // The compositor may still be working through the last motions when it is asked where
        // the window is: the new origin is the one where the case is seen.
        std::optional<QPoint> settled;
        wait_for(
            [&] {
                settled = window_origin(case_picture);
                if (!settled) return false;
                shot = desktop->screenshot();
                return skin->shown(case_picture, shot, *settled) > 0.95;
            },
            15000);
        return settled;
    }

    std::unique_ptr<Desktop> desktop;
    std::optional<SkinView> skin;
    QImage desktop_shot;  // before the game came
    QImage shot;          // the latest one waited on
    QTemporaryDir config_home;
    QProcess game;
};

// sway, headless: the whole game from the keyboard, the window moved by the compositor after
// the pointer, fullscreen and back, and Esc; sway also reports where it put the window.
class PlayedOnSway : public WaylandGame {
  protected:
    void SetUp() override {
        start_desktop(make_sway_desktop(QString::fromUtf8(qgetenv("GORVO_TEST_POINTER"))));
    }
};

TEST_F(PlayedOnSway, WindowedAndFullscreenTheGameRunsOnScreenFromTheKeyboardUntilEsc) {
    start_game();
    const QSize size = skin->game_size();

    // The closed case as the skin draws it, and the desktop around it.
    const std::optional<QPoint> origin = wait_for_window(im_background_closed);
    ASSERT_TRUE(origin.has_value()) << "no closed case on the desktop; the game " << game_state();
    EXPECT_GT(skin->shown(im_background_closed, shot, *origin), 0.98);
    EXPECT_GT(skin->desktop_around(im_background_closed, shot, desktop_shot, *origin), 0.98);
    std::optional<CompositorWindow> window = desktop->game_window();
    ASSERT_TRUE(window.has_value());
    EXPECT_EQ(window->rect, QRect(*origin, size));
    EXPECT_FALSE(window->fullscreen);
    ASSERT_TRUE(wait_for([&] { return desktop->game_window()->focused; }, 10000));

    // `5` opens the case, every segment lit; `1` starts Game A.
    desktop->key(QStringLiteral("5"));
    ASSERT_TRUE(wait_for_case(im_background_open, *origin)) << "the case did not open";
    start_game_a(*origin);
    expect_screens_keep_moving(*origin, QStringLiteral("windowed"));

    // The compositor moves the window after the pointer, as far as the pointer went at most:
    // right and a little up, so that the whole case stays on the output (the open case is only
    // 52 rows shorter than the output, and the window starts centred).
    const QPoint by(80, -20);
    const std::optional<QPoint> moved =
        drag(im_background_open, *origin, *origin + skin->bare_point(im_background_open), by);
    ASSERT_TRUE(moved.has_value()) << "the window did not follow the pointer";
    EXPECT_TRUE(wait_for_case(im_background_open, *moved)) << "the case is not where it went";
    const QPoint went = *moved - *origin;
    EXPECT_TRUE(went.x() > 0 && went.x() <= by.x() && went.y() < 0 && went.y() >= by.y())
        << "the window went by " << went.x() << "," << went.y();

    expect_fullscreen_and_back();
    window = desktop->game_window();
    ASSERT_TRUE(window.has_value());
    EXPECT_FALSE(window->fullscreen);
    EXPECT_EQ(window->rect.size(), size);

    desktop->key(QStringLiteral("Escape"));
    ASSERT_TRUE(game.waitForFinished(10000)) << "Esc did not end the program";
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0) << game_state();
}

// weston's desktop shell, with a window below the game that reports its clicks: sway hands
// every click inside a floating window's rectangle to that window, so only a desktop like
// this one shows the clicks on the see-through parts going through. Its panel shows that
// fullscreen covers everything.
class PlayedOnWeston : public WaylandGame {
  protected:
    void SetUp() override { start_desktop(make_weston_desktop()); }
    void TearDown() override {
        WaylandGame::TearDown();
        below.kill();
        below.waitForFinished(5000);
    }

    // The window below, as large as the output; the desktop, from then on, is the one with
    // that window on it.
    void open_window_below() {
        below.setProcessEnvironment(desktop->client_environment());
        // Line by line: its report goes into a pipe.
        below.start(QStringLiteral("stdbuf"),
                    {"-oL", "weston-eventdemo", "--log-button", "--no-border",
                     QStringLiteral("--width=%1").arg(kOutputSize.width()),
                     QStringLiteral("--height=%1").arg(kOutputSize.height())});
        QImage last;
        ASSERT_TRUE(wait_for(
            [&] {
                const QImage now = desktop->screenshot();
                const int covered = pixels_changed(now, desktop_shot, now.rect());
                const bool drawn = now == last && covered > now.width() * now.height() / 2;
                last = now;
                return drawn;
            },
            20000))
            << "weston-eventdemo showed no window";
        desktop_shot = last;
    }

    void click(QPoint at) {
        desktop->pointer_to(at);
        desktop->left_button(true);
        desktop->left_button(false);
    }

    QProcess below;
};

TEST_F(PlayedOnWeston, TheCaseOverTheDesktopTakesClicksOnlyWhereItIsSolidAndFullscreenCoversAll) {
    if (!missing_programs({"weston-eventdemo"}).isEmpty())
        GTEST_SKIP() << "weston-eventdemo is not installed (the weston package has it)";
    open_window_below();
    start_game();
    const std::optional<QPoint> origin = wait_for_window(im_background_closed);
    ASSERT_TRUE(origin.has_value()) << "no closed case on the desktop; the game " << game_state();
    EXPECT_GT(skin->shown(im_background_closed, shot, *origin), 0.98);
    EXPECT_GT(skin->desktop_around(im_background_closed, shot, desktop_shot, *origin), 0.98);

    // A click on the case opens it; `1` starts Game A.
    click(*origin + skin->bare_point(im_background_closed));
    ASSERT_TRUE(wait_for_case(im_background_open, *origin)) << "the click did not open the case";
    start_game_a(*origin);
    expect_screens_keep_moving(*origin, QStringLiteral("windowed"));

    expect_fullscreen_and_back();

    // A click on a see-through part of the case reaches the window below.
    const std::optional<QPoint> back = skin->locate(im_background_open, shot, desktop_shot);
    ASSERT_TRUE(back.has_value());
    below.readAllStandardOutput();
    click(*back + skin->clear_point(im_background_open));
    const bool reached = wait_for(
        [&] {
            below.waitForReadyRead(50);
            return below.readAllStandardOutput().contains("state: pressed");
        },
        10000);
    EXPECT_TRUE(reached) << "the window below the case got no click";
}

}  // namespace
}  // namespace gorvo::test
