// gorvo250-bench-desktop: the real program measured as a player runs it, on an X server (run it
// under Xvfb): start-up against a minimal Qt program showing the closed case's picture, processor
// time and wake-ups with the case open and idle, processor time of a Game B being played, the
// lateness of the game's timer, the delay from a key to the repaint that shows it, and peak
// memory against the minimal program.
//
//   gorvo250-bench-desktop <program folder> <baseline program> [seconds per phase, default 60]
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "desktop/game_b_player.h"
#include "desktop/probe_log.h"
#include "desktop/process_stats.h"
#include "desktop/running_program.h"
#include "desktop/x_input.h"
#include "figures.h"

namespace gorvo::bench {

namespace {

constexpr int kStarts = 7;  // of each program; the median counts
constexpr int kFirstPaintTimeout = 15000;
const QString kWindowTitle = QStringLiteral("Gorvo250");

struct Options {
    QString program_dir;
    QString baseline;
    int seconds = 60;
};

LaunchSpec game_launch(const Options& o, const QString& config_home, const QString& probe) {
    QStringList env{QStringLiteral("GORVO_REPORT_FIRST_PAINT=1"),
                    QStringLiteral("XDG_CONFIG_HOME=") + config_home,
                    QStringLiteral("XDG_CACHE_HOME=") + config_home};
    if (!probe.isEmpty()) env << QStringLiteral("GORVO_PROBE_FILE=") + probe;
    return {QDir(o.program_dir).filePath(QStringLiteral("gorvo250")),
            {},
            o.program_dir,
            session_environment(env)};
}

LaunchSpec baseline_launch(const Options& o) {
    const QString picture =
        QDir(o.program_dir).filePath(QStringLiteral("Graphics/Skin/im_background_closed.png"));
    return {o.baseline,
            {picture},
            o.program_dir,
            session_environment({QStringLiteral("GORVO_REPORT_FIRST_PAINT=1")})};
}

// ---- start-up and the baseline's memory ----

struct Startups {
    std::vector<double> game_ms;
    std::vector<double> baseline_ms;
    std::optional<double> baseline_rss_mb;
    std::vector<double> game_reported_ms;
    // Each start-up mark's milliseconds from main(), one value per start.
    std::map<std::string, std::vector<double>> marks;
    std::vector<std::string> mark_order;
};

void start_baseline(const Options& o, Startups& s) {
    RunningProgram baseline(baseline_launch(o));
    const std::optional<double> ms = baseline.wait_first_paint(kFirstPaintTimeout);
    if (!ms) return;
    s.baseline_ms.push_back(*ms);
    // Its memory once the picture is on screen and everything has settled.
    baseline.pause(1000);
    const std::optional<double> rss = peak_rss_mb(baseline.pid());
    if (rss && (!s.baseline_rss_mb || *rss > *s.baseline_rss_mb)) s.baseline_rss_mb = rss;
}

void start_game(const Options& o, const GameConfigHome& home, Startups* s) {
    RunningProgram game(game_launch(o, home.path(), {}));
    const std::optional<double> ms = game.wait_first_paint(kFirstPaintTimeout);
    if (!ms) return;
    if (s == nullptr) {
        // A player's first start: it runs on past its first frame, long enough to write what it
        // keeps for the next start (the settings, the decoded skin).
        game.pause(2000);
        return;
    }
    s->game_ms.push_back(*ms);
    s->game_reported_ms.push_back(*game.reported_first_paint());
    // What came after the first frame is read as well.
    game.pause(200);
    for (const auto& [what, at] : game.startup_marks()) {
        if (!s->marks.count(what)) s->mark_order.push_back(what);
        s->marks[what].push_back(at);
    }
}

Startups measure_startups(const Options& o) {
    Startups s;
    // The starts measured are those of a player's day: the first start of all, which writes
    // the settings file, comes before them and is not counted. It also fills the file cache.
    GameConfigHome home;
    if (!home.ok()) return s;
    start_game(o, home, nullptr);
    QThread::msleep(300);
    // Alternating, so that a change in the machine's load touches both alike.
    for (int i = 0; i < kStarts; ++i) {
        start_baseline(o, s);
        QThread::msleep(300);
        // A program without the report is not waited for again and again.
        if (i == 0 || !s.game_ms.empty()) start_game(o, home, &s);
        QThread::msleep(300);
    }
    return s;
}

// Where the game's start-up goes: the median moment of each mark, counted from main().
void print_startup_split(const Startups& s) {
    if (s.mark_order.empty()) return;
    std::string split;
    for (const std::string& what : s.mark_order) {
        char part[96];
        std::snprintf(part, sizeof part, "%s%s %.1f", split.empty() ? "" : ", ", what.c_str(),
                      percentile(s.marks.at(what), 0.5));
        split += part;
    }
    print_note("start-up marks, median ms from main(): %s", split.c_str());
}

void print_startups(const Startups& s) {
    if (s.game_ms.empty()) {
        print_missing("startup_ms", "ms",
                      "the program did not report its first paint (GORVO_REPORT_FIRST_PAINT)");
    } else {
        print_figure("startup_ms", percentile(s.game_ms, 0.5), "ms");
    }
    if (s.baseline_ms.empty()) {
        print_missing("startup_baseline_ms", "ms", "the baseline program did not paint");
    } else {
        print_figure("startup_baseline_ms", percentile(s.baseline_ms, 0.5), "ms");
    }
    if (s.game_ms.empty() || s.baseline_ms.empty()) {
        print_missing("startup_ratio", "x", "needs both start-up figures");
    } else {
        print_figure("startup_ratio", percentile(s.game_ms, 0.5) / percentile(s.baseline_ms, 0.5),
                     "x", 2);
        print_note(
            "start-up: median of %zu starts each (the game's after its first start), from the "
            "process start to the line reporting the first paint; the game's own figure (from its "
            "start-up inside the process) was %.0f ms (target: at most 1.3 x the baseline)",
            s.game_ms.size(), percentile(s.game_reported_ms, 0.5));
    }
    print_startup_split(s);
}

// ---- one session: idle with the case open, then Game B ----

struct Session {
    bool window_shown = false;
    double idle_from = 0, idle_to = 0, play_from = 0, play_to = 0;
    Usage idle;
    Usage play;
    std::optional<double> rss_mb;
    bool clean_exit = false;
    std::vector<ProbeLine> probes;
};

double elapsed_s(double from_ms, double to_ms) {
    return (to_ms - from_ms) / 1000.0;
}

Session run_session(const Options& o) {
    Session s;
    GameConfigHome home;
    QTemporaryDir probe_dir;
    const QString probe_file = probe_dir.filePath(QStringLiteral("probes.txt"));
    RunningProgram game(game_launch(o, home.path(), probe_file));
    s.window_shown = wait_for_window(kWindowTitle, kFirstPaintTimeout);
    if (!s.window_shown) return s;
    game.pause(1000);
    // ACL opens the case: all segments lit (mode 2), no game timer running.
    key_down(QStringLiteral("5"));
    game.pause(150);
    key_up(QStringLiteral("5"));
    game.pause(2000);

    const ProcessSample idle_start = sample_process(game.pid());
    s.idle_from = steady_ms(Clock::now());
    game.pause(o.seconds * 1000);
    const ProcessSample idle_end = sample_process(game.pid());
    s.idle_to = steady_ms(Clock::now());
    s.idle = usage_between(idle_start, idle_end);

    s.play_from = steady_ms(Clock::now());
    play_game_b(game, o.seconds);
    const ProcessSample play_end = sample_process(game.pid());
    s.play_to = steady_ms(Clock::now());
    s.play = usage_between(idle_end, play_end);
    s.rss_mb = peak_rss_mb(game.pid());

    key_down(QStringLiteral("Escape"));
    key_up(QStringLiteral("Escape"));
    s.clean_exit = game.wait_clean_exit(5000);
    s.probes = read_probe_log(probe_file);
    return s;
}

void print_usage(const Session& s) {
    const double idle_s = elapsed_s(s.idle_from, s.idle_to);
    const double play_s = elapsed_s(s.play_from, s.play_to);
    print_figure("idle_cpu_percent", 100.0 * s.idle.cpu_ms / (idle_s * 1000.0), "%", 3);
    print_figure("idle_wakeups_per_min", static_cast<double>(s.idle.switches) * 60.0 / idle_s,
                 "/min");
    for (const auto& [thread, switches] : s.idle.switches_by_thread)
        print_note("idle wake-ups of thread '%s': %lld in %.0f s", thread.c_str(), switches,
                   idle_s);
    print_figure("play_cpu_percent", 100.0 * s.play.cpu_ms / (play_s * 1000.0), "%", 2);
    print_note(
        "idle: %.0f s with the case open (all segments, mode 2), targets: no game "
        "wake-ups, CPU below 0.1 %%; play: %.0f s of Game B, target: CPU below 1 %%",
        idle_s, play_s);
}

void print_probes(const Session& s) {
    const std::vector<double> idle_ticks = probe_values(s.probes, "timer", s.idle_from, s.idle_to);
    const std::vector<double> late = probe_values(s.probes, "timer", s.play_from, s.play_to);
    const std::vector<double> input = probe_values(s.probes, "input", s.play_from, s.play_to);
    const char* why =
        "the program wrote no probe lines: the calls of src/ui/probes.h are not in its engine "
        "driver and main window yet";
    if (late.empty()) {
        print_missing("timer_lateness_p50_ms", "ms", why);
        print_missing("timer_lateness_p99_ms", "ms", why);
        print_missing("timer_lateness_max_ms", "ms", why);
    } else {
        print_figure("timer_lateness_p50_ms", percentile(late, 0.5), "ms", 2);
        print_figure("timer_lateness_p99_ms", percentile(late, 0.99), "ms", 2);
        print_figure("timer_lateness_max_ms", percentile(late, 1.0), "ms", 2);
        print_note(
            "timer: %zu ticks of the game's timer during play; %zu during the idle "
            "minute (target: none idle, p99 at most 2 ms)",
            late.size(), idle_ticks.size());
    }
    if (input.empty()) {
        print_missing("input_latency_p99_ms", "ms", why);
    } else {
        print_figure("input_latency_p99_ms", percentile(input, 0.99), "ms", 2);
        print_note("input: %zu keys, p50 %.2f ms, max %.2f ms (target: p99 at most 5 ms)",
                   input.size(), percentile(input, 0.5), percentile(input, 1.0));
    }
}

void print_memory(const Session& s, const Startups& starts) {
    if (s.rss_mb) {
        print_figure("rss_mb", *s.rss_mb, "MB");
    } else {
        print_missing("rss_mb", "MB", "the program's memory could not be read");
    }
    if (starts.baseline_rss_mb) {
        print_figure("rss_baseline_mb", *starts.baseline_rss_mb, "MB");
    } else {
        print_missing("rss_baseline_mb", "MB", "the baseline program did not run");
    }
    print_note(
        "memory: peak resident set (VmHWM) after the play minute, against the baseline "
        "program showing its picture (target: at most baseline + 30 MB)");
}

int run(const Options& o) {
    const Startups starts = measure_startups(o);
    print_startups(starts);
    const Session s = run_session(o);
    if (!s.window_shown) {
        print_note("the game's window never appeared: no session figures");
        return 1;
    }
    print_usage(s);
    print_probes(s);
    print_memory(s, starts);
    if (!s.clean_exit) print_note("the game did not end cleanly on Esc");
    return 0;
}

}  // namespace

}  // namespace gorvo::bench

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr,
                     "usage: gorvo250-bench-desktop <program folder> <baseline program> "
                     "[seconds per phase]\n");
        return 2;
    }
    gorvo::bench::Options o;
    o.program_dir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    o.baseline = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    if (argc == 4) o.seconds = std::max(1, QString::fromLocal8Bit(argv[3]).toInt());
    return gorvo::bench::run(o);
}
