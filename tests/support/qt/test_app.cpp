#include "support/qt/test_app.h"

#include <QApplication>

#include "support/qt/test_app_arguments.h"

namespace gorvo::test {

void ensure_qt_app() {
    if (QApplication::instance()) return;
    new QApplication(TestAppArguments::argc, TestAppArguments::argv);  // lives until the end
}

}  // namespace gorvo::test
