#include "desktop/x_input.h"

#include <QProcess>
#include <QStringList>
#include <QThread>
#include <QtGlobal>

namespace gorvo::bench {

namespace {

QString xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

bool wait_for_window(const QString& title, int timeout_ms) {
    const QString pattern = QLatin1Char('^') + title + QLatin1Char('$');
    for (int waited = 0; waited < timeout_ms; waited += 50) {
        const QStringList args{QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                               QStringLiteral("--name"), pattern};
        if (!xdotool(args).trimmed().isEmpty()) return true;
        QThread::msleep(50);
    }
    return false;
}

void key_down(const QString& key) {
    xdotool({QStringLiteral("keydown"), key});
}

void key_up(const QString& key) {
    xdotool({QStringLiteral("keyup"), key});
}

}  // namespace gorvo::bench
