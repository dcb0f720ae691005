// What the tests that start the real program share: one application object for the tools they
// run, the program folder, and the environment of a program windowed, silent and without a
// splash, with a store and a data folder of its own.
#pragma once

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QString>

#include "support/qt/x_desktop.h"

namespace gorvo::test {

QCoreApplication& real_program_app();

// GORVO_PROGRAM_DIR: the built program folder; empty when not set.
QString program_dir();

// The desktop's environment with XDG_CONFIG_HOME and XDG_DATA_HOME under `home`, whose store
// has the game windowed, with no sound and no splash; empty when the store cannot be written.
QProcessEnvironment real_program_environment(const XDesktop& desktop, const QString& home);

}  // namespace gorvo::test
