// The real program on a real X server: open the case, start Game A from the keyboard, bring
// Tobo in, and look at the screen where his segments are. Run under Xvfb by CTest.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <vector>

#include "core/images.h"
#include "skin/profile.h"

namespace gorvo::test {
namespace {

QCoreApplication& app() {
    static int argc = 1;
    static char name[] = "ui_e2e_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

QString program_dir() {
    return QString::fromUtf8(qgetenv("GORVO_PROGRAM_DIR"));
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray run_bytes(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return p.readAllStandardOutput();
}

void pause_ms(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

void xdotool(const QStringList& args) {
    run("xdotool", args);
}

QImage screenshot() {
    QImage shot;
    shot.loadFromData(run_bytes("import", {"-window", "root", "png:-"}), "PNG");
    return shot.convertToFormat(QImage::Format_RGB32);
}

// A segment on the screen: the points where its picture is opaque and no other segment can
// cover it, in screen coordinates.
struct Segment {
    std::vector<QPoint> points;
};

QRect rect_in(const skin::Profile& ini, int n) {
    const std::string section = "Image" + std::to_string(n);
    return QRect(ini.read_int(section, "Left", 0), ini.read_int(section, "Top", 0),
                 ini.read_int(section, "Width", 0), ini.read_int(section, "Height", 0));
}

bool is_segment(ImageId id) {
    const std::string_view name = kImageDefs[id].name;
    return name.substr(0, 3) == "im_" && name.substr(0, 13) != "im_background";
}

bool under_another_segment(const skin::Profile& ini, ImageId id, QPoint p) {
    for (int n = 1; n <= kSkinImageCount; ++n) {
        const ImageId other = kSkinImages[n - 1];
        if (other != id && is_segment(other) && rect_in(ini, n).contains(p)) return true;
    }
    return false;
}

Segment segment_on_screen(const skin::Profile& ini, ImageId id, QPoint window_origin) {
    int n = 1;
    while (n <= kSkinImageCount && kSkinImages[n - 1] != id)
        ++n;
    const std::string section = "Image" + std::to_string(n);
    const QString skin_dir =
        QString::fromStdString(ini.read_string("Common", "SkinDir", "")).replace('\\', '/');
    const QString file = QString::fromStdString(ini.read_string(section, "Filename", ""));
    const QImage picture(QDir(program_dir()).filePath(skin_dir + file));
    const QPoint at = rect_in(ini, n).topLeft();
    Segment s;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint p = at + QPoint(x, y);
            if (qAlpha(picture.pixel(x, y)) > 200 && !under_another_segment(ini, id, p)) {
                s.points.push_back(window_origin + p);
            }
        }
    }
    return s;
}

bool same_colour(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 16 && std::abs(qGreen(a) - qGreen(b)) <= 16 &&
           std::abs(qBlue(a) - qBlue(b)) <= 16;
}

// The share of the segment's points that look the same in both screenshots.
double alike(const Segment& s, const QImage& a, const QImage& b) {
    int same = 0;
    for (const QPoint& p : s.points)
        same += same_colour(a.pixel(p), b.pixel(p)) ? 1 : 0;
    return s.points.empty() ? 0.0
                            : static_cast<double>(same) / static_cast<double>(s.points.size());
}

class RealProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        app();
        ASSERT_FALSE(program_dir().isEmpty()) << "GORVO_PROGRAM_DIR is not set";
        ASSERT_FALSE(qgetenv("DISPLAY").isEmpty()) << "needs an X server (run under xvfb-run)";
        // Windowed, with a store of its own; straight into the game with no sound and no splash.
        QDir(config_home.path()).mkpath("Quillmark");
        QFile conf(config_home.filePath("Quillmark/Gorvo250.conf"));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("[General]\nFullscreenMode=0\nSoundMode=2\nSplashScreen=0\n");
        conf.close();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.insert("XDG_CONFIG_HOME", config_home.path());
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

    // Where the window is, once it is on the screen.
    std::optional<QPoint> window_origin() {
        for (int tries = 0; tries < 100; ++tries) {
            const QString id =
                run("xdotool", {"search", "--onlyvisible", "--name", "^Gorvo250$"}).trimmed();
            if (!id.isEmpty()) {
                const QString shell =
                    run("xdotool", {"getwindowgeometry", "--shell", id.split('\n').first()});
                int x = -1, y = -1;
                for (const QString& line : shell.split('\n')) {
                    if (line.startsWith("X=")) x = line.mid(2).toInt();
                    if (line.startsWith("Y=")) y = line.mid(2).toInt();
                }
                if (x >= 0 && y >= 0) return QPoint(x, y);
            }
            pause_ms(100);
        }
        return std::nullopt;
    }

    QTemporaryDir config_home;
    QProcess game;
};

TEST_F(RealProgram, GameAFromTheKeyboardBringsToboIn) {
    const std::optional<QPoint> origin = window_origin();
    ASSERT_TRUE(origin.has_value()) << "the window never appeared";
    const std::optional<skin::Profile> ini =
        skin::Profile::load(QDir(program_dir()).filePath("Config.ini").toStdString());
    ASSERT_TRUE(ini.has_value());
    const Segment entered = segment_on_screen(*ini, im_tobo_01_08, *origin);
    const Segment waiting = segment_on_screen(*ini, im_tobo_01_09, *origin);
    ASSERT_GT(entered.points.size(), 20u);
    ASSERT_GT(waiting.points.size(), 20u);
    pause_ms(500);
    const QImage closed = screenshot();

    // Open the case: every segment lit, Tobo at both places.
    xdotool({"key", "5"});
    pause_ms(700);
    const QImage all_lit = screenshot();
    EXPECT_LT(alike(entered, closed, all_lit), 0.5) << "the case did not open";

    // Game A: Tobo waits below the screen while the game starts.
    xdotool({"keydown", "1"});
    pause_ms(300);
    xdotool({"keyup", "1"});
    pause_ms(3000);
    const QImage before = screenshot();
    EXPECT_GT(alike(waiting, before, all_lit), 0.8) << "Tobo is not at the waiting place";
    EXPECT_LT(alike(entered, before, all_lit), 0.5) << "Tobo is on the screen too early";

    // Up, held long enough for his first step, brings him onto the bottom row.
    xdotool({"keydown", "Up"});
    pause_ms(300);
    xdotool({"keyup", "Up"});
    pause_ms(300);
    const QImage after = screenshot();
    EXPECT_GT(alike(entered, after, all_lit), 0.8) << "Tobo did not come in";
    EXPECT_LT(alike(waiting, after, all_lit), 0.5) << "Tobo is still waiting";

    // Esc ends the program at once.
    xdotool({"key", "Escape"});
    EXPECT_TRUE(game.waitForFinished(5000));
    EXPECT_EQ(game.exitCode(), 0);
}

}  // namespace
}  // namespace gorvo::test
