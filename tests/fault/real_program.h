// The real program, run for a fault test: without a display (Qt's offscreen platform), with a
// settings folder of its own and the observer style loaded into it, which writes down every
// message box and window, answers the boxes as a player would and ends the program a moment
// after it came up.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>
#include <vector>

namespace gorvo::fault {

// The program folder of the build and the program in it.
QString program_dir();
QString program_executable();

// A template for the tests' temporary folders: in memory (/dev/shm) where there is one, since a
// mirror of the program folder is hundreds of links and every run writes the settings store.
QString scratch_template();

// $XDG_CONFIG_HOME for one run. By default it holds a store that starts the game at once:
// "(no sound)" chosen, no splash window, the windowed presentation.
class ConfigHome {
  public:
    ConfigHome();
    QString path() const { return dir_.path(); }
    // The store's file, Quillmark/Gorvo250.conf.
    QString store_file() const;
    // Replaces the store's file with these bytes.
    void write_store(const QByteArray& bytes) const;

    static QByteArray quick_start();

  private:
    QTemporaryDir dir_;
};

struct ShownMessage {
    int icon = 0;  // QMessageBox::Icon
    QString title;
    QString text;
};

struct ShownWindow {
    QString class_name;
    QString title;
    int width = 0;
    int height = 0;
};

struct GameLaunch {
    QString executable = program_executable();
    QString working_dir = program_dir();
    QString config_home;
    QStringList environment;  // more NAME=value
    // How long the program runs after its first window appeared.
    int run_ms = 300;
    // A hang's limit, not a speed target: a start takes 2 s alone, up to 55 s (a 4 MiB store)
    // measured in the sanitizer build with the processors shared by other builds.
    int time_limit_ms = 240000;
};

struct GameRun {
    bool ended = false;    // by itself, within the time limit
    bool crashed = false;  // ended by a signal
    int exit_code = -1;
    QString error_output;
    std::vector<ShownMessage> messages;
    std::vector<ShownWindow> windows;
    std::optional<long long> peak_rss_kb;

    // Ended by itself, without a crash or a sanitizer's report (errors, leaks).
    bool ended_quietly() const;
    bool clean_exit() const { return ended_quietly() && exit_code == 0; }
    // The main window came up (on or off screen).
    bool main_window_shown() const;
    // For test failure output.
    QString describe() const;
};

GameRun run_game(const GameLaunch& launch);

}  // namespace gorvo::fault
