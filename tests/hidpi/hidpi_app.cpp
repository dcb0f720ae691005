#include "hidpi_app.h"

#include <QByteArray>
#include <QCoreApplication>

#include "support/qt/test_app.h"

namespace gorvo::test {

void ensure_hidpi_app() {
    if (QCoreApplication::instance()) return;
    // The offscreen platform has no screen of its own density: Qt's own scale factor makes
    // every window twice as dense, exactly as a screen of ratio 2 does.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScreenRatio));
    ensure_qt_app();
}

}  // namespace gorvo::test
