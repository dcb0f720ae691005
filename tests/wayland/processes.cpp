#include "processes.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

namespace gorvo::test {

Finished run(const QString& program, const QStringList& args, const QProcessEnvironment& env,
             int timeout_ms) {
    QProcess p;
    if (!env.isEmpty()) p.setProcessEnvironment(env);
    p.start(program, args);
    Finished result;
    if (!p.waitForStarted(timeout_ms)) return result;
    if (!p.waitForFinished(timeout_ms)) {
        p.kill();
        p.waitForFinished(2000);
        return result;
    }
    result.out = p.readAllStandardOutput();
    result.err = p.readAllStandardError();
    if (p.exitStatus() == QProcess::NormalExit) result.exit_code = p.exitCode();
    return result;
}

QString missing_programs(const QStringList& names) {
    QStringList missing;
    for (const QString& name : names) {
        if (QStandardPaths::findExecutable(name).isEmpty()) missing << name;
    }
    return missing.join(QStringLiteral(", "));
}

bool wait_for(const std::function<bool()>& condition, int timeout_ms) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (condition()) return true;
        if (waited.elapsed() >= timeout_ms) return false;
        QThread::msleep(50);
    }
}

}  // namespace gorvo::test
