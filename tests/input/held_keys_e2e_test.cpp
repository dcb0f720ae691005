// Keys on the real program, on an X server of the test's own with its auto-repeat on and no
// window manager: a held key reaches the game as one press and, only when it is let go, one
// release; and the shortcuts act at once after a window over the game closes. The game's own
// account of the actions it ran is read from its probe file (GORVO_PROBE_FILE).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <chrono>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/qt/program_folder.h"
#include "support/qt/test_app.h"
#include "support/qt/x_desktop.h"
#include "support/wait.h"
#include "support/x_server.h"

namespace gorvo::test {
namespace {

using std::chrono::seconds;

// Controls by their binding number (Key1..Key9).
constexpr int kGameA = 1, kAcl = 4, kRight = 7;

// The steady clock in milliseconds: the clock of the probe lines.
double now_ms() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// "action <t> <n> <down|repeat|up>"
struct Action {
    double at = 0;
    int control = 0;
    std::string what;
};

// What the game ran for one control, in short: its presses and releases (the first few) with
// their times from the first one, and how many repeats came between.
std::string describe(const std::vector<Action>& actions) {
    std::ostringstream text;
    int repeats = 0, listed = 0;
    for (const Action& a : actions) {
        if (a.what == "repeat") {
            ++repeats;
        } else if (++listed <= 8) {
            text << a.what << " at +" << static_cast<long>(a.at - actions.front().at)
                 << " ms, after " << repeats << " repeats\n";
        }
    }
    text << listed << " presses and releases, " << repeats << " repeats in all\n";
    return text.str();
}

class RealKeyboard : public ::testing::Test {
  protected:
    void SetUp() override {
        ensure_qt_core_app();
        ASSERT_FALSE(program_dir().isEmpty()) << "GORVO_PROGRAM_DIR is not set";
        server = std::make_unique<XServer>();
        desktop = std::make_unique<XDesktop>(server->display());
        ASSERT_TRUE(auto_repeat_on()) << "the X server's auto-repeat is off: nothing to test";

        // Windowed, with a store of its own; straight into the game with no sound and no splash.
        ASSERT_TRUE(QDir(home.path()).mkpath("Quillmark"));
        QFile conf(home.filePath("Quillmark/Gorvo250.conf"));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("[General]\nFullscreenMode=0\nSoundMode=2\nSplashScreen=0\n");
        conf.close();
        QProcessEnvironment env = desktop->environment();
        env.insert("XDG_CONFIG_HOME", home.path());
        env.insert("GORVO_PROBE_FILE", home.filePath("probe.txt"));
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(program_dir());
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        game.start(QDir(program_dir()).filePath("gorvo250"), {});
        ASSERT_TRUE(game.waitForStarted(10000));

        // No window manager: the program gives its window the keyboard itself.
        window = desktop->wait_for_window("^Gorvo250$");
        ASSERT_FALSE(window.isEmpty()) << "the window never appeared";
        ASSERT_TRUE(
            wait_until([&] { return desktop->xdotool({"getwindowfocus"}) == window; }, seconds(10)))
            << "the window never got the keyboard";
    }
    void TearDown() override {
        if (game.state() != QProcess::NotRunning) {
            game.kill();
            game.waitForFinished(5000);
        }
    }

    bool auto_repeat_on() const {
        QProcess xset;
        xset.setProcessEnvironment(desktop->environment());
        xset.start("xset", {"q"});
        xset.waitForFinished(10000);
        return QString::fromUtf8(xset.readAllStandardOutput())
            .contains(QRegularExpression("auto repeat:\\s+on"));
    }

    std::vector<Action> actions(int control) const {
        std::vector<Action> found;
        QFile file(home.filePath("probe.txt"));
        if (!file.open(QIODevice::ReadOnly)) return found;
        QTextStream in(&file);
        while (!in.atEnd()) {
            std::istringstream fields(in.readLine().toStdString());
            std::string kind;
            Action a;
            if (fields >> kind >> a.at >> a.control >> a.what && kind == "action" &&
                a.control == control) {
                found.push_back(a);
            }
        }
        return found;
    }

    // The first action of `control` that is `what`, once the game has run it.
    std::optional<Action> wait_for_action(int control, const std::string& what,
                                          std::chrono::milliseconds timeout) const {
        return wait_for(
            [&]() -> std::optional<Action> {
                for (const Action& a : actions(control)) {
                    if (a.what == what) return a;
                }
                return std::nullopt;
            },
            timeout);
    }

    // Holds the key down until its repeated presses have reached the game for five seconds, then
    // lets go: the game must have run its press once, and its release once, after the key came
    // up.
    void hold_for_five_seconds(const QString& key, int control) {
        SCOPED_TRACE(key.toStdString());
        desktop->xdotool({"keydown", key});
        const std::optional<Action> down = wait_for_action(control, "down", seconds(10));
        ASSERT_TRUE(down.has_value()) << "the press never reached the game";
        const bool repeated = wait_until(
            [&] {
                const std::vector<Action> seen = actions(control);
                return !seen.empty() && seen.back().at >= down->at + 5000;
            },
            seconds(20));
        const double let_go = now_ms();
        desktop->xdotool({"keyup", key});
        ASSERT_TRUE(repeated) << "the key did not repeat for five seconds:\n"
                              << describe(actions(control));
        ASSERT_TRUE(wait_for_action(control, "up", seconds(10)).has_value())
            << "the release never reached the game";

        std::vector<Action> downs, ups;
        for (const Action& a : actions(control)) {
            if (a.what == "down") downs.push_back(a);
            if (a.what == "up") ups.push_back(a);
        }
        EXPECT_EQ(downs.size(), 1u) << describe(actions(control));
        ASSERT_EQ(ups.size(), 1u) << describe(actions(control));
        EXPECT_GE(ups.front().at, let_go) << "released while the key was held";
    }

    std::unique_ptr<XServer> server;
    std::unique_ptr<XDesktop> desktop;
    QTemporaryDir home;
    QProcess game;
    QString window;
};

// Game A held shows its high score for as long as it is held, and starts when let go; then the
// right arrow held keeps Tobo's walk request for the whole hold.
TEST_F(RealKeyboard, AHeldKeyIsOnePressAndOneReleaseWhenLetGo) {
    desktop->xdotool({"key", "5"});  // opens the case
    ASSERT_TRUE(wait_for_action(kAcl, "up", seconds(10)).has_value());
    hold_for_five_seconds("1", kGameA);
    hold_for_five_seconds("Right", kRight);
}

TEST_F(RealKeyboard, ShortcutsActAtOnceAfterTheManualClosesWithoutAWindowManager) {
    desktop->xdotool({"key", "F4"});
    ASSERT_FALSE(desktop->wait_for_window("^Manual$", seconds(10)).isEmpty());
    ASSERT_TRUE(
        wait_until([&] { return desktop->xdotool({"getwindowfocus"}) != window; }, seconds(10)));
    desktop->xdotool({"key", "Escape"});
    ASSERT_TRUE(wait_until([&] { return desktop->windows("^Manual$").isEmpty(); }, seconds(10)));
    desktop->xdotool({"key", "F12"});
    EXPECT_TRUE(wait_until([&] { return desktop->geometry(window).size() == QSize(1280, 1024); },
                           seconds(10)))
        << "F12 did not switch to fullscreen; the window is " << desktop->geometry(window).width()
        << "x" << desktop->geometry(window).height();
}

}  // namespace
}  // namespace gorvo::test
