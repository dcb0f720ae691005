// A program started for a measurement: its own environment and working folder, its error output
// read as it comes (for the first-paint report), ended by the harness.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace gorvo::bench {

using Clock = std::chrono::steady_clock;

// Milliseconds on the steady clock, the clock of the program's probe lines.
double steady_ms(Clock::time_point t);

// A settings folder (XDG_CONFIG_HOME) of its own, written so that the game starts at once:
// "(no sound)" chosen, no splash window, the windowed presentation. It is the game's cache folder
// (XDG_CACHE_HOME) as well.
class GameConfigHome {
  public:
    GameConfigHome();
    bool ok() const { return ok_; }
    QString path() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
    bool ok_ = false;
};

struct LaunchSpec {
    QString executable;
    QStringList arguments;
    QString working_dir;
    QProcessEnvironment environment;
};

// The environment of the display session with the given additions.
QProcessEnvironment session_environment(const QStringList& assignments);

class RunningProgram {
  public:
    explicit RunningProgram(const LaunchSpec& launch);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool started() const { return started_; }
    long long pid() const { return process_.processId(); }
    bool running() const { return process_.state() == QProcess::Running; }

    // The real time from the start until the program wrote "first_paint <ms>" to its error
    // output; nothing if it did not within the timeout (or ended).
    std::optional<double> wait_first_paint(int timeout_ms);
    // The figure the program itself reported, once seen.
    std::optional<double> reported_first_paint() const { return reported_; }
    // The start-up marks the program wrote so far ("startup_mark <ms> <cpu ms> <faults> <what>"):
    // each step's milliseconds from main(), by name, in the order written.
    std::vector<std::pair<std::string, double>> startup_marks() const;
    // Lets `ms` pass, reading the program's output meanwhile so that it never blocks on it.
    void pause(int ms);
    // Waits for the program to end by itself; true if it did, with exit code 0.
    bool wait_clean_exit(int timeout_ms);
    void kill();

  private:
    void read_output();

    QProcess process_;
    bool started_ = false;
    Clock::time_point started_at_{};
    QByteArray error_output_;
    std::optional<double> reported_;
};

}  // namespace gorvo::bench
