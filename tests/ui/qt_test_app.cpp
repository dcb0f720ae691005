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
