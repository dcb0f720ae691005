// The built program folder that the tests of the real program start it from.
#pragma once

#include <QByteArray>
#include <QString>

namespace gorvo::test {

// GORVO_PROGRAM_DIR, which the build sets for these tests; empty when it is not set.
inline QString program_dir() {
    return QString::fromUtf8(qgetenv("GORVO_PROGRAM_DIR"));
}

}  // namespace gorvo::test
