#include <QGuiApplication>

#include "support/qt/test_app.h"
#include "support/qt/test_app_arguments.h"

namespace gorvo::test {

void ensure_qt_gui_app() {
    if (QGuiApplication::instance()) return;
    new QGuiApplication(TestAppArguments::argc, TestAppArguments::argv);  // lives until the end
}

}  // namespace gorvo::test
