// gorvo250: the simulated handheld on the desktop.
#include <QApplication>

#include "app/program.h"

int main(int argc, char* argv[]) {
    // The skin is drawn pixel for pixel, at the screen's own resolution.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationName(QStringLiteral("Gorvo250"));

    gorvo::app::Program program;
    if (!program.created()) return 1;
    program.start();
    return QApplication::exec();
}
