#include <QCoreApplication>

#include "support/qt/test_app.h"
#include "support/qt/test_app_arguments.h"

namespace gorvo::test {

void ensure_qt_core_app() {
    if (QCoreApplication::instance()) return;
    new QCoreApplication(TestAppArguments::argc, TestAppArguments::argv);  // lives until the end
}

}  // namespace gorvo::test
