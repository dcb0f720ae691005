// Small tools for tests that drive programs from outside: running a command to its end, finding
// programs on the PATH, and waiting for a condition with a deadline.
#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>

namespace gorvo::test {

struct Finished {
    int exit_code = -1;  // -1: did not start, crashed or timed out
    QByteArray out;
    QByteArray err;
};

// Runs `program` to its end (at most `timeout_ms`), with `env` when it is not empty.
Finished run(const QString& program, const QStringList& args,
             const QProcessEnvironment& env = QProcessEnvironment(), int timeout_ms = 10000);

// The programs of `names` that are not on the PATH, joined by ", "; empty when all are there.
QString missing_programs(const QStringList& names);

// Polls `condition` every 50 ms until it holds or `timeout_ms` have passed; true when it held.
bool wait_for(const std::function<bool()>& condition, int timeout_ms);

}  // namespace gorvo::test
