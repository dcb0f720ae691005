#include "support/qt/x_desktop.h"

#include <QDeadlineTimer>
#include <QScopeGuard>

#include "support/wait.h"

namespace gorvo::test {

XDesktop::XDesktop(const std::string& display) : display_(QString::fromStdString(display)) {}

QProcessEnvironment XDesktop::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

QByteArray XDesktop::run(const QString& program, const QStringList& args) const {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(program, args);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return p.readAllStandardOutput();
}

QString XDesktop::xdotool(const QStringList& args) const {
    return QString::fromUtf8(run(QStringLiteral("xdotool"), args)).trimmed();
}

QStringList XDesktop::windows(const QString& title_pattern) const {
    const QString ids = xdotool({"search", "--onlyvisible", "--name", title_pattern});
    return ids.isEmpty() ? QStringList() : ids.split('\n');
}

QString XDesktop::wait_for_window(const QString& title_pattern,
                                  std::chrono::milliseconds timeout) const {
    return wait_for(
               [&]() -> std::optional<QString> {
                   const QStringList ids = windows(title_pattern);
                   if (ids.isEmpty()) return std::nullopt;
                   return ids.first();
               },
               timeout, std::chrono::milliseconds(50))
        .value_or(QString());
}

QRect XDesktop::geometry(const QString& window) const {
    const QString shell = xdotool({"getwindowgeometry", "--shell", window});
    int x = 0, y = 0, width = -1, height = -1;
    for (const QString& line : shell.split('\n')) {
        const QString value = line.section('=', 1);
        if (line.startsWith("X=")) x = value.toInt();
        if (line.startsWith("Y=")) y = value.toInt();
        if (line.startsWith("WIDTH=")) width = value.toInt();
        if (line.startsWith("HEIGHT=")) height = value.toInt();
    }
    if (width < 0 || height < 0) return {};
    return QRect(x, y, width, height);
}

QImage XDesktop::screenshot() const {
    QImage shot;
    shot.loadFromData(run(QStringLiteral("import"), {"-window", "root", "png:-"}), "PNG");
    return shot.isNull() ? shot : shot.convertToFormat(QImage::Format_RGB32);
}

std::optional<QImage> XDesktop::wait_for_screen(const std::function<bool(const QImage&)>& holds,
                                                std::chrono::milliseconds timeout,
                                                QImage* last) const {
    return wait_for(
        [&]() -> std::optional<QImage> {
            QImage shot = screenshot();
            if (last) *last = shot;
            if (shot.isNull() || !holds(shot)) return std::nullopt;
            return shot;
        },
        timeout, std::chrono::milliseconds(20));
}

QRegularExpressionMatch wait_for_line(QProcess& process, const QRegularExpression& line,
                                      std::chrono::milliseconds timeout, QByteArray& seen,
                                      QProcess::ProcessChannel channel) {
    const QDeadlineTimer deadline(timeout);
    const QProcess::ProcessChannel was = process.readChannel();
    process.setReadChannel(channel);  // waitForReadyRead watches the read channel only
    const auto restore = qScopeGuard([&] { process.setReadChannel(was); });
    for (;;) {
        seen += channel == QProcess::StandardError ? process.readAllStandardError()
                                                   : process.readAllStandardOutput();
        const QRegularExpressionMatch match = line.match(QString::fromUtf8(seen));
        if (match.hasMatch() || deadline.hasExpired()) return match;
        if (process.state() == QProcess::NotRunning) {
            seen += channel == QProcess::StandardError ? process.readAllStandardError()
                                                       : process.readAllStandardOutput();
            return line.match(QString::fromUtf8(seen));
        }
        process.waitForReadyRead(static_cast<int>(std::min<qint64>(deadline.remainingTime(), 100)));
    }
}

}  // namespace gorvo::test
