// The real program on a real X server, from the desktop's side: the first run's splash window,
// the start straight into the game with its first-paint report, the end by Esc, and the sound
// failure when the program is started from another folder. Each test starts an X server of its own
// and waits for what the desktop shows or the program prints, never for a fixed time.
#include <gtest/gtest.h>

#include <string>

#include <QDir>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSettings>
#include <QSize>
#include <QTemporaryDir>
#include <chrono>
#include <map>

#include "support/qt/program_folder.h"
#include "support/qt/test_app.h"
#include "support/qt/x_desktop.h"
#include "support/x_server.h"

namespace gorvo::test {
namespace {

using std::chrono::seconds;

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;

QRect centred(QSize size) {
    return QRect((kScreenWidth - size.width()) / 2, (kScreenHeight - size.height()) / 2,
                 size.width(), size.height());
}

class RealStartup : public ::testing::Test {
  protected:
    void SetUp() override {
        ensure_qt_core_app();
        ASSERT_FALSE(program_dir().isEmpty()) << "GORVO_PROGRAM_DIR is not set";
        QDir(config_home.path()).mkpath(QStringLiteral("Quillmark"));
    }
    void TearDown() override {
        if (game.state() != QProcess::NotRunning) {
            game.kill();
            game.waitForFinished(5000);
        }
    }

    QString store_path() const {
        return config_home.filePath(QStringLiteral("Quillmark/Gorvo250.conf"));
    }
    void store(const std::map<QString, QString>& values) {
        QSettings settings(store_path(), QSettings::IniFormat);
        for (const auto& [name, value] : values)
            settings.setValue(name, value);
    }
    QString stored(const QString& name) const {
        return QSettings(store_path(), QSettings::IniFormat).value(name).toString();
    }

    void start(const QString& working_dir, bool report_first_paint = false) {
        QProcessEnvironment env = desktop.environment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_home.path());
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        if (report_first_paint) env.insert(QStringLiteral("GORVO_REPORT_FIRST_PAINT"), "1");
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(working_dir);
        game.start(QDir(program_dir()).filePath(QStringLiteral("gorvo250")), {});
        ASSERT_TRUE(game.waitForStarted(10000));
    }
    // What became of the game, for a failure: running or its exit, and its error output.
    std::string game_state() {
        std::string state = game.state() == QProcess::Running
                                ? std::string("still running")
                                : "ended with " + std::to_string(game.exitCode()) +
                                      (game.exitStatus() == QProcess::CrashExit ? " (crash)" : "");
        return state + "; error output:\n" + game.readAllStandardError().toStdString();
    }
    // The exit code, or -1000 when the program did not end within ten seconds.
    int wait_for_end() {
        if (!game.waitForFinished(10000)) return -1000;
        return game.exitCode();
    }
    void key(const QString& window, const QString& key_name) {
        desktop.xdotool({"windowfocus", "--sync", window});
        desktop.xdotool({"key", "--window", window, key_name});
    }
    QString wait_for_window(const QString& title_pattern) {
        return desktop.wait_for_window(title_pattern, seconds(60));
    }

    XServer server;  // 1280x1024x24
    XDesktop desktop{server.display()};
    QTemporaryDir config_home;
    QProcess game;
};

TEST_F(RealStartup, AFirstRunShowsTheSplashCentredAndEscEndsItWithoutStoringAChoice) {
    start(program_dir());
    const QString splash = wait_for_window(QStringLiteral("^About this game\\.\\.\\.$"));
    ASSERT_FALSE(splash.isEmpty()) << "no splash window; the game " << game_state();
    EXPECT_EQ(desktop.geometry(splash), centred(QSize(460, 420)));
    EXPECT_TRUE(desktop.windows(QStringLiteral("^Gorvo250$")).isEmpty());  // not yet in view
    key(splash, QStringLiteral("Escape"));
    EXPECT_EQ(wait_for_end(), 0);
    EXPECT_EQ(stored(QStringLiteral("SoundMode")), "");
    EXPECT_EQ(stored(QStringLiteral("SplashScreen")), "");
    EXPECT_EQ(stored(QStringLiteral("Key4")), "6");  // the creation's own write-back
}

TEST_F(RealStartup, AStoredDriverWithoutSplashShowsTheClosedCaseCentredAndReportsItsFirstPaint) {
    store({{"SoundMode", "2"}, {"SplashScreen", "0"}, {"FullscreenMode", "0"}});
    start(program_dir(), true);
    const QString game_window = wait_for_window(QStringLiteral("^Gorvo250$"));
    ASSERT_FALSE(game_window.isEmpty()) << "no game window; the game " << game_state();
    EXPECT_EQ(desktop.geometry(game_window), centred(QSize(605, 748)));
    EXPECT_TRUE(desktop.windows(QStringLiteral("^About this game")).isEmpty());
    QByteArray err;
    const QRegularExpressionMatch line = wait_for_line(
        game, QRegularExpression(QStringLiteral("(^|\\n)first_paint (\\d+)\\n")), seconds(30), err);
    ASSERT_TRUE(line.hasMatch()) << err.toStdString();
    EXPECT_LT(line.captured(2).toLongLong(), 60000);
    key(game_window, QStringLiteral("Escape"));
    EXPECT_EQ(wait_for_end(), 0);
}

TEST_F(RealStartup, StartedFromAnotherFolderTheSoundFailsWithTheFolderMessage) {
    store({{"SoundMode", "1"}, {"SplashScreen", "0"}});
    QTemporaryDir elsewhere;
    start(elsewhere.path());
    const QString box = wait_for_window(QStringLiteral("^Gorvo250$"));
    ASSERT_FALSE(box.isEmpty()) << "no message box; the game " << game_state();
    EXPECT_EQ(game.state(), QProcess::Running);  // waiting for the OK
    key(box, QStringLiteral("Return"));
    EXPECT_EQ(wait_for_end(), 1);
    EXPECT_EQ(stored(QStringLiteral("SoundMode")), "-1");
    EXPECT_EQ(stored(QStringLiteral("SplashScreen")), "1");
}

}  // namespace
}  // namespace gorvo::test
