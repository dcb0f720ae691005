#include "qt_test_app.h"

#include <QApplication>

namespace gorvo::test {

void ensure_qt_app() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives until the process ends
}

}  // namespace gorvo::test

// The font and message-bus libraries keep their caches for the life of the process by design,
// and the sound server's client library can be left holding a request when SDL's thread ends
// (its stack seldom unwinds past the library itself, so the library is named, not a function);
// the leak checker of the sanitizer build is told so, and reports everything else.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\nleak:libpulse\n";
}
