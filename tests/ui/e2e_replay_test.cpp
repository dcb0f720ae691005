// A recorded game watched with --replay on an X server of its own: at three instants where the
// LCD stays still for a while, every segment on the screen is lit or not as the simulator's
// trace of the same recording has it, in the order of the recording. Every step waits for what
// the screen shows.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <chrono>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/images.h"
#include "real_program.h"
#include "replay/playback_time.h"
#include "support/qt/game_screen.h"
#include "support/qt/x_desktop.h"
#include "support/x_server.h"

namespace gorvo::test {
namespace {

using std::chrono::seconds;

// Two games of a real session: the case opened and left still for four seconds, Game A played
// to its end and left still for five, then Game B played to its end.
QString recording() {
    return QDir(QString::fromUtf8(qgetenv("GORVO_TEST_DATA_DIR"))).filePath("two-games.txt");
}

// What the simulator's trace says of the LCD: when it changed, and each segment's shows and
// hides.
struct Trace {
    std::vector<Millis> changes;                                        // increasing
    std::map<std::string, std::vector<std::pair<Millis, bool>>> shown;  // by image name

    static Trace parse(const std::string& text) {
        Trace trace;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            std::istringstream words(line);
            Millis at = 0;
            std::string what, name;
            words >> at >> what >> name;
            if (what != "show" && what != "hide" && what != "picture") continue;
            if (trace.changes.empty() || trace.changes.back() != at) trace.changes.push_back(at);
            if (what != "picture") trace.shown[name].emplace_back(at, what == "show");
        }
        return trace;
    }
    bool shown_at(const std::string& image, Millis t) const {
        bool on = false;
        const auto found = shown.find(image);
        if (found == shown.end()) return false;
        for (const auto& [at, show] : found->second) {
            if (at > t) break;
            on = show;
        }
        return on;
    }
    // Instants in the middle of the stretches where the LCD stays still for `least` ms at
    // least but is not shortened in playback, then the last change, which stays on the screen
    // once the recording has ended.
    std::vector<Millis> still_instants(Millis least) const {
        std::vector<Millis> instants;
        for (size_t i = 0; i + 1 < changes.size(); ++i) {
            const Millis length = changes[i + 1] - changes[i];
            if (length >= least && length <= replay::kLongestStill)
                instants.push_back(changes[i] + length / 2);
        }
        if (!changes.empty()) instants.push_back(changes.back());
        return instants;
    }
};

// The LCD's segments, but the score digits, whose pictures change with the score.
bool compared(ImageId id) {
    const std::string_view name = kImageDefs[id].name;
    return name.substr(0, 3) == "im_" && name.substr(0, 13) != "im_background" &&
           name.substr(0, 18) != "im_panel_digit_pos";
}

struct Segment {
    std::string name;
    std::vector<QPoint> points;
};

TEST(RealProgramReplay, ReplayShowsTheSimulatorsSegmentsAtItsStillInstants) {
    ensure_qt_core_app();
    ASSERT_FALSE(program_dir().isEmpty()) << "GORVO_PROGRAM_DIR is not set";
    QProcess sim;
    sim.start(QDir(program_dir()).filePath("gorvo250-sim"), {recording()});
    ASSERT_TRUE(sim.waitForFinished(60000));
    ASSERT_EQ(sim.exitCode(), 0) << sim.readAllStandardError().toStdString();
    const Trace trace = Trace::parse(sim.readAllStandardOutput().toStdString());
    // In real time: a still stretch of three seconds leaves room for screenshots of a slow
    // build, and for the segments to be compared with them.
    const std::vector<Millis> found = trace.still_instants(3000);
    ASSERT_GE(found.size(), 3u) << "the recording has too few still stretches";
    const std::vector<Millis> instants = {found[0], found[1], found.back()};

    // The segments lit at the first instant, which the closed case does not show and no other
    // segment covers, found before the game starts (in a window at the screen's corner for now):
    // the first still stretch is short.
    const std::optional<GameScreen> at_corner =
        GameScreen::load(program_dir(), QPoint(0, 0), QSize(1280, 1024));
    ASSERT_TRUE(at_corner.has_value());
    std::vector<Segment> segments;
    for (const ImageId id : kSkinImages) {
        const std::string name(kImageDefs[id].name);
        if (!compared(id) || !trace.shown_at(name, instants[0])) continue;
        std::vector<QPoint> points = at_corner->segment(id);
        if (points.size() >= 20) segments.push_back({name, std::move(points)});
    }
    ASSERT_GE(segments.size(), 50u);

    XServer server;  // 1280x1024x24
    XDesktop desktop(server.display());
    QTemporaryDir home;
    const QProcessEnvironment env = real_program_environment(desktop, home.path());
    ASSERT_FALSE(env.isEmpty()) << "no store in " << home.path().toStdString();
    QProcess game;
    game.setProcessEnvironment(env);
    game.setWorkingDirectory(program_dir());
    game.start(QDir(program_dir()).filePath("gorvo250"), {"--replay", recording()});
    ASSERT_TRUE(game.waitForStarted(10000));
    const auto stop_game = qScopeGuard([&] {
        if (game.state() == QProcess::NotRunning) return;
        game.kill();
        game.waitForFinished(5000);
    });

    const QString window = desktop.wait_for_window("^Gorvo250$", seconds(60));
    ASSERT_FALSE(window.isEmpty())
        << "the window never appeared; " << game.readAllStandardError().toStdString();
    const QPoint origin = desktop.geometry(window).topLeft();
    const std::optional<GameScreen> screen =
        GameScreen::load(program_dir(), origin, QSize(1280, 1024));
    ASSERT_TRUE(screen.has_value());
    for (Segment& s : segments) {
        for (QPoint& p : s.points)
            p += origin;
    }
    QImage last;

    // The first instant: the case open with the segments lit, each unlike the closed case.
    const QImage closed = screen->picture(im_background_closed);
    const std::optional<QImage> lit = desktop.wait_for_screen(
        [&](const QImage& shot) {
            for (const Segment& s : segments) {
                if (alike(s.points, shot, closed) > 0.5) return false;
            }
            return true;
        },
        seconds(60), &last);
    ASSERT_TRUE(lit.has_value()) << "the segments of engine time " << instants[0]
                                 << " were never lit";

    // The player's game keys are ignored: Game B and up pressed now would change the game.
    desktop.xdotool({"windowfocus", "--sync", window});
    desktop.xdotool({"key", "2", "Up"});

    // The next instants, each as the trace has it, seen after the one before. A segment is lit
    // when it looks as at the first instant, and dark when it does not.
    std::set<std::string> before;
    for (const Segment& s : segments)
        before.insert(s.name);
    for (size_t i = 1; i < instants.size(); ++i) {
        const Millis t = instants[i];
        std::set<std::string> on;
        for (const Segment& s : segments) {
            if (trace.shown_at(s.name, t)) on.insert(s.name);
        }
        ASSERT_NE(on, before) << "the screen at engine time " << t << " is the one before";
        const auto agrees = [&](const Segment& s, const QImage& shot) {
            const double a = alike(s.points, shot, *lit);
            return on.count(s.name) ? a > 0.8 : a < 0.5;
        };
        const std::optional<QImage> seen = desktop.wait_for_screen(
            [&](const QImage& shot) {
                for (const Segment& s : segments) {
                    if (!agrees(s, shot)) return false;
                }
                return true;
            },
            seconds(60), &last);
        std::string differ;
        for (const Segment& s : segments) {
            if (!agrees(s, last)) differ += " " + s.name;
        }
        ASSERT_TRUE(seen.has_value())
            << "the screen never showed engine time " << t << "; unlike the trace:" << differ;
        before = on;
    }

    // Esc ends the watching.
    desktop.xdotool({"windowfocus", "--sync", window});
    desktop.xdotool({"key", "Escape"});
    EXPECT_TRUE(game.waitForFinished(10000));
    EXPECT_EQ(game.exitCode(), 0);
}

}  // namespace
}  // namespace gorvo::test
