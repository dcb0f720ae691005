#include "fault/real_program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace gorvo::fault {

namespace {

QString unescaped(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar next = text[++i];
        out += next == QLatin1Char('n')   ? QChar('\n')
               : next == QLatin1Char('t') ? QChar('\t')
                                          : next;
    }
    return out;
}

void read_observations(const QString& file, GameRun& run) {
    QFile log(file);
    if (!log.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    for (const QByteArray& raw : log.readAll().split('\n')) {
        const QStringList f = QString::fromUtf8(raw).split(QLatin1Char('\t'));
        if (f[0] == QLatin1String("message") && f.size() == 4) {
            run.messages.push_back({f[1].toInt(), unescaped(f[2]), unescaped(f[3])});
        } else if (f[0] == QLatin1String("window") && f.size() == 5) {
            run.windows.push_back({f[1], unescaped(f[2]), f[3].toInt(), f[4].toInt()});
        } else if (f[0] == QLatin1String("peak_rss_kb") && f.size() == 2) {
            run.peak_rss_kb = f[1].toLongLong();
        }
    }
}

QProcessEnvironment environment_of(const GameLaunch& launch, const QString& log) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(GORVO_OBSERVER_PLUGINS));
    env.insert(QStringLiteral("QT_STYLE_OVERRIDE"), QStringLiteral("gorvo-observer"));
    env.insert(QStringLiteral("GORVO_OBSERVER_LOG"), log);
    env.insert(QStringLiteral("GORVO_OBSERVER_QUIT_MS"), QString::number(launch.run_ms));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), launch.config_home);
    // The program's cache of skin pictures stays with the run, out of the user's cache folder.
    env.insert(QStringLiteral("XDG_CACHE_HOME"), launch.config_home);
    for (const QString& a : launch.environment) {
        const qsizetype eq = a.indexOf(QLatin1Char('='));
        env.insert(a.left(eq), a.mid(eq + 1));
    }
    return env;
}

}  // namespace

QString program_dir() {
    return QStringLiteral(GORVO_PROGRAM_DIR);
}

QString program_executable() {
    return QDir(program_dir()).filePath(QStringLiteral("gorvo250"));
}

QString scratch_template() {
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString root = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return root + QStringLiteral("/gorvo-fault-XXXXXX");
}

ConfigHome::ConfigHome() : dir_(scratch_template()) {
    QDir(dir_.path()).mkpath(QStringLiteral("Quillmark"));
    write_store(quick_start());
}

QString ConfigHome::store_file() const {
    return QDir(dir_.path()).filePath(QStringLiteral("Quillmark/Gorvo250.conf"));
}

void ConfigHome::write_store(const QByteArray& bytes) const {
    QFile file(store_file());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

QByteArray ConfigHome::quick_start() {
    return "[General]\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\n";
}

bool GameRun::ended_quietly() const {
    return ended && !crashed && !error_output.contains(QLatin1String("Sanitizer")) &&
           !error_output.contains(QLatin1String("runtime error:"));
}

bool GameRun::main_window_shown() const {
    for (const ShownWindow& w : windows) {
        if (w.class_name.endsWith(QLatin1String("TForm1"))) return true;
    }
    return false;
}

QString GameRun::describe() const {
    QString d = QStringLiteral("ended %1, crashed %2, exit code %3\n")
                    .arg(ended)
                    .arg(crashed)
                    .arg(exit_code);
    for (const ShownMessage& m : messages)
        d += QStringLiteral("message: %1\n").arg(m.text);
    for (const ShownWindow& w : windows)
        d += QStringLiteral("window: %1 '%2' %3x%4\n")
                 .arg(w.class_name, w.title)
                 .arg(w.width)
                 .arg(w.height);
    return d + QStringLiteral("error output:\n") + error_output.right(3000);
}

GameRun run_game(const GameLaunch& launch) {
    QTemporaryDir scratch(scratch_template());
    const QString log = QDir(scratch.path()).filePath(QStringLiteral("observed.txt"));
    QProcess process;
    process.setProcessEnvironment(environment_of(launch, log));
    process.setWorkingDirectory(launch.working_dir);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(launch.executable, {});
    GameRun run;
    if (!process.waitForStarted(10000)) {
        run.error_output = process.errorString();
        return run;
    }
    run.ended = process.waitForFinished(launch.time_limit_ms);
    if (!run.ended) {
        process.kill();
        process.waitForFinished(5000);
    }
    run.crashed = run.ended && process.exitStatus() == QProcess::CrashExit;
    run.exit_code = process.exitCode();
    run.error_output = QString::fromLocal8Bit(process.readAll());
    read_observations(log, run);
    return run;
}

}  // namespace gorvo::fault
