#include "desktop/running_program.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <thread>

namespace gorvo::bench {

double steady_ms(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(t.time_since_epoch()).count();
}

GameConfigHome::GameConfigHome() {
    if (!dir_.isValid() || !QDir(dir_.path()).mkpath(QStringLiteral("Quillmark"))) return;
    QFile conf(QDir(dir_.path()).filePath(QStringLiteral("Quillmark/Gorvo250.conf")));
    if (!conf.open(QIODevice::WriteOnly)) return;
    ok_ = conf.write("[General]\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\n") > 0;
}

QProcessEnvironment session_environment(const QStringList& assignments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The display session's own platform (xcb under Xvfb), never a test's offscreen one.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const QString& a : assignments) {
        const qsizetype eq = a.indexOf('=');
        env.insert(a.left(eq), a.mid(eq + 1));
    }
    return env;
}

RunningProgram::RunningProgram(const LaunchSpec& launch) {
    process_.setProcessEnvironment(launch.environment);
    process_.setWorkingDirectory(launch.working_dir);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    started_at_ = Clock::now();
    process_.start(launch.executable, launch.arguments);
    started_ = process_.waitForStarted(10000);
    // The first-paint report comes on the error output: that is the channel waited on.
    process_.setReadChannel(QProcess::StandardError);
}

RunningProgram::~RunningProgram() {
    kill();
}

void RunningProgram::read_output() {
    process_.readAllStandardOutput();
    error_output_ += process_.readAllStandardError();
    if (reported_) return;
    const qsizetype at = error_output_.indexOf("first_paint ");
    if (at < 0) return;
    const qsizetype end = error_output_.indexOf('\n', at);
    if (end < 0) return;
    bool ok = false;
    const double ms = error_output_.mid(at + 12, end - at - 12).trimmed().toDouble(&ok);
    if (ok) reported_ = ms;
}

std::vector<std::pair<std::string, double>> RunningProgram::startup_marks() const {
    std::vector<std::pair<std::string, double>> marks;
    for (const QByteArray& line : error_output_.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() != 5 || fields[0] != "startup_mark") continue;
        bool ok = false;
        const double ms = fields[1].toDouble(&ok);
        if (ok) marks.emplace_back(fields[4].toStdString(), ms);
    }
    return marks;
}

std::optional<double> RunningProgram::wait_first_paint(int timeout_ms) {
    const Clock::time_point give_up = Clock::now() + std::chrono::milliseconds(timeout_ms);
    while (!reported_ && running() && Clock::now() < give_up) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(give_up - Clock::now());
        process_.waitForReadyRead(static_cast<int>(std::max<long long>(left.count(), 1)));
        read_output();
        if (reported_) {
            return std::chrono::duration<double, std::milli>(Clock::now() - started_at_).count();
        }
    }
    return std::nullopt;
}

void RunningProgram::pause(int ms) {
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < until) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        if (running()) {
            process_.waitForReadyRead(static_cast<int>(std::max<long long>(left.count(), 1)));
            read_output();
        } else {
            std::this_thread::sleep_for(left);
        }
    }
}

bool RunningProgram::wait_clean_exit(int timeout_ms) {
    if (!process_.waitForFinished(timeout_ms)) return false;
    read_output();
    return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

void RunningProgram::kill() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(5000);
}

}  // namespace gorvo::bench
