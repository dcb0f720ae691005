// gorvo250: the simulated handheld on the desktop.
#include <QApplication>
#include <QThreadPool>
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/replay_file.h"

#include "app/process_start.h"
#include "app/program.h"
#include "ui/key_repeat_x11.h"
#include "ui/startup_marks.h"

// The font and message-bus libraries keep their caches for the life of the process by design,
// and Qt's Wayland platform leaves protocol objects still in flight (a pointer event, an
// activation request) to the end of the process; the leak checker of the sanitizer build is
// told so, and reports everything else.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\n"
           "leak:libQt6WaylandClient.so\nleak:libwayland-client.so\n"
           "leak:wayland-shell-integration\n";
}

namespace {

// The arguments after the program name, with the toolkit's own options taken out.
std::vector<std::string> arguments(const QApplication& app) {
    std::vector<std::string> args;
    const QStringList all = app.arguments();
    for (qsizetype i = 1; i < all.size(); ++i)
        args.push_back(all[i].toStdString());
    return args;
}

// The program's life: its windows, its game and its event loop; the exit status.
int run_program(gorvo::app::ProgramSetup setup) {
    gorvo::app::Program program(std::move(setup));
    if (!program.created()) return 1;
    program.start();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    gorvo::app::mark_process_start();
    gorvo::ui::startup::mark("main");
    QApplication app(argc, argv);
    gorvo::ui::startup::mark("qt_application");
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationName(QStringLiteral("Gorvo250"));
    // Ties the windows to the installed desktop entry (gorvo250.desktop): the task bar of a
    // Wayland session shows its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("gorvo250"));
    // The program ends by its own rules (the main window's close step, Exit, Esc in the splash
    // window), never because the window that happens to be the last one was hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    // A held key must reach the game as one release, when it is let go.
    gorvo::ui::ask_for_physical_key_releases();

    const gorvo::app::CommandLineParse command = gorvo::app::parse_command_line(arguments(app));
    if (!command.ok()) {
        std::fprintf(stderr, "gorvo250: %s\n\n%s", command.error.c_str(),
                     gorvo::app::command_line_usage().c_str());
        return 2;
    }
    if (command.line.help) {
        std::fputs(gorvo::app::command_line_usage().c_str(), stdout);
        return 0;
    }
    gorvo::app::ProgramSetup setup;
    if (command.line.replay) {
        gorvo::app::ReplayFile file = gorvo::app::read_replay_file(*command.line.replay);
        if (!file.ok()) {
            std::fprintf(stderr, "gorvo250: %s\n", file.error.c_str());
            return 2;
        }
        setup.replay = std::move(file.script);
        setup.replay_speed = command.line.speed;
    }

    const int status = run_program(std::move(setup));
    // The toolkit converts large pictures on worker threads of its own, which stay alive for a
    // while after their work: they are ended here, so that none is cut off halfway through its
    // own ending when the process ends.
    QThreadPool::globalInstance()->waitForDone();
    return status;
}
