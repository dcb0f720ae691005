#include "hidpi_app.h"

#include <QApplication>
#include <QByteArray>

namespace gorvo::test {

void ensure_hidpi_app() {
    if (QApplication::instance()) return;
    // The offscreen platform has no screen of its own density: Qt's own scale factor makes
    // every window twice as dense, exactly as a screen of ratio 2 does.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScreenRatio));
    static int argc = 1;
    static char name[] = "hidpi_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives until the process ends
}

}  // namespace gorvo::test

// The font and message-bus libraries keep their caches for the life of the process by design;
// the leak checker of the sanitizer build is told so, and reports everything else.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}
